// Write Option Board: a settings image (the record's) is programmed into the board.
#pragma once

#include "link/radio_link.h"

#include "operations/info_operation.h"
#include "operations/operation_record.h"

#include <functional>
#include <string>

#include <cstdint>

struct WriteOutcome {
    bool asked = false;   // the user confirmed the write
    bool written = false; // the board confirmed it (and, verifying, holds it) and the radio was released
    OperationRecord record; // empty of radio facts when the user declined
};

// What goes beyond the plain write; all off by default, so the wire sequence is
// the plain write's.
struct WriteOptions {
    bool ask = true;     // ask for confirmation first
    bool verify = false; // read the settings back after the write and compare
    // Runs with the board's codeplug version and its current settings image
    // before anything is written; false (the backup could not be kept, why in
    // `error`) ends the operation without writing. It shows nothing itself: the
    // operation says it once the radio is reset.
    std::function<bool(int32_t major, int32_t minor, const uint8_t* image, std::string& error)> backupFirst;
    // When given, the board's identity is kept here for a report: its type as
    // identified, its hardware revision and software version (two short reads
    // after the identification) and its codeplug version.
    BoardInfo* identity = nullptr;
};

// Asks for confirmation, then writes over the named port. `onWritten` runs just
// before "Option board successfully programmed." is shown: the caller clears
// its document's modified flag there.
WriteOutcome RunWriteOperation(CRadioLink& link, const std::string& portName, const uint8_t* image,
                               const std::function<void()>& onWritten,
                               const WriteOptions& options = WriteOptions());
