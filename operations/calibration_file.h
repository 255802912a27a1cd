// Reading back a calibration data export: the two columns, checked line by line,
// and the figures a technician judges them by.
#pragma once

#include "operations/readout_operation.h"

#include <cstdint>
#include <string>
#include <vector>

constexpr int CAL_FILE_LINES = CAL_DATA_SIZE / 2; // one line per byte pair

struct CalibrationColumn {
    std::vector<uint8_t> values; // one per line, line 1 first
    int minimum = 0;
    int maximum = 0;
    double mean = 0.0;
};

struct CalibrationFile {
    CalibrationColumn columns[2];
    // Empty when the file was read and is well formed; otherwise what is wrong,
    // as "FILE:LINE: reason", or why the file could not be read at all.
    std::string error;
    int errorId = 0; // the string table's id of what is wrong, when something is
    int badLine = 0; // the first line that is wrong, 0 when none is
};

// Checks an export's text: exactly CAL_FILE_LINES lines, each two numbers from 0
// to 255 separated by a tab, each padded with spaces to three characters or not
// padded, ended by CR LF or LF (the last line end may be missing). `name` only
// appears in the error.
CalibrationFile ParseCalibrationFile(const std::string& text, const std::string& name);

// "Column 1: minimum 0, maximum 255, mean 127.50" for column 0; the mean has two
// decimals and a point whatever the locale, so scripts can read it, unless the
// front end asks for its reader's decimal point.
std::string CalibrationColumnFigures(const CalibrationFile& file, int column, const std::string& decimalPoint = ".");

// Reads and checks the file; a named pipe or a device is refused, never waited on.
CalibrationFile LoadCalibrationFile(const std::string& path);
