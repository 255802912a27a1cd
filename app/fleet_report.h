// The fleet's report as a CSV file: a header line, then one row per radio,
// flushed as it is written so that a crash loses no finished row.
#pragma once

#include "operations/fleet_operation.h"

#include <cstdio>
#include <string>

// The header line and a row's line, each ended by CR LF; with the first
// `columns` columns (a report begun before the radio's ID had its column goes
// on in its own form).
std::string FleetCsvHeader(int columns);
std::string FleetCsvLine(const FleetRow& row, int columns);
// The column titles, in the report's order (also the GUI table's); the
// report's are English whatever the user's language, as programs read them.
constexpr int FLEET_COLUMNS = 11;
constexpr int FLEET_COLUMNS_WITHOUT_RADIO_ID = 10;
std::string FleetColumnTitle(int column, bool english = false);
// A row's field in a column, as the report (`english`) and the GUI table show it.
std::string FleetRowField(const FleetRow& row, int column, bool english = false);

// How appending a row went. A row is in the report whole or not at all.
enum class ReportAppend {
    Written,
    Failed,   // the file refused it
    DiskFull, // no room for it
    Gone,     // the report was removed or replaced by another file meanwhile
};

// The sentence that says why rows no longer go into the report `path`.
std::string ReportProblemText(const std::string& path, ReportAppend problem);
int ReportProblemMessageId(ReportAppend problem);

class FleetReport {
public:
    FleetReport() = default;
    ~FleetReport();
    FleetReport(const FleetReport&) = delete;
    FleetReport& operator=(const FleetReport&) = delete;

    // Opens the file for appending; the header goes first into an empty file.
    // False when the file cannot be written.
    bool Open(const std::string& path);
    // Appends the row and flushes it. After a failure no later row is appended
    // (the report would have a gap), and the first failure is returned again.
    ReportAppend Append(const FleetRow& row);

private:
    // Whether the report's name still leads to the file opened.
    bool StillNamed() const;

    std::FILE* m_file = nullptr;
    std::string m_path;
    int m_columns = FLEET_COLUMNS; // those of the file's header
    ReportAppend m_problem = ReportAppend::Written;
};
