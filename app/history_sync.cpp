#include "app/history_sync.h"

#include "app/depot_store.h"
#include "app/history_chain.h"
#include "app/history_store.h"

#include <vector>

namespace {

// Entries per transaction on the server: large enough to go fast, small enough
// that a server that goes away loses little work.
constexpr int BLOCK = 500;

} // namespace

HistorySyncOutcome SyncHistory(HistoryStore& local, DepotStore& depot, const std::atomic<bool>* stop)
{
    HistorySyncOutcome outcome;
    bool runsSent = false;
    bool renamed = false;
    while (!stop || !*stop) {
        HistoryJournal journal;
        std::vector<HistoryEntry> entries;
        if (!local.Waiting(BLOCK, journal, entries)) {
            outcome.error = local.Error();
            break;
        }
        // Runs go once per sync, with the first block: a run's end may come
        // with no entry waiting at all.
        std::vector<HistoryRun> runs;
        if (!runsSent)
            runs = local.RunsToSend();
        if (entries.empty() && runs.empty())
            break;
        std::vector<DepotUpload> uploads;
        std::vector<HistorySent> sent;
        std::string previous = journal.lastHash;
        for (HistoryEntry& entry : entries) {
            DepotUpload upload;
            upload.previousHash = previous;
            upload.hash = HistoryChainHash(previous, journal.id, entry.id, entry);
            previous = upload.hash;
            sent.push_back(HistorySent{ entry.id, entry.uuid, upload.hash, journal.id });
            upload.entry = std::move(entry);
            uploads.push_back(std::move(upload));
        }
        const int added = depot.Upload(journal.id, uploads, runs);
        if (added < 0 && depot.JournalTaken() && !renamed) {
            // Another computer's copy of this file sent entries under the same
            // journal: this file goes on as a journal of its own, from its
            // first waiting entry, once.
            renamed = true;
            if (!local.NewJournal()) {
                outcome.error = local.Error();
                break;
            }
            continue;
        }
        if (added < 0) {
            outcome.error = depot.Error();
            break;
        }
        runsSent = true;
        if (!local.MarkSent(journal.id, sent) || !local.MarkRunsSent(runs)) {
            outcome.error = local.Error();
            break;
        }
        outcome.uploaded += added;
        if (static_cast<int>(entries.size()) < BLOCK)
            break;
    }
    outcome.waiting = local.WaitingCount();
    return outcome;
}
