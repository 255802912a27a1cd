// Sending this bench's waiting entries to the depot's record: oldest first, in
// blocks, each chained to the one before it. The local file is written first and
// stays the bench's own journal; sending never changes what an entry says.
#pragma once

#include <atomic>
#include <string>

class DepotStore;
class HistoryStore;

struct HistorySyncOutcome {
    int uploaded = 0; // new to the record (one it already held is not counted)
    int waiting = 0; // still waiting when it ended; -1 when the local file could not tell
    std::string error; // why it stopped early: the server's words, or the local file's
};

// Sends until nothing waits, the server or the file refuses, or `stop` is set.
HistorySyncOutcome SyncHistory(HistoryStore& local, DepotStore& depot, const std::atomic<bool>* stop = nullptr);
