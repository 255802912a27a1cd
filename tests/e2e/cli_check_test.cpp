// vigilon-oss-cli check against the simulated radio with each link of the chain
// broken in turn: the line of the stage that failed, the stages before it, the
// exit status, and a silent line given up on in well under five seconds.
#include "tests/support/cli_bench.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>

TEST(CliCheck, EachBrokenLinkGivesItsLineAndTheRunStopsThere)
{
    struct Case {
        std::vector<std::string> simArgs;
        size_t lines;
        std::string last;
    };
    const std::vector<Case> cases = {
        { {}, 7, "\u2713 The radio has been reset." },
        { { "--fault", "no-echo" }, 2,
          "\u2717 Nothing came back: the cable is not plugged into the radio, or this is not the programming cable." },
        { { "--fault", "radio-off" }, 3,
          "\u2717 The radio does not answer: switch it on, and check that it is in programming mode." },
        { { "--fault", "no-board" }, 6, "\u2713 The radio has been reset." },
        { { "--codeplug", "09.00" }, 7, "\u2713 The radio has been reset." },
    };
    TempFolder folder;
    for (const Case& c : cases) {
        BackgroundProgram sim(VIGILON_RADIO_SIM, c.simArgs);
        const auto started = std::chrono::steady_clock::now();
        const ProgramResult result = RunCli({ "--device", sim.firstLine, "check" }, "",
                                                { { "XDG_CONFIG_HOME", folder.Path("config") } });
        const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        const std::vector<std::string> lines = Lines(result.out);
        const std::string name = c.simArgs.empty() ? "all good" : c.simArgs.back();
        ASSERT_EQ(lines.size(), c.lines) << name << ":\n" << result.out << result.err;
        EXPECT_EQ(lines.front(), "\u2713 The device " + sim.firstLine + " opens.") << name;
        EXPECT_EQ(lines.back(), c.last) << name;
        EXPECT_EQ(result.status, c.simArgs.empty() ? 0 : 1) << name;
        EXPECT_LT(seconds, 5.0) << name;
        if (name == "no-board") {
            EXPECT_EQ(lines[4], "\u2717 No option board answers: is one fitted?");
        }
        if (name == "09.00") {
            EXPECT_EQ(lines[5], "\u2717 The board's codeplug version 9.00 is not one this program can use.");
        }
    }
    const ProgramResult missing = RunCli({ "--device", folder.Path("none"), "check" }, "",
                                             { { "XDG_CONFIG_HOME", folder.Path("config") } });
    EXPECT_EQ(missing.status, 1);
    EXPECT_EQ(missing.out.rfind("\u2717 The serial port " + folder.Path("none") + " could not be opened. ", 0), 0u)
        << missing.out;
}

TEST(CliCheck, ARadioThatRefusesTheRequestIsStillReset)
{
    for (const char* fault : { "nak@info", "unexpected@info" }) {
        CliBench bench({ "--fault", fault });
        const ProgramResult result = bench.Run({ "check" });
        const std::vector<std::string> lines = Lines(result.out);
        ASSERT_EQ(lines.size(), 4u) << fault << ":\n" << result.out << result.err;
        EXPECT_EQ(lines[2], "\u2717 The radio refused the request.") << fault;
        EXPECT_EQ(lines[3], "\u2713 The radio has been reset.") << fault;
        EXPECT_EQ(result.status, 1) << fault;
        const std::vector<std::string> requests = bench.Requests();
        ASSERT_FALSE(requests.empty()) << fault;
        EXPECT_EQ(requests.front(), "info") << fault;
        EXPECT_EQ(requests.back(), "reset") << fault;
    }
}
