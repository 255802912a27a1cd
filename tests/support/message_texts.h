// The texts users see, written out in full so tests compare against what is
// shown rather than against the string table they come from.
#pragma once

#include <string>
#include <vector>

using Texts = std::vector<std::string>;

namespace text {

const std::string NO_RESPONSE = "No response from radio.";
const std::string NAK = "NAK received from radio.";
const std::string UNEXPECTED = "Unexpected response from radio.";
const std::string NOT_SUPPORTED = "Operation not supported by this radio.";
const std::string CHECKSUM = "Checksum error in received message.";
const std::string INCOMPLETE = "Received message incomplete.";
const std::string TOO_LONG = "Received message too long.";
const std::string UNKNOWN_BOARD =
    "Unknown option board detected.\nMake sure the correct option board is installed in the radio.";
const std::string NO_BOARD = "No response from option board.\nMake sure the correct option board is installed in the "
                             "radio\nand the radio's codeplug is programmed for this option board.";
const std::string UNEXPECTED_BOARD = "Unexpected response from the option board.";
const std::string READ_FAILED = "Failed to read the option board !";
const std::string READ_OK = "Option board successfully read.";
const std::string BOARD_CHECKSUM = "Option board data checksum error !";
const std::string WRITE_FAILED = "Failed to program the option board !";
const std::string WRITE_OK = "Option board successfully programmed.";
const std::string CONFIRM_WRITE = "Are you sure you wish to program the option board ?";
const std::string CONFIRM_CALIBRATE = "Are you really sure you wish to calibrate the accelerometer ?";
const std::string CALIBRATE_TURN = "Turn the radio very slowly for at least 360 degrees.\n Press the OK button when done.";
const std::string CALIBRATE_FAILED = "Failed to calibrate the accelerometer !";
const std::string CALIBRATE_OK = "Accelerometer successfully calibrated.";
const std::string CALFILE_FAILED = "Calibration data file is write protected or disk is full !";

inline std::string PortFailed(const std::string& port)
{
    return "The serial port " + port + " could not be opened.\nIt may be in use by another program.";
}

inline std::string Version(const std::string& board)
{
    return "Codeplug version not supported by this OSS.\nRadio/File codeplug version: " + board
        + "\nOSS codeplug version: 01 . 00";
}

} // namespace text
