// Where a front end's operations add their service history entries.
#pragma once

#include <functional>
#include <string>

class HistoryQueue;

// Where a front end's operations add their entries. Nowhere when recording is
// off (--no-history, for throw-away work). Else into the service history: through
// `queue` when there is one (the GUI's, which adds them on its own thread and says
// what went wrong when the wait is over), or before RecordOperation returns (the
// command line, which has nothing to paint meanwhile).
//
// `radioId` is the radio the front end's operation talks to as the technician
// named it (serial number or asset tag), empty when none was given: the command
// line's --radio-id, the GUI's answer before the operation.
struct HistoryKeeping {
    bool recording = true;
    HistoryQueue* queue = nullptr;
    std::string radioId;
    // Called after entries were added to the file (from the thread that added
    // them), when the front end sends them on to a depot's record from there.
    std::function<void()> added;
};
