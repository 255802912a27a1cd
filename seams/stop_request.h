// A request to stop the running board operation, from the GUI's Stop button or a
// terminal's interrupt. Operations look at it between requests only, so the
// request in flight always completes or fails as it would have; a stopped
// operation then ends as a failed one does: radio reset, port released, no file.
#pragma once

#include <atomic>

class StopRequest {
public:
    // Safe to call from a signal handler.
    void Request() noexcept { m_requested.store(true); }
    bool Requested() const noexcept { return m_requested.load(); }
    void Clear() noexcept { m_requested.store(false); }

private:
    // Lock-free, so a signal handler may set it.
    std::atomic<bool> m_requested{ false };
    static_assert(std::atomic<bool>::is_always_lock_free, "the stop flag must be usable from a signal handler");
};
