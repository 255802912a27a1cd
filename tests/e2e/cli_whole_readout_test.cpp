// The calibration read-out of vigilon-oss-cli over the whole area, against
// vigilon-radio-sim: 1198 requests, each followed by the link's pause of more
// than 100 ms, so about two minutes. Its own program, so that CTest can leave
// it out of the fast set (label slow).
#include "sim/board_memory.h"
#include "tests/support/cli_bench.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

TEST(Cli, ReadOutOfTheWholeCalibrationArea)
{
    CliBench bench;
    const std::string file = bench.folder.Path("cal.txt");
    const ProgramResult result = bench.Run({ "--lab", "read-cal", file });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "") << "no progress display without a terminal";
    EXPECT_EQ(result.out, "Calibration data saved to " + file + ".\n");
    const std::vector<uint8_t> bytes = ReadBytes(file);
    EXPECT_EQ(bytes.size(), 258048u);
    std::ifstream in(file);
    std::string first, line;
    std::getline(in, first);
    size_t lines = 1;
    while (std::getline(in, line))
        ++lines;
    EXPECT_EQ(lines, 28672u);
    char expected[16];
    std::snprintf(expected, sizeof(expected), "%3d\t%3d\r", sim::BoardMemory::CalibrationPattern(0x2000),
                  sim::BoardMemory::CalibrationPattern(0x2001));
    EXPECT_EQ(first, expected) << "the bytes at 0x2000 and 0x2001";
    const std::vector<std::string> requests = bench.Requests();
    ASSERT_EQ(requests.size(), 1198u);
    EXPECT_EQ(requests[2], "read 0x2000/48");
    EXPECT_EQ(requests[1196], "read 0xFFE0/32");
}
