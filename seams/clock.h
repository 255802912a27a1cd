// The clock seam: milliseconds on a monotonic clock, and waiting until a moment.
#pragma once

#include <chrono>
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

// Who gets the idle calls while a wait sleeps (an operation's context, which
// passes them to its host).
class IIdleCalls {
public:
    virtual ~IIdleCalls() = default;
    // How long a wait may sleep before the next idle call is due.
    virtual int64_t SleepBeforeIdleMs(int64_t leftMs) const = 0;
    // Makes the idle call when it is due.
    virtual void IdleWhenDue() = 0;
};

// The monotonic system clock, counting from when it was made. Its waits sleep
// in short slices and make the idle calls between them, so a pause keeps its
// length but costs almost no processor time.
class SystemClock : public IClock {
public:
    explicit SystemClock(IIdleCalls* idle = nullptr) : m_idle(idle) {}
    int64_t NowMs() override;
    void WaitUntil(int64_t deadlineMs) override;

private:
    IIdleCalls* m_idle;
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};
