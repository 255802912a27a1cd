// Read Option Board: the board's settings image becomes a record's values.
#pragma once

#include "link/radio_link.h"

#include <functional>
#include <string>

#include "board/option_board_data.h"
#include "operations/operation_record.h"

#include <cstdint>

struct ReadOutcome {
    bool loaded = false; // the record now holds the board's data
    uint8_t image[SETTINGS_IMAGE_SIZE] = {}; // the settings image as the board sent it, when loaded
    OperationRecord record;
};

// Runs the read over the named port. `onLoaded` runs once the data are in and
// the radio released, just before "Option board successfully read." is shown:
// the caller marks its document loaded and modified there and names the port in
// its caption.
ReadOutcome RunReadOperation(CRadioLink& link, const std::string& portName, const VersionedRecord& into, const std::function<void()>& onLoaded);
