// A request to stop the running board operation, from the GUI's Stop button or a
// terminal's interrupt. Operations look at it between requests only, so the
// request in flight always completes or fails as it would have; a stopped
// operation then ends as a failed one does: radio reset, port released, no file.
#pragma once

// Safe to call from a signal handler.
void RequestStop() noexcept;
bool StopRequested() noexcept;
void ClearStopRequest() noexcept;
