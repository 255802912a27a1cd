#include "seams/clock.h"

#include <algorithm>
#include <thread>

int64_t SystemClock::NowMs()
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - m_start).count();
}

void SystemClock::WaitUntil(int64_t deadlineMs)
{
    const std::chrono::steady_clock::time_point deadline = m_start + std::chrono::milliseconds(deadlineMs);
    for (;;) {
        const std::chrono::steady_clock::time_point now = std::chrono::steady_clock::now();
        if (now >= deadline)
            return;
        if (!m_idle) {
            std::this_thread::sleep_until(deadline);
            return;
        }
        const std::chrono::milliseconds sleep(m_idle->SleepBeforeIdleMs(deadlineMs - NowMs()));
        std::this_thread::sleep_until(std::min(deadline, now + sleep));
        m_idle->IdleWhenDue();
    }
}
