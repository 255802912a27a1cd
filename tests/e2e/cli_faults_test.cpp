// Every fault the simulated radio can show, against every command that talks to
// it: the exit status tells the truth, the radio is reset last, and no file is
// left under the target name unless the command succeeded.
#include "tests/support/board_fixture.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <sys/stat.h>

namespace {

enum Op { READ, WRITE, INFO, CALIBRATE, READOUT, FLEET, OP_COUNT };
const char* const OP_NAMES[OP_COUNT] = { "read", "write", "info", "calibrate", "read-cal", "fleet" };

struct FaultCase {
    const char* fault;
    // '1' the command succeeds, '0' it fails, '-' not run (the fault does not touch
    // it, and a whole read-out takes two minutes), for read, write, info,
    // calibrate, read-cal and fleet in that order.
    const char* expected;
};

const FaultCase CASES[] = {
    { "silent-radio@board#2", "000000" },
    { "silent-board@board#2", "000000" },
    { "nak@board#2", "000000" },
    { "nak-answer@board#2", "000000" },
    { "not-supported@board#2", "000000" },
    { "unexpected@board#2", "000000" },
    { "unexpected-answer@board#2", "000000" },
    { "bad-echo@board#2", "1111-1" },
    { "bad-checksum@board#2", "000000" },
    { "incomplete@board#2", "000000" },
    { "too-long@board#2", "000000" },
    { "empty-answer@board#2", "000000" },
    { "not-c@board#2", "000000" },
    { "write-refused@write", "1011-0" },
    { "write-lost@write", "1011-0" },
    { "reply-count=5@read", "000100" },
    { "cal-start-refused@cal-start", "1110-1" },
    { "cal-check-fails@cal-check", "1110-1" },
};

std::string LastRequest(const std::string& log)
{
    std::ifstream in(log);
    std::string line, last;
    while (std::getline(in, line))
        last = line;
    std::istringstream words(last);
    std::string time, number, kind;
    words >> time >> number >> kind;
    return kind;
}

class CliFault : public ::testing::TestWithParam<FaultCase> {};

} // namespace

TEST_P(CliFault, ExitStatusResetAndFilesTellTheTruth)
{
    const FaultCase& c = GetParam();
    TempFolder folder;
    ::mkdir(folder.Path("config").c_str(), 0755);
    // Settings a fresh board does not hold (clock shift on), so a lost write shows.
    const std::string settings = folder.Path("settings.vgd");
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    WriteBytes(settings, bytes);
    for (int op = 0; op < OP_COUNT; ++op) {
        const char expected = c.expected[op];
        if (expected == '-')
            continue;
        // A radio of its own for each command: targets such as board#2 count from its start.
        const std::string log = folder.Path(std::string("frames-") + OP_NAMES[op]);
        std::vector<std::string> simArgs = { "--fault", c.fault, "--log", log };
        if (op == FLEET)
            simArgs.insert(simArgs.end(), { "--fleet", "1" });
        BackgroundProgram sim(VIGILON_RADIO_SIM, simArgs);
        const std::string target = folder.Path(std::string("out-") + OP_NAMES[op]);
        std::vector<std::string> args = { "--device", sim.firstLine, "--yes", "--lab" };
        switch (op) {
        case READ: args.insert(args.end(), { "read", target }); break;
        case WRITE: args.insert(args.end(), { "write", "--verify", settings }); break;
        case INFO: args.insert(args.end(), { "info" }); break;
        case CALIBRATE: args.insert(args.end(), { "calibrate" }); break;
        case READOUT: args.insert(args.end(), { "read-cal", target }); break;
        case FLEET: args.insert(args.end(), { "fleet", "--verify", "--count", "1", settings }); break;
        }
        const ProgramResult result = RunProgram(
            VIGILON_OSS_CLI, args, "", { { "XDG_CONFIG_HOME", folder.Path("config") }, { "XDG_DATA_HOME", folder.Path("data") } });
        const std::string what = std::string(c.fault) + " / " + OP_NAMES[op] + "\n" + result.out + result.err;
        EXPECT_EQ(result.status, expected == '1' ? 0 : 1) << what;
        EXPECT_EQ(LastRequest(log), "reset:") << what;
        if (op == READ || op == READOUT) {
            EXPECT_EQ(std::ifstream(target).good(), expected == '1') << what;
        }
        if (result.status == 0 && result.err.find("Error: ") != std::string::npos) {
            EXPECT_NE(result.err.find("The errors above did not stop the command"), std::string::npos) << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, CliFault, ::testing::ValuesIn(CASES),
                         [](const ::testing::TestParamInfo<FaultCase>& info) {
                             std::string name;
                             for (const char* p = info.param.fault; *p && *p != '@'; ++p)
                                 name += std::isalnum(static_cast<unsigned char>(*p)) ? *p : '_';
                             return name;
                         });
