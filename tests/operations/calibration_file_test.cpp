// Reading back a calibration data export: the figures of a well-formed file (with
// the line ends and padding a hand-edited file may have), and each kind of
// malformed file refused by the number of its first wrong line.
#include "operations/calibration_file.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <sys/stat.h>

namespace {

// Line j (from 0) holds j % 256 and 7, except lines 10 and 20: 200 and 3. The
// first column's figures are then 0, 255 and 127.5 exactly; the second's mean
// is 200893 / 28672 = 7.0065...
std::vector<std::string> GoodLines()
{
    std::vector<std::string> lines;
    char line[16];
    for (int j = 0; j < 28672; ++j) {
        std::snprintf(line, sizeof(line), "%3d\t%3d", j % 256, j == 10 ? 200 : j == 20 ? 3 : 7);
        lines.push_back(line);
    }
    return lines;
}

std::string Join(const std::vector<std::string>& lines, const std::string& end = "\r\n")
{
    std::string text;
    for (const std::string& line : lines)
        text += line + end;
    return text;
}

std::string WriteText(TempFolder& folder, const std::string& text)
{
    const std::string path = folder.Path("cal.txt");
    WriteBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
    return path;
}

} // namespace

TEST(CalibrationFile, AWellFormedFileGivesItsFiguresAMalformedOneItsFirstWrongLine)
{
    TempFolder folder;
    const std::string path = folder.Path("cal.txt");
    std::vector<std::string> lines = GoodLines();
    const std::string exported = Join(lines);
    ASSERT_EQ(exported.size(), 258048u);
    lines[1] = "1\t7"; // unpadded
    std::string text = Join(lines);
    text.replace(text.find("\r\n"), 2, "\n"); // one LF among the CR LFs
    text.resize(text.size() - 2);             // no line end after the last line
    for (const std::string& body : { exported, text }) {
        const CalibrationFile file = LoadCalibrationFile(WriteText(folder, body));
        ASSERT_EQ(file.error, "");
        ASSERT_EQ(file.columns[1].values.size(), 28672u);
        EXPECT_EQ(file.columns[0].values[300], 300 - 256);
        EXPECT_EQ(file.columns[1].values[20], 3);
        EXPECT_EQ(CalibrationColumnFigures(file, 0), "Column 1: minimum 0, maximum 255, mean 127.50");
        EXPECT_EQ(CalibrationColumnFigures(file, 1), "Column 2: minimum 3, maximum 200, mean 7.01");
    }

    const std::string tooFew = "the file ends here; calibration data has 28672 lines";
    const std::string notAPair = "not two numbers from 0 to 255 separated by a tab";
    const std::string oneMore = "28673: one line more than the 28672 lines of calibration data";
    const struct {
        const char* what;
        std::function<void(std::vector<std::string>&)> edit;
        std::string error;
    } cases[] = {
        { "one line short", [](auto& l) { l.pop_back(); }, "28672: " + tooFew },
        { "empty", [](auto& l) { l.clear(); }, "1: " + tooFew },
        { "one line more", [](auto& l) { l.push_back("  0\t  0"); }, oneMore },
        { "an empty line more", [](auto& l) { l.push_back(""); }, oneMore },
        { "a space for the tab", [](auto& l) { l[99] = "  5 200"; }, "100: " + notAPair },
        { "above 255", [](auto& l) { l[4] = "256\t  0"; }, "5: 256 is outside 0 to 255" },
        { "the first of two wrong lines, in a short file",
          [](auto& l) { l.resize(10); l[2] = "  1\t  x"; }, "3: " + notAPair },
    };
    for (const auto& c : cases) {
        std::vector<std::string> lines = GoodLines();
        c.edit(lines);
        const CalibrationFile file = LoadCalibrationFile(WriteText(folder, Join(lines)));
        EXPECT_EQ(file.error, path + ":" + c.error) << c.what;
    }

    // A named pipe is refused at once, not waited on for a writer.
    ::unlink(path.c_str());
    ASSERT_EQ(::mkfifo(path.c_str(), 0600), 0);
    const auto start = std::chrono::steady_clock::now();
    EXPECT_EQ(LoadCalibrationFile(path).error, path + " is a device or a named pipe, not a file.");
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(1));
}
