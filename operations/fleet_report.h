// The fleet's report as a CSV file: a header line, then one row per radio,
// flushed as it is written so that a crash loses no finished row.
#pragma once

#include "operations/fleet_operation.h"

#include <cstdio>
#include <string>

// One field as RFC 4180 wants it: quoted (quotes doubled) when it holds a
// comma, a quote or a line break; after an apostrophe when it starts with
// '=', '+', '-', '@', a tab or a carriage return, so that no spreadsheet
// evaluates it.
std::string CsvField(const std::string& text);
// The header line and a row's line, each ended by CR LF.
std::string FleetCsvHeader();
std::string FleetCsvLine(const FleetRow& row);
// The ten column titles, in the report's order (also the GUI table's); the
// report's are English whatever the user's language, as programs read them.
constexpr int FLEET_COLUMNS = 10;
std::string FleetColumnTitle(int column, bool english = false);
// A row's field in a column, as the report (`english`) and the GUI table show it.
std::string FleetRowField(const FleetRow& row, int column, bool english = false);

class FleetReport {
public:
    FleetReport() = default;
    ~FleetReport();
    FleetReport(const FleetReport&) = delete;
    FleetReport& operator=(const FleetReport&) = delete;

    // Opens the file for appending; the header goes first into an empty file.
    // False when the file cannot be written.
    bool Open(const std::string& path);
    // Appends the row and flushes it; false when that failed.
    bool Append(const FleetRow& row);

private:
    std::FILE* m_file = nullptr;
};
