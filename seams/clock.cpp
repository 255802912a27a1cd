#include "seams/clock.h"

#include "seams/operation_host.h"
#include "seams/trace.h"

#include <algorithm>
#include <chrono>
#include <limits>
#include <thread>

namespace {

using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point g_programStart = SteadyClock::now();

// Each thread keeps its own idle slices: only the GUI thread's host paints.
thread_local int64_t t_lastIdleMs = std::numeric_limits<int64_t>::min() / 2;

class SystemClock : public IClock {
public:
    int64_t NowMs() override
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(SteadyClock::now() - g_programStart)
            .count();
    }

    void WaitUntil(int64_t deadlineMs) override
    {
        const SteadyClock::time_point deadline = g_programStart + std::chrono::milliseconds(deadlineMs);
        for (;;) {
            const SteadyClock::time_point now = SteadyClock::now();
            if (now >= deadline)
                return;
            const std::chrono::milliseconds sleep(SleepBeforeIdleMs(deadlineMs - NowMs()));
            std::this_thread::sleep_until(std::min(deadline, now + sleep));
            IdleWhenDue();
        }
    }
};

SystemClock g_systemClock;
IClock* g_clock = &g_systemClock;

} // namespace

void SetClock(IClock* clock)
{
    g_clock = clock ? clock : &g_systemClock;
}

int64_t ClockNowMs()
{
    return g_clock->NowMs();
}

void ClockWaitUntil(int64_t deadlineMs)
{
    g_clock->WaitUntil(deadlineMs);
}

void PauseMoreThan(int ms)
{
    if (ITrace* trace = ActiveTrace())
        trace->Pause(ClockNowMs(), ms);
    ClockWaitUntil(ClockNowMs() + ms + 1);
}

void IdleWhenDue()
{
    const int64_t now = ClockNowMs();
    // A clock installed since the last idle call may stand behind it: due then too.
    if (now - t_lastIdleMs >= IDLE_SLICE_MS || now < t_lastIdleMs) {
        t_lastIdleMs = now;
        OperationHost().Idle();
    }
}

int64_t SleepBeforeIdleMs(int64_t leftMs)
{
    if (!OperationHost().WantsIdle())
        return leftMs;
    const int64_t now = ClockNowMs();
    if (now < t_lastIdleMs)
        return 0;
    return std::max<int64_t>(0, std::min(leftMs, t_lastIdleMs + IDLE_SLICE_MS - now));
}
