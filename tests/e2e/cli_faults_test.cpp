// Every fault the simulated radio can show, against every command that talks to
// it: the exit status tells the truth, the radio is reset last, and no file is
// left under the target name unless the command succeeded.
//
// A command meets all its faults side by side, each on a radio of its own: a run
// spends its time waiting out the link's time-outs and the reset's pause, not
// working, so together they take about as long as the slowest of them.
#include "tests/support/board_fixture.h"
#include "tests/support/cli_in_child.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fcntl.h>
#include <fstream>
#include <memory>
#include <poll.h>
#include <sstream>
#include <sys/stat.h>
#include <sys/wait.h>

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

// One command against one faulty radio.
struct FaultRun {
    const FaultCase* fault;
    std::string log;
    std::string target;
    std::unique_ptr<BackgroundProgram> sim;
    pid_t pid = -1;
    int fds[2] = { -1, -1 }; // its standard output and error
    ProgramResult result;
};

// Starts the command with nothing on its standard input. Its outputs go to pipes
// no other program inherits, so each ends when its own command does.
void Start(FaultRun& run, const std::vector<std::string>& args, const std::map<std::string, std::string>& environment)
{
    int out[2], err[2];
    if (::pipe2(out, O_CLOEXEC) != 0 || ::pipe2(err, O_CLOEXEC) != 0)
        throw std::runtime_error("pipe");
    std::fflush(nullptr); // the child starts with copies of the stdio buffers
    run.pid = ::fork();
    if (run.pid == 0) {
        const int nothing = ::open("/dev/null", O_RDONLY | O_CLOEXEC);
        ::dup2(nothing, STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (const auto& entry : environment)
            ::setenv(entry.first.c_str(), entry.second.c_str(), 1);
        BecomeCli(args, false);
    }
    ::close(out[1]);
    ::close(err[1]);
    run.fds[0] = out[0];
    run.fds[1] = err[0];
}

// Collects every run's outputs until its command has ended, then its status.
void Finish(std::vector<FaultRun>& runs)
{
    std::vector<pollfd> open;
    std::vector<std::string*> texts;
    for (FaultRun& run : runs) {
        for (int i = 0; i < 2; ++i) {
            open.push_back({ run.fds[i], POLLIN, 0 });
            texts.push_back(i == 0 ? &run.result.out : &run.result.err);
        }
    }
    for (size_t left = open.size(); left > 0;) {
        if (::poll(open.data(), open.size(), -1) < 0)
            break;
        for (size_t i = 0; i < open.size(); ++i) {
            if (open[i].fd < 0 || !(open[i].revents & (POLLIN | POLLHUP)))
                continue;
            char chunk[4096];
            const ssize_t n = ::read(open[i].fd, chunk, sizeof(chunk));
            if (n > 0) {
                texts[i]->append(chunk, static_cast<size_t>(n));
            } else {
                ::close(open[i].fd);
                open[i].fd = -1;
                --left;
            }
        }
    }
    for (FaultRun& run : runs) {
        int status = 0;
        ::waitpid(run.pid, &status, 0);
        run.result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
}

class CliFault : public ::testing::TestWithParam<int> {};

} // namespace

TEST_P(CliFault, ExitStatusResetAndFilesTellTheTruth)
{
    const Op op = static_cast<Op>(GetParam());
    TempFolder folder;
    // Settings a fresh board does not hold (clock shift on), so a lost write shows.
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);

    std::vector<FaultRun> runs;
    for (const FaultCase& c : CASES) {
        if (c.expected[op] == '-')
            continue;
        FaultRun run;
        run.fault = &c;
        const std::string name = std::to_string(runs.size());
        run.log = folder.Path("frames-" + name);
        run.target = folder.Path("out-" + name);
        // Targets such as board#2 count from the radio's start.
        std::vector<std::string> simArgs = { "--fault", c.fault, "--log", run.log };
        if (op == FLEET)
            simArgs.insert(simArgs.end(), { "--fleet", "1" });
        run.sim = std::make_unique<BackgroundProgram>(VIGILON_RADIO_SIM, simArgs);
        runs.push_back(std::move(run));
    }
    for (size_t i = 0; i < runs.size(); ++i) {
        FaultRun& run = runs[i];
        const std::string config = folder.Path("config-" + std::to_string(i));
        ::mkdir(config.c_str(), 0755);
        // A file of its own: a command holds the file it reads, so a second one is refused.
        const std::string settings = folder.Path("settings-" + std::to_string(i) + ".vgd");
        WriteBytes(settings, bytes);
        std::vector<std::string> args = { "--device", run.sim->firstLine, "--yes", "--lab" };
        switch (op) {
        case READ: args.insert(args.end(), { "read", run.target }); break;
        case WRITE: args.insert(args.end(), { "write", "--verify", settings }); break;
        case INFO: args.insert(args.end(), { "info" }); break;
        case CALIBRATE: args.insert(args.end(), { "calibrate" }); break;
        case READOUT: args.insert(args.end(), { "read-cal", run.target }); break;
        case FLEET: args.insert(args.end(), { "fleet", "--verify", "--count", "1", settings }); break;
        default: break;
        }
        Start(run, args, { { "XDG_CONFIG_HOME", config }, { "XDG_DATA_HOME", folder.Path("data-" + std::to_string(i)) } });
    }
    Finish(runs);

    for (const FaultRun& run : runs) {
        const char expected = run.fault->expected[op];
        const ProgramResult& result = run.result;
        const std::string what = std::string(run.fault->fault) + " / " + OP_NAMES[op] + "\n" + result.out + result.err;
        EXPECT_EQ(result.status, expected == '1' ? 0 : 1) << what;
        EXPECT_EQ(LastRequest(run.log), "reset:") << what;
        if (op == READ || op == READOUT) {
            EXPECT_EQ(std::ifstream(run.target).good(), expected == '1') << what;
        }
        if (result.status == 0 && result.err.find("Error: ") != std::string::npos) {
            EXPECT_NE(result.err.find("The errors above did not stop the command"), std::string::npos) << what;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(EveryFault, CliFault, ::testing::Range(0, static_cast<int>(OP_COUNT)),
                         [](const ::testing::TestParamInfo<int>& info) {
                             std::string name;
                             for (const char* p = OP_NAMES[info.param]; *p; ++p)
                                 if (std::isalnum(static_cast<unsigned char>(*p)))
                                     name += *p;
                             return name;
                         });
