// The vigilon-radio-sim program as a user starts it: device path on standard
// output, the --link symlink, the frame log and the board state kept across runs.
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "tests/support/bench_objects.h"
#include "tests/support/programs.h"
#include "tests/support/recording_presenter.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

// The simulator program, its device path read from its first line of output.
class SimProgram : public BackgroundProgram {
public:
    explicit SimProgram(std::vector<std::string> args)
        : BackgroundProgram(VIGILON_RADIO_SIM, std::move(args)), device(firstLine)
    {
    }
    std::string device;
};

int RunToExit(const std::vector<std::string>& args, std::string& errors)
{
    const ProgramResult result = RunProgram(VIGILON_RADIO_SIM, args);
    errors = result.out + result.err;
    return result.status;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

} // namespace

TEST(SimProgram, ServesTheDeviceItPrintsThroughItsLinkAndKeepsTheBoardAcrossRuns)
{
    TempFolder dir;
    const std::string link = dir.Path("radio");
    const std::string state = dir.Path("board.bin");
    const std::string log = dir.Path("frames.log");
    RecordingPresenter messages;
    const uint8_t image[3] = { 0x00, 0x01, 0x01 };
    {
        SimProgram program({ "--link", link, "--state", state, "--log", log });
        ASSERT_EQ(program.device.compare(0, 5, "/dev/"), 0) << program.device;
        CSerialPort port{ theRadioLink.Context() };
        ASSERT_TRUE(port.Open(link.c_str()));
        theRadioLink.m_pPort = &port;
        char text[RADIO_INFO_TEXT_SIZE];
        int length = 0;
        EXPECT_TRUE(theRadioLink.ReadRadioInfo(text, 0, length, false));
        EXPECT_TRUE(theRadioLink.WriteBoard(0x1000, 3, image));
        theRadioLink.m_pPort = nullptr;
        port.Close();
        EXPECT_EQ(program.Stop(), 0);
    }
    EXPECT_FALSE(Exists(link)) << "the link goes away with the program";
    std::ifstream frames(log);
    std::string first, second, third;
    std::getline(frames, first);
    std::getline(frames, second);
    EXPECT_NE(first.find("info: F2 23 00 EA"), std::string::npos) << first;
    EXPECT_NE(second.find("write 0x1000/3: FF 2F"), std::string::npos) << second;
    EXPECT_FALSE(std::getline(frames, third));

    SimProgram again({ "--state", state });
    CSerialPort port{ theRadioLink.Context() };
    ASSERT_TRUE(port.Open(again.device.c_str()));
    theRadioLink.m_pPort = &port;
    uint8_t back[4] = {};
    int length = 0;
    EXPECT_TRUE(theRadioLink.ReadBoard(0x1000, 3, back, sizeof(back), &length));
    theRadioLink.m_pPort = nullptr;
    EXPECT_EQ(std::vector<uint8_t>(back, back + 3), std::vector<uint8_t>(image, image + 3));
    EXPECT_TRUE(messages.shown.empty());
}

TEST(SimProgram, RefusesUnknownFaultsAndBadStateFiles)
{
    TempFolder dir;
    std::string output;
    EXPECT_EQ(RunToExit({ "--fault", "gremlins" }, output), 2);
    EXPECT_NE(output.find("unknown fault 'gremlins'"), std::string::npos) << output;

    const std::string state = dir.Path("short.bin");
    std::ofstream(state) << "too short";
    output.clear();
    EXPECT_EQ(RunToExit({ "--state", state }, output), 1);
    EXPECT_NE(output.find("65536"), std::string::npos) << output;
}
