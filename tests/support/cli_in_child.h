// vigilon-oss-cli run in a child of the test process instead of from its file:
// the child is the program as far as anyone can see (its own standard input and
// outputs, exit status, environment and signals), but its clock skips the link's
// pauses, which make up most of a command's time against the simulator.
#pragma once

#include "cli/command_line.h"
#include "tests/support/pause_skipping_clock.h"
#include "tests/support/programs.h"

#include <cstdio>
#include <string>
#include <unistd.h>
#include <vector>

// In a child process: runs the command line and exits with its status. On the
// system clock when `realTime`.
[[noreturn]] inline void BecomeCli(std::vector<std::string> args, bool realTime)
{
    args.insert(args.begin(), VIGILON_OSS_CLI);
    std::vector<char*> argv = ArgumentVector(args);
    // Streams as fresh as a new program's: this process's have been used, and a
    // stream's buffering is set before its first use (the GNU C library lets the
    // standard streams be replaced).
    stdin = ::fdopen(STDIN_FILENO, "r");
    stdout = ::fdopen(STDOUT_FILENO, "w");
    stderr = ::fdopen(STDERR_FILENO, "w");
    std::setvbuf(stderr, nullptr, _IONBF, 0);
    PauseSkippingClock clock;
    const int status = CliMain(static_cast<int>(argv.size()) - 1, argv.data(), realTime ? nullptr : &clock);
    std::fflush(nullptr);
    ::_exit(status);
}

inline ProgramResult RunCli(std::vector<std::string> args, const std::string& input = std::string(),
                            const std::map<std::string, std::string>& environment = {},
                            const std::function<bool()>& interruptWhen = nullptr, bool realTime = false)
{
    return RunChild([&] { BecomeCli(args, realTime); }, input, environment, interruptWhen);
}
