// The vigilon-radio-sim program as a user starts it: device path on standard
// output, the --link symlink, the frame log and the board state kept across runs.
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "tests/support/recording_presenter.h"

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

class SimProgram {
public:
    explicit SimProgram(std::vector<std::string> args)
    {
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            std::vector<char*> argv;
            static std::string program = VIGILON_RADIO_SIM;
            argv.push_back(&program[0]);
            for (std::string& arg : args)
                argv.push_back(&arg[0]);
            argv.push_back(nullptr);
            ::execv(program.c_str(), argv.data());
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = ::fdopen(out[0], "r");
        char line[4096] = {};
        if (std::fgets(line, sizeof(line), m_out))
            device = std::string(line, std::strcspn(line, "\n"));
    }

    // Stops the program as Ctrl+C would; its exit status.
    int Stop()
    {
        if (m_pid <= 0)
            return -1;
        ::kill(m_pid, SIGINT);
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        std::fclose(m_out);
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

    ~SimProgram() { Stop(); }

    std::string device;

private:
    pid_t m_pid = -1;
    std::FILE* m_out = nullptr;
};

int RunToExit(const std::vector<std::string>& args, std::string& errors)
{
    std::string command = std::string(VIGILON_RADIO_SIM);
    for (const std::string& arg : args)
        command += " '" + arg + "'";
    command += " 2>&1";
    std::FILE* pipe = ::popen(command.c_str(), "r");
    char chunk[512];
    size_t n;
    while ((n = std::fread(chunk, 1, sizeof(chunk), pipe)) > 0)
        errors.append(chunk, n);
    const int status = ::pclose(pipe);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

bool Exists(const std::string& path)
{
    struct stat info;
    return ::lstat(path.c_str(), &info) == 0;
}

struct TempDir {
    TempDir()
    {
        char pattern[] = "/tmp/vigilon-e2e-XXXXXX";
        path = ::mkdtemp(pattern);
    }
    ~TempDir() { std::system(("rm -rf '" + path + "'").c_str()); }
    std::string path;
};

} // namespace

TEST(SimProgram, ServesTheDeviceItPrintsThroughItsLinkAndKeepsTheBoardAcrossRuns)
{
    TempDir dir;
    const std::string link = dir.path + "/radio";
    const std::string state = dir.path + "/board.bin";
    const std::string log = dir.path + "/frames.log";
    RecordingPresenter messages;
    const uint8_t image[3] = { 0x00, 0x01, 0x01 };
    {
        SimProgram program({ "--link", link, "--state", state, "--log", log });
        ASSERT_EQ(program.device.compare(0, 5, "/dev/"), 0) << program.device;
        CSerialPort port;
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
    EXPECT_NE(second.find("write 0x1000: FF 2F"), std::string::npos) << second;
    EXPECT_FALSE(std::getline(frames, third));

    SimProgram again({ "--state", state });
    CSerialPort port;
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
    TempDir dir;
    std::string output;
    EXPECT_EQ(RunToExit({ "--fault", "gremlins" }, output), 2);
    EXPECT_NE(output.find("unknown fault 'gremlins'"), std::string::npos) << output;

    const std::string state = dir.path + "/short.bin";
    std::ofstream(state) << "too short";
    output.clear();
    EXPECT_EQ(RunToExit({ "--state", state }, output), 1);
    EXPECT_NE(output.find("65536"), std::string::npos) << output;
}
