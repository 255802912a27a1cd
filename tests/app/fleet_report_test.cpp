// The fleet's CSV report when its disk fills or the file goes away during a run:
// rows whole or not at all, and the failure named for what it is.
#include "app/fleet_report.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <sys/stat.h>

namespace {

FleetRow Radio(int number)
{
    FleetRow row;
    row.time = "2026-12-09T10:00:00Z";
    row.port = "COM1";
    row.radioInfo = "RADIO-" + std::to_string(number) + std::string(200, 'x');
    row.ok = true;
    return row;
}

} // namespace

TEST(FleetReportFile, AFullDiskLeavesWholeRowsAndSaysTheDiskIsFull)
{
    ScratchMount mount(ScratchMount::Kind::Full);
    if (!mount.SkipReason().empty())
        GTEST_SKIP() << mount.SkipReason();
    const std::string path = mount.Path("report.csv");
    FleetReport report;
    ASSERT_TRUE(mount.Prepare([&] { ASSERT_TRUE(report.Open(path)); }));
    ReportAppend appended = ReportAppend::Written;
    int written = 0;
    while (written < 1000 && (appended = report.Append(Radio(written))) == ReportAppend::Written)
        ++written;
    EXPECT_EQ(appended, ReportAppend::DiskFull);
    EXPECT_EQ(report.Append(Radio(written)), ReportAppend::DiskFull) << "no row after a gap";
    const std::vector<uint8_t> bytes = ReadBytes(path);
    const std::string text(bytes.begin(), bytes.end());
    EXPECT_EQ(text, FleetCsvHeader(FLEET_COLUMNS) + [&] {
        std::string rows;
        for (int i = 0; i < written; ++i)
            rows += FleetCsvLine(Radio(i), FLEET_COLUMNS);
        return rows;
    }());
    EXPECT_NE(ReportProblemText(path, appended).find("the disk is full"), std::string::npos);
}

TEST(FleetReportFile, AReportRemovedOrReplacedDuringTheRunTakesNoMoreRows)
{
    TempFolder folder;
    for (const bool byFolder : { false, true }) {
        const std::string path = folder.Path(byFolder ? "replaced.csv" : "removed.csv");
        FleetReport report;
        ASSERT_TRUE(report.Open(path));
        ASSERT_EQ(report.Append(Radio(1)), ReportAppend::Written);
        ASSERT_EQ(std::remove(path.c_str()), 0);
        if (byFolder)
            ::mkdir(path.c_str(), 0755);
        EXPECT_EQ(report.Append(Radio(2)), ReportAppend::Gone) << path;
    }
}

// A report begun before radios had IDs goes on in its own form: rows with one
// column more under its header would shift every column a program reads.
TEST(FleetReportFile, AReportBegunWithoutTheRadioIdColumnGoesOnInItsForm)
{
    TempFolder folder;
    const std::string path = folder.Path("report.csv");
    const std::string header = FleetCsvHeader(FLEET_COLUMNS_WITHOUT_RADIO_ID);
    WriteBytes(path, std::vector<uint8_t>(header.begin(), header.end()));
    FleetRow row = Radio(1);
    row.radioId = "4711";
    {
        FleetReport report;
        ASSERT_TRUE(report.Open(path));
        ASSERT_EQ(report.Append(row), ReportAppend::Written);
    }
    const std::vector<uint8_t> bytes = ReadBytes(path);
    EXPECT_EQ(std::string(bytes.begin(), bytes.end()), header + FleetCsvLine(row, FLEET_COLUMNS_WITHOUT_RADIO_ID));
}
