// Where a front end's operations add their service history entries.
#pragma once

class HistoryQueue;

// Where a front end's operations add their entries. Nowhere when recording is
// off (--no-history, for throw-away work). Else into the service history: through
// `queue` when there is one (the GUI's, which adds them on its own thread and says
// what went wrong when the wait is over), or before RecordOperation returns (the
// command line, which has nothing to paint meanwhile).
struct HistoryKeeping {
    bool recording = true;
    HistoryQueue* queue = nullptr;
};
