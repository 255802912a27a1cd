#include "operations/calibration_file.h"

#include "storage/file_access.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cmath>

namespace {

// The longest line a well-formed file has: "255\t255\r\n".
constexpr size_t LONGEST_LINE = 9;
// Enough to hold every line of a well-formed file and the start of one line
// more, so the first wrong line is always within what is read.
constexpr size_t READ_LIMIT = CAL_FILE_LINES * LONGEST_LINE + 2 * LONGEST_LINE;

// One number of a line, as "%3d" writes it or unpadded: up to three
// characters, spaces then digits. -1 when it is not a number, 256 and above
// when it is out of range (the caller names the value).
int ParseField(const std::string& field)
{
    if (field.empty() || field.size() > 3)
        return -1;
    size_t at = field.find_first_not_of(' ');
    if (at == std::string::npos)
        return -1;
    int value = 0;
    for (; at < field.size(); ++at) {
        if (field[at] < '0' || field[at] > '9')
            return -1;
        value = value * 10 + (field[at] - '0');
    }
    return value;
}

// What is wrong with one line's content (without its line end), or "", with the
// id of its message in `id`.
std::string CheckLine(const std::string& line, uint8_t& first, uint8_t& second, int& id)
{
    const size_t tab = line.find('\t');
    const int a = tab == std::string::npos ? -1 : ParseField(line.substr(0, tab));
    const int b = tab == std::string::npos ? -1 : ParseField(line.substr(tab + 1));
    if (a < 0 || b < 0) {
        id = IDS_CALFILE_NOT_A_PAIR;
        return LoadString(id);
    }
    if (a > 255 || b > 255) {
        id = IDS_CALFILE_OUT_OF_RANGE;
        return FormatString(id, a > 255 ? a : b);
    }
    first = static_cast<uint8_t>(a);
    second = static_cast<uint8_t>(b);
    return std::string();
}

void Summarise(CalibrationColumn& column)
{
    long sum = 0;
    column.minimum = 255;
    column.maximum = 0;
    for (uint8_t value : column.values) {
        sum += value;
        column.minimum = value < column.minimum ? value : column.minimum;
        column.maximum = value > column.maximum ? value : column.maximum;
    }
    column.mean = static_cast<double>(sum) / static_cast<double>(column.values.size());
}

CalibrationFile Refused(const std::string& name, int line, int id, const std::string& reason)
{
    CalibrationFile file;
    file.errorId = id;
    file.badLine = line;
    file.error = name + ":" + std::to_string(line) + ": " + reason;
    return file;
}

} // namespace

CalibrationFile ParseCalibrationFile(const std::string& text, const std::string& name)
{
    CalibrationFile file;
    for (CalibrationColumn& column : file.columns)
        column.values.reserve(CAL_FILE_LINES);
    size_t start = 0;
    int number = 0;
    while (start < text.size()) {
        ++number;
        if (number > CAL_FILE_LINES)
            return Refused(name, number, IDS_CALFILE_TOO_LONG, FormatString(IDS_CALFILE_TOO_LONG, CAL_FILE_LINES));
        size_t end = text.find('\n', start);
        const size_t next = end == std::string::npos ? text.size() : end + 1;
        if (end == std::string::npos)
            end = text.size();
        if (end > start && text[end - 1] == '\r')
            --end;
        uint8_t first = 0;
        uint8_t second = 0;
        int id = 0;
        const std::string wrong = CheckLine(text.substr(start, end - start), first, second, id);
        if (!wrong.empty())
            return Refused(name, number, id, wrong);
        file.columns[0].values.push_back(first);
        file.columns[1].values.push_back(second);
        start = next;
    }
    if (number < CAL_FILE_LINES)
        return Refused(name, number + 1, IDS_CALFILE_ENDS_EARLY, FormatString(IDS_CALFILE_ENDS_EARLY, CAL_FILE_LINES));
    for (CalibrationColumn& column : file.columns)
        Summarise(column);
    return file;
}

std::string CalibrationColumnFigures(const CalibrationFile& file, int column, const std::string& decimalPoint)
{
    const CalibrationColumn& c = file.columns[column];
    const long hundredths = std::lround(c.mean * 100.0);
    const std::string mean = std::to_string(hundredths / 100) + decimalPoint + (hundredths % 100 < 10 ? "0" : "")
        + std::to_string(hundredths % 100);
    return FormatString(IDS_CALFILE_COLUMN_FIGURES, column + 1, c.minimum, c.maximum, mean.c_str());
}

CalibrationFile LoadCalibrationFile(const std::string& path)
{
    std::string text(READ_LIMIT, '\0');
    ReadProblem problem = ReadProblem::None;
    const long count = ReadFileExclusive(path, reinterpret_cast<uint8_t*>(&text[0]), text.size(), &problem);
    if (count < 0) {
        CalibrationFile file;
        file.errorId = ReadProblemMessageId(problem);
        if (file.errorId == 0)
            file.errorId = IDS_CLI_CANNOT_READ;
        file.error = FormatString(file.errorId, path.c_str());
        return file;
    }
    text.resize(static_cast<size_t>(count));
    return ParseCalibrationFile(text, path);
}
