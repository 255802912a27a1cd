#include "operations/fleet_report.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

namespace {

std::string Line(const std::string* fields, int count)
{
    std::string line;
    for (int i = 0; i < count; ++i) {
        if (i > 0)
            line += ',';
        line += CsvField(fields[i]);
    }
    return line + "\r\n";
}

} // namespace

std::string CsvField(const std::string& given)
{
    // A spreadsheet takes a cell starting with one of these as a formula (the
    // radio's information is the radio's to choose); an apostrophe before it
    // makes the cell text, and the spreadsheet does not show the apostrophe.
    const bool formula = !given.empty() && std::string("=+-@\t\r").find(given[0]) != std::string::npos;
    const std::string text = formula ? "'" + given : given;
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string FleetColumnTitle(int column, bool english)
{
    static const int TITLES[FLEET_COLUMNS] = {
        IDS_FLEET_COL_TIME,          IDS_FLEET_COL_PORT,          IDS_FLEET_COL_RADIO_INFO, IDS_LABEL_BOARD_TYPE,
        IDS_LABEL_HARDWARE_REVISION, IDS_LABEL_SOFTWARE_VERSION,  IDS_LABEL_CODEPLUG_VERSION,
        IDS_FLEET_COL_RESULT,        IDS_FLEET_COL_REASON,        IDS_FLEET_COL_SECONDS,
    };
    if (column < 0 || column >= FLEET_COLUMNS)
        return std::string();
    return english ? LoadEnglishString(TITLES[column]) : LoadString(TITLES[column]);
}

std::string FleetRowField(const FleetRow& row, int column, bool english)
{
    char seconds[32];
    switch (column) {
    case 0: return row.time;
    case 1: return row.port;
    case 2: return row.radioInfo;
    case 3: return row.board.type;
    case 4: return row.board.hardware;
    case 5: return row.board.software;
    case 6: return row.board.codeplug;
    case 7: {
        const int result = row.ok ? IDS_FLEET_RESULT_OK : IDS_FLEET_RESULT_FAILED;
        return english ? LoadEnglishString(result) : LoadString(result);
    }
    case 8: return row.reason;
    case 9: std::snprintf(seconds, sizeof(seconds), "%.1f", row.seconds); return seconds;
    default: return std::string();
    }
}

std::string FleetCsvHeader()
{
    std::string fields[FLEET_COLUMNS];
    for (int i = 0; i < FLEET_COLUMNS; ++i)
        fields[i] = FleetColumnTitle(i, true);
    return Line(fields, FLEET_COLUMNS);
}

std::string FleetCsvLine(const FleetRow& row)
{
    std::string fields[FLEET_COLUMNS];
    for (int i = 0; i < FLEET_COLUMNS; ++i)
        fields[i] = FleetRowField(row, i, true);
    return Line(fields, FLEET_COLUMNS);
}

FleetReport::~FleetReport()
{
    if (m_file)
        std::fclose(m_file);
}

bool FleetReport::Open(const std::string& path)
{
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file)
        return false;
    std::fseek(m_file, 0, SEEK_END);
    if (std::ftell(m_file) > 0)
        return true;
    const std::string header = FleetCsvHeader();
    return std::fwrite(header.data(), 1, header.size(), m_file) == header.size() && std::fflush(m_file) == 0;
}

bool FleetReport::Append(const FleetRow& row)
{
    if (!m_file)
        return false;
    const std::string line = FleetCsvLine(row);
    return std::fwrite(line.data(), 1, line.size(), m_file) == line.size() && std::fflush(m_file) == 0;
}
