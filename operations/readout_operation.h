// Calibration data read-out: the board's 57344 bytes of calibration data, read
// in blocks of 48 and exported as a two-column text file.
#pragma once

#include "link/radio_link.h"
#include "operations/operation_record.h"

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

constexpr uint16_t CAL_DATA_START = 0x2000;
constexpr int CAL_DATA_SIZE = 0xE000;
constexpr int CAL_BLOCK_SIZE = 48;

enum class ReadoutResult { NotStarted, Failed, Stopped, Cancelled, Exported };

struct ReadoutOutcome {
    ReadoutResult result = ReadoutResult::NotStarted;
    std::string path; // the export file, when exported
    int bytesRead = 0; // calibration bytes read before the read-out ended
    std::string keptPath; // the copy kept the moment the last byte was in, when one was
    OperationRecord record;
};

// Keeps the export text of a complete read-out somewhere safe; the path, or an
// empty text with why in `error`. It shows nothing: the radio is still held, and
// the read-out warns once it has reset it.
using KeepReadout = std::function<std::string(const std::string& exportText, std::string& error)>;

// Reads the calibration data over the named port with progress through the
// operation host, hands the complete export to `keep`, asks the host for the
// export file and writes the export. A board answer with fewer bytes than asked
// fails the read-out.
ReadoutOutcome RunCalibrationReadout(CRadioLink& link, const std::string& portName, const KeepReadout& keep = KeepReadout());

// The export text: one line "%3d\t%3d" per byte pair, each ended by CR LF.
std::string FormatCalibrationExport(const uint8_t* data, size_t size);
