// Running the project's programs from tests: the simulator in the background
// (its device path read from its first line of output), and a command to its end
// with its output and exit status.
#pragma once

#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <functional>
#include <map>
#include <poll.h>
#include <stdexcept>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

// A program's name and arguments as main() takes them, ended by a null; the
// strings stay in `words`.
inline std::vector<char*> ArgumentVector(std::vector<std::string>& words)
{
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(&word[0]);
    argv.push_back(nullptr);
    return argv;
}

// In a child process: becomes the program; never returns.
[[noreturn]] inline void ExecProgram(const std::string& program, std::vector<std::string> args)
{
    args.insert(args.begin(), program);
    std::vector<char*> argv = ArgumentVector(args);
    ::execv(program.c_str(), argv.data());
    ::_exit(127);
}

class BackgroundProgram {
public:
    BackgroundProgram(const std::string& program, std::vector<std::string> args)
    {
        int out[2];
        if (::pipe(out) != 0)
            throw std::runtime_error("pipe");
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            ExecProgram(program, args);
        }
        ::close(out[1]);
        m_out = ::fdopen(out[0], "r");
        char line[4096] = {};
        if (std::fgets(line, sizeof(line), m_out))
            firstLine = std::string(line, std::strcspn(line, "\n"));
    }
    ~BackgroundProgram() { Stop(); }
    BackgroundProgram(const BackgroundProgram&) = delete;
    BackgroundProgram& operator=(const BackgroundProgram&) = delete;

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

    std::string firstLine;

private:
    pid_t m_pid = -1;
    std::FILE* m_out = nullptr;
};

// A program's output cut into its lines (without their ends).
inline std::vector<std::string> Lines(const std::string& text, const std::string& end = "\n")
{
    std::vector<std::string> lines;
    for (size_t at = 0; at < text.size();) {
        const size_t next = text.find(end, at);
        lines.push_back(text.substr(at, next - at));
        at = next == std::string::npos ? text.size() : next + end.size();
    }
    return lines;
}

struct ProgramResult {
    int status = -1;
    std::string out;
    std::string err;
};

// Runs a child to its end with the given standard input (not a terminal) and
// extra environment; collects both outputs. The child becomes what `become`
// makes it (a program, or a function that exits with its status). When
// `interruptWhen` is given it is asked every few milliseconds, and the child
// gets SIGINT once it says yes.
inline ProgramResult RunChild(const std::function<void()>& become, const std::string& input = std::string(),
                              const std::map<std::string, std::string>& environment = {},
                              const std::function<bool()>& interruptWhen = nullptr)
{
    int in[2], out[2], err[2];
    if (::pipe(in) != 0 || ::pipe(out) != 0 || ::pipe(err) != 0)
        throw std::runtime_error("pipe");
    // A child that is no program of its own starts with copies of this process's
    // stdio buffers: they go out empty.
    std::fflush(nullptr);
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::dup2(in[0], STDIN_FILENO);
        ::dup2(out[1], STDOUT_FILENO);
        ::dup2(err[1], STDERR_FILENO);
        for (int fd : { in[0], in[1], out[0], out[1], err[0], err[1] })
            ::close(fd);
        for (const auto& entry : environment)
            ::setenv(entry.first.c_str(), entry.second.c_str(), 1);
        become();
        ::_exit(127);
    }
    ::close(in[0]);
    ::close(out[1]);
    ::close(err[1]);
    if (!input.empty()) {
        [[maybe_unused]] const ssize_t ignored = ::write(in[1], input.data(), input.size());
    }
    ::close(in[1]);
    ProgramResult result;
    struct pollfd fds[2] = { { out[0], POLLIN, 0 }, { err[0], POLLIN, 0 } };
    int open = 2;
    bool interrupted = false;
    while (open > 0) {
        if (interruptWhen && !interrupted && interruptWhen()) {
            ::kill(pid, SIGINT);
            interrupted = true;
        }
        if (::poll(fds, 2, interruptWhen && !interrupted ? 20 : -1) < 0)
            break;
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd >= 0 && (fds[i].revents & (POLLIN | POLLHUP))) {
                char chunk[4096];
                const ssize_t n = ::read(fds[i].fd, chunk, sizeof(chunk));
                if (n <= 0) {
                    ::close(fds[i].fd);
                    fds[i].fd = -1;
                    --open;
                } else {
                    (i == 0 ? result.out : result.err).append(chunk, static_cast<size_t>(n));
                }
            }
        }
    }
    int status = 0;
    ::waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return result;
}

// Runs a program to its end; see RunChild.
inline ProgramResult RunProgram(const std::string& program, std::vector<std::string> args,
                                const std::string& input = std::string(),
                                const std::map<std::string, std::string>& environment = {},
                                const std::function<bool()>& interruptWhen = nullptr)
{
    return RunChild([&] { ExecProgram(program, args); }, input, environment, interruptWhen);
}
