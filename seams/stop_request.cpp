#include "seams/stop_request.h"

#include <atomic>

namespace {

// Lock-free, so a signal handler may set it.
std::atomic<bool> g_stopRequested{ false };
static_assert(std::atomic<bool>::is_always_lock_free, "the stop flag must be usable from a signal handler");

} // namespace

void RequestStop() noexcept
{
    g_stopRequested.store(true);
}

bool StopRequested() noexcept
{
    return g_stopRequested.load();
}

void ClearStopRequest() noexcept
{
    g_stopRequested.store(false);
}
