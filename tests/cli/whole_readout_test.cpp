// The calibration read-out of vigilon-oss-cli over the whole area: 1198
// requests to the simulated radio. The command runs in this process with an
// operation context whose clock skips the link's pauses (each more than 100 ms,
// two minutes in all), so it takes seconds; what it prints, the file it writes
// and the requests the radio sees are those of the program.
#include "cli/cli_host.h"
#include "cli/cli_presenter.h"
#include "cli/command_list.h"
#include "cli/commands.h"
#include "sim/board_memory.h"
#include "tests/support/operation_bench.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>

TEST(Cli, ReadOutOfTheWholeCalibrationArea)
{
    OperationBench bench;
    TempFolder folder;
    const std::string file = folder.Path("cal.txt");
    CliPresenter presenter(false, stdin, stdout, stderr);
    CliHost host(nullptr, file); // no progress display without a terminal
    const bool labMode = true;
    OperationContext context;
    context.presenter = &presenter;
    context.host = &host;
    context.clock = &bench.clock;
    context.labMode = &labMode;
    context.hintReader = PortHintReader::Terminal;
    CliOptions options;
    options.context = &context;
    options.portName = bench.Port();
    options.ports = { bench.Port() };
    options.files = { file };
    const CliCommand* command = FindCliCommand("read-cal");
    ASSERT_NE(command, nullptr);

    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = command->run(options);
    const std::string out = testing::internal::GetCapturedStdout();
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(status, 0) << err;
    EXPECT_EQ(err, "");
    EXPECT_EQ(out, "Calibration data saved to " + file + ".\n");
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
