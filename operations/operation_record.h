// What one board operation learnt from the radio and did to it, filled in as its
// course goes: what the service history keeps of it. Every outcome carries one.
#pragma once

#include "board/option_board_data.h"

#include <array>
#include <cstdint>
#include <optional>
#include <string>

// Settings in the data file's form: the codeplug version, then the settings image.
using DataFileBytes = std::array<uint8_t, DATA_FILE_SIZE>;
DataFileBytes DataFileForm(int32_t major, int32_t minor, const uint8_t* image);

struct OperationRecord {
    std::string operation; // as the trace names it: "read", "write", "information", ...
    std::string port;      // the port, or the device given instead of one
    std::string device;    // the device the port stood for
    bool begun = false;    // the port was tried: the operation went beyond its question
    // How it ended: "succeeded", "failed", "stopped", or the operation's own
    // word for a partial end ("shown with fields missing").
    std::string result = "failed";
    // What was learnt, each empty where the operation did not learn it.
    std::string radioInfo; // the radio's answer to the radio information request
    std::string boardType;
    std::string boardHardware;
    std::string boardSoftware;
    std::string boardCodeplug; // "01.00"
    std::optional<DataFileBytes> settingsRead;    // what the board held, as read
    std::optional<DataFileBytes> settingsWritten; // what was sent to the board
    bool verified = false; // read back after the write and found the same
    std::string keptFile;  // the copy kept on the way (a calibration read-out's)

    bool Succeeded() const { return result == "succeeded"; }
};
