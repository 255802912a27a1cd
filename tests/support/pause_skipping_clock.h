// A clock on which pauses take no time: a wait until a moment moves the clock
// there at once. Everything measured against it in real time (the link's
// time-outs included) still runs in real time.
#pragma once

#include "seams/clock.h"

#include <chrono>
#include <cstdint>

class PauseSkippingClock : public IClock {
public:
    int64_t NowMs() override { return RealMs() + m_skipped; }
    void WaitUntil(int64_t deadlineMs) override
    {
        const int64_t now = NowMs();
        if (deadlineMs > now)
            m_skipped += deadlineMs - now;
    }

private:
    static int64_t RealMs()
    {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::steady_clock::now().time_since_epoch())
            .count();
    }
    int64_t m_skipped = 0;
};
