// What one command works on: the command line's operation context, a radio
// link through it, and a settings record with its codeplug version.
#pragma once

#include "board/option_board_data.h"
#include "cli/commands.h"
#include "link/radio_link.h"
#include "seams/operation_context.h"

#include <string>

struct CliWork {
    explicit CliWork(const CliOptions& options) : context(*options.context), link(context)
    {
        record.context = &context;
    }
    CliWork(const CliWork&) = delete;
    CliWork& operator=(const CliWork&) = delete;

    VersionedRecord Versioned() { return VersionedRecord{ record, major, minor }; }
    // A data file into the record, its version beside it (said why when it does not load).
    bool Load(const std::string& path) { return record.LoadFromFile(path, &major, &minor); }
    bool Save(const std::string& path) { return record.SaveToFile(path, major, minor); }

    OperationContext& context;
    CRadioLink link;
    COptionBoardData record;
    int32_t major = supportedCodeplugMajor;
    int32_t minor = supportedCodeplugMinor;
};
