// Read Option Board: the board's codeplug version and settings, as a value.
#pragma once

#include "board/option_board_data.h"
#include "board/settings_snapshot.h"
#include "link/radio_link.h"
#include "operations/operation_record.h"

#include <cstdint>
#include <functional>
#include <string>

struct ReadOutcome {
    // The codeplug version was asked for: settings.major and settings.minor hold
    // what the board said, or 255.00 when the request failed.
    bool versionRead = false;
    // settings.values hold the board's data: its image came whole and sound
    // (also when the radio then refused its reset).
    bool valuesRead = false;
    bool loaded = false;        // the read succeeded, the radio released
    SettingsSnapshot settings;  // the codeplug version and, when read, the fifteen values
    uint8_t image[SETTINGS_IMAGE_SIZE] = {}; // the settings image as the board sent it, when loaded
    OperationRecord record;
};

// Runs the read over the named port. `onLoaded` gets the outcome once the data
// are in and the radio released, just before "Option board successfully read."
// is shown: the caller takes the settings into its document there and names the
// port in its caption.
ReadOutcome RunReadOperation(CRadioLink& link, const std::string& portName,
                             const std::function<void(const ReadOutcome&)>& onLoaded);

// What a front end does with a read's outcome: the version into `into`'s
// codeplug version whenever it was asked for, the values into its record
// (each with Set) whenever they came.
void TakeReadInto(const ReadOutcome& outcome, const VersionedRecord& into);
