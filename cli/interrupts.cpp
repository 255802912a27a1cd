#include "cli/interrupts.h"

#include <csignal>

StopRequest& InterruptStopRequest()
{
    // A signal handler can reach nothing but a program-wide object.
    static StopRequest stop;
    return stop;
}

#ifdef _WIN32

namespace {

extern "C" void OnInterrupt(int signal)
{
    std::signal(signal, SIG_DFL); // the second interrupt ends the program
    InterruptStopRequest().Request();
}

} // namespace

void InstallStopOnInterrupt()
{
    std::signal(SIGINT, &OnInterrupt);
    std::signal(SIGTERM, &OnInterrupt);
}

#else

namespace {

extern "C" void OnInterrupt(int)
{
    InterruptStopRequest().Request();
}

} // namespace

void InstallStopOnInterrupt()
{
    struct sigaction action = {};
    action.sa_handler = &OnInterrupt;
    sigemptyset(&action.sa_mask);
    // No SA_RESTART: a prompt waiting at the terminal returns, so the stop is
    // seen at once. SA_RESETHAND: the second interrupt ends the program.
    action.sa_flags = SA_RESETHAND;
    sigaction(SIGINT, &action, nullptr);
    sigaction(SIGTERM, &action, nullptr);
}

#endif
