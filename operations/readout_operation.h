// Calibration data read-out: the board's 57344 bytes of calibration data, read
// in blocks of 48 and exported as a two-column text file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint16_t CAL_DATA_START = 0x2000;
constexpr int CAL_DATA_SIZE = 0xE000;
constexpr int CAL_BLOCK_SIZE = 48;

enum class ReadoutResult { NotStarted, Failed, Stopped, Cancelled, Exported };

struct ReadoutOutcome {
    ReadoutResult result = ReadoutResult::NotStarted;
    std::string path; // the export file, when exported
    int bytesRead = 0; // calibration bytes read before the read-out ended
};

// Reads the calibration data over the named port with progress through the
// operation host, asks it for the export file and writes the export.
ReadoutOutcome RunCalibrationReadout(const std::string& portName);

// The export text: one line "%3d\t%3d" per byte pair, each ended by CR LF.
std::string FormatCalibrationExport(const uint8_t* data, size_t size);
