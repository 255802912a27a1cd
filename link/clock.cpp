#include "link/clock.h"

#include "link/operation_host.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

using SteadyClock = std::chrono::steady_clock;

const SteadyClock::time_point g_programStart = SteadyClock::now();

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
            const SteadyClock::time_point sliceEnd =
                std::min(deadline, now + std::chrono::milliseconds(IDLE_SLICE_MS));
            std::this_thread::sleep_until(sliceEnd);
            OperationHost().Idle();
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
    ClockWaitUntil(ClockNowMs() + ms + 1);
}
