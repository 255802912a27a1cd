// Processor time of the calling thread, for tests that check a wait sleeps.
#pragma once

#include <ctime>

inline double ThreadCpuMs()
{
    struct timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) * 1000.0 + static_cast<double>(ts.tv_nsec) / 1e6;
}
