// The clock seam: milliseconds since program start, and waiting until a moment.
// Waits sleep in short slices and make the operation host's idle call between them,
// so a pause keeps its length but costs almost no processor time.
#pragma once

#include <cstdint>

class IClock {
public:
    virtual ~IClock() = default;
    virtual int64_t NowMs() = 0;
    // Returns once NowMs() >= deadlineMs.
    virtual void WaitUntil(int64_t deadlineMs) = 0;
};

// Longest time between two idle calls while waiting.
constexpr int IDLE_SLICE_MS = 10;

// Makes the operation host's idle call when the last one is an idle slice ago.
// Every wait of the link calls it, so the slice holds across waits of all kinds.
void IdleWhenDue();
// How long a wait may sleep before the next idle call is due: 0..IDLE_SLICE_MS,
// or `leftMs` when the host wants no idle calls.
int64_t SleepBeforeIdleMs(int64_t leftMs);

// Installs the clock used from now on; nullptr restores the monotonic system clock.
void SetClock(IClock* clock);

int64_t ClockNowMs();
void ClockWaitUntil(int64_t deadlineMs);

// Waits until more than `ms` milliseconds have passed from now on the clock.
void PauseMoreThan(int ms);
