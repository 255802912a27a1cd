#include "app/fleet_report.h"

#include "app/csv_field.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cerrno>

#ifdef _WIN32
#include <io.h>
#else
#include <sys/stat.h>
#include <unistd.h>
#endif

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

std::string FleetColumnTitle(int column, bool english)
{
    static const int TITLES[FLEET_COLUMNS] = {
        IDS_FLEET_COL_TIME,          IDS_FLEET_COL_PORT,          IDS_FLEET_COL_RADIO_INFO, IDS_LABEL_BOARD_TYPE,
        IDS_LABEL_HARDWARE_REVISION, IDS_LABEL_SOFTWARE_VERSION,  IDS_LABEL_CODEPLUG_VERSION,
        IDS_FLEET_COL_RESULT,        IDS_FLEET_COL_REASON,        IDS_FLEET_COL_SECONDS,    IDS_HISTORY_RADIO_ID,
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
    case 8: {
        if (!row.radioIdRepeated)
            return row.reason;
        const std::string repeated = english ? FormatEnglishString(IDS_FLEET_RADIO_ID_REPEATED, row.radioId.c_str())
                                             : FormatString(IDS_FLEET_RADIO_ID_REPEATED, row.radioId.c_str());
        return row.reason.empty() ? repeated : row.reason + "; " + repeated;
    }
    case 9: std::snprintf(seconds, sizeof(seconds), "%.1f", row.seconds); return seconds;
    case 10: return row.radioId;
    default: return std::string();
    }
}

std::string FleetCsvHeader(int columns)
{
    std::string fields[FLEET_COLUMNS];
    for (int i = 0; i < columns; ++i)
        fields[i] = FleetColumnTitle(i, true);
    return Line(fields, columns);
}

std::string FleetCsvLine(const FleetRow& row, int columns)
{
    std::string fields[FLEET_COLUMNS];
    for (int i = 0; i < columns; ++i)
        fields[i] = FleetRowField(row, i, true);
    return Line(fields, columns);
}

namespace {

// Cuts the file back to `size` bytes: what part of a row got in goes again.
void TruncateTo(std::FILE* file, long size)
{
#ifdef _WIN32
    _chsize_s(_fileno(file), size);
#else
    if (::ftruncate(fileno(file), size) != 0)
        return; // nothing more to be done: the failure is said anyway
#endif
}

} // namespace

int ReportProblemMessageId(ReportAppend problem)
{
    switch (problem) {
    case ReportAppend::DiskFull: return IDS_FLEET_REPORT_FULL;
    case ReportAppend::Gone: return IDS_FLEET_REPORT_GONE;
    case ReportAppend::Written:
    case ReportAppend::Failed: break;
    }
    return IDS_FLEET_REPORT_FAILED;
}

std::string ReportProblemText(const std::string& path, ReportAppend problem)
{
    return FormatString(ReportProblemMessageId(problem), path.c_str());
}

FleetReport::~FleetReport()
{
    if (m_file)
        std::fclose(m_file);
}

bool FleetReport::Open(const std::string& path)
{
    m_path = path;
    m_problem = ReportAppend::Written;
    m_file = std::fopen(path.c_str(), "ab");
    if (!m_file)
        return false;
    std::fseek(m_file, 0, SEEK_END);
    m_columns = FLEET_COLUMNS;
    if (std::ftell(m_file) > 0) {
        // Rows go on in the form of the header the file has.
        if (std::FILE* begun = std::fopen(path.c_str(), "rb")) {
            const std::string old = FleetCsvHeader(FLEET_COLUMNS_WITHOUT_RADIO_ID);
            std::string first(old.size(), '\0');
            if (std::fread(&first[0], 1, first.size(), begun) == first.size() && first == old)
                m_columns = FLEET_COLUMNS_WITHOUT_RADIO_ID;
            std::fclose(begun);
        }
        return true;
    }
    const std::string header = FleetCsvHeader(m_columns);
    return std::fwrite(header.data(), 1, header.size(), m_file) == header.size() && std::fflush(m_file) == 0;
}

bool FleetReport::StillNamed() const
{
#ifdef _WIN32
    return true; // an open file cannot be removed or renamed over there
#else
    struct stat named;
    struct stat opened;
    return ::stat(m_path.c_str(), &named) == 0 && ::fstat(fileno(m_file), &opened) == 0
        && named.st_dev == opened.st_dev && named.st_ino == opened.st_ino;
#endif
}

ReportAppend FleetReport::Append(const FleetRow& row)
{
    if (!m_file)
        return ReportAppend::Failed;
    if (m_problem != ReportAppend::Written)
        return m_problem;
    // Rows written into a file nobody can find any more would be lost in silence.
    if (!StillNamed())
        return m_problem = ReportAppend::Gone;
    const std::string line = FleetCsvLine(row, m_columns);
    std::fseek(m_file, 0, SEEK_END);
    const long before = std::ftell(m_file);
    errno = 0;
    if (std::fwrite(line.data(), 1, line.size(), m_file) == line.size() && std::fflush(m_file) == 0)
        return ReportAppend::Written;
    const int error = errno;
    std::clearerr(m_file);
    if (before >= 0)
        TruncateTo(m_file, before);
    return m_problem = error == ENOSPC ? ReportAppend::DiskFull : ReportAppend::Failed;
}
