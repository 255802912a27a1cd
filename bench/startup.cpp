#include "bench/startup.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <poll.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>
#include <vector>

extern char** environ;

namespace {

using Clock = std::chrono::steady_clock;
using Environment = std::vector<std::pair<std::string, std::string>>;

constexpr int FIRST_PAINT_WAIT_MS = 10000;

// A data file of factory settings, codeplug version 1.0.
const unsigned char FACTORY_DATA_FILE[] = { 0x01, 0x00, 0x00, 0xFE, 0x01, 0x00, 0x64, 0x00, 0x0A,
                                            0x01, 0x01, 0x00, 0x64, 0x00, 0x0A, 0x00, 0x00, 0x0A,
                                            0x00, 0x0A, 0x00, 0x00, 0x00, 0x0A, 0x01, 0x00 };

double MsSince(Clock::time_point start)
{
    return std::chrono::duration<double, std::milli>(Clock::now() - start).count();
}

double Median(std::vector<double> values)
{
    if (std::any_of(values.begin(), values.end(), [](double value) { return value < 0; }))
        return -1;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// A settings folder of the bench's own: the programs neither read nor change the user's.
class ScratchFolder {
public:
    ScratchFolder()
    {
        char name[] = "/tmp/vigilon-bench-XXXXXX";
        if (::mkdtemp(name) == nullptr)
            throw std::runtime_error("cannot make a scratch folder");
        m_path = name;
    }
    ~ScratchFolder()
    {
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    const std::string& Path() const { return m_path; }

private:
    std::string m_path;
};

// Starts a program with these environment variables added. Its standard error
// goes to `errorFd` when given; everything else goes nowhere. Spawned rather than
// forked, so the bench's own size does not count against the program's start.
pid_t Start(const std::vector<std::string>& command, const Environment& added, int errorFd)
{
    std::vector<std::string> entries;
    for (char** entry = environ; *entry != nullptr; ++entry)
        entries.emplace_back(*entry);
    for (const auto& variable : added) {
        const std::string prefix = variable.first + "=";
        entries.erase(std::remove_if(entries.begin(), entries.end(),
                                     [&](const std::string& entry) { return entry.rfind(prefix, 0) == 0; }),
                      entries.end());
        entries.push_back(prefix + variable.second);
    }
    std::vector<char*> argv;
    for (const std::string& argument : command)
        argv.push_back(const_cast<char*>(argument.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& entry : entries)
        envp.push_back(&entry[0]);
    envp.push_back(nullptr);

    posix_spawn_file_actions_t actions;
    ::posix_spawn_file_actions_init(&actions);
    ::posix_spawn_file_actions_addopen(&actions, STDIN_FILENO, "/dev/null", O_RDONLY, 0);
    ::posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    if (errorFd >= 0)
        ::posix_spawn_file_actions_adddup2(&actions, errorFd, STDERR_FILENO);
    else
        ::posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = -1;
    const int error = ::posix_spawn(&pid, argv[0], &actions, nullptr, argv.data(), envp.data());
    ::posix_spawn_file_actions_destroy(&actions);
    if (error != 0)
        throw std::runtime_error("cannot start " + command[0]);
    return pid;
}

// One start of the GUI until Qt's painting log says the main window's painted
// contents were flushed to the screen; the program is then stopped.
double GuiStartupOnce(const std::string& program, const std::string& config)
{
    int log[2];
    if (::pipe2(log, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe");
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start({ program },
                            { { "QT_QPA_PLATFORM", "offscreen" },
                              { "QT_LOGGING_RULES", "qt.widgets.painting=true" },
                              { "XDG_CONFIG_HOME", config } },
                            log[1]);
    ::close(log[1]);
    std::string seen;
    double ms = -1;
    while (ms < 0) {
        struct pollfd ready = { log[0], POLLIN, 0 };
        const int left = FIRST_PAINT_WAIT_MS - static_cast<int>(MsSince(start));
        if (left <= 0 || ::poll(&ready, 1, left) <= 0)
            break;
        char chunk[4096];
        const ssize_t n = ::read(log[0], chunk, sizeof(chunk));
        if (n <= 0)
            break;
        seen.append(chunk, static_cast<size_t>(n));
        if (seen.find("Flushing") != std::string::npos)
            ms = MsSince(start);
    }
    ::kill(pid, SIGKILL);
    ::waitpid(pid, nullptr, 0);
    ::close(log[0]);
    return ms;
}

double CliShowOnce(const std::string& program, const std::string& file, const std::string& config)
{
    const Clock::time_point start = Clock::now();
    const pid_t pid = Start({ program, "show", file }, { { "XDG_CONFIG_HOME", config } }, -1);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const double ms = MsSince(start);
    return WIFEXITED(status) && WEXITSTATUS(status) == 0 ? ms : -1;
}

} // namespace

double GuiStartupMs(const std::string& program, int runs)
{
    ScratchFolder config;
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(GuiStartupOnce(program, config.Path()));
    return Median(times);
}

double CliShowMs(const std::string& program, int runs)
{
    ScratchFolder folder;
    const std::string file = folder.Path() + "/board.vgd";
    std::ofstream(file, std::ios::binary)
        .write(reinterpret_cast<const char*>(FACTORY_DATA_FILE), sizeof(FACTORY_DATA_FILE));
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(CliShowOnce(program, file, folder.Path()));
    return Median(times);
}
