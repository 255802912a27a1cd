// The program's service history: where it lives (beside the backups, shared by
// the GUI and the command-line tool), and the entry each operation adds to it.
// Keeping the history never costs an operation: an entry that cannot be added
// is a warning after the operation's own result, as a failed backup is.
#pragma once

#include "app/history_keeping.h"
#include "app/history_queue.h"
#include "app/history_store.h"
#include "operations/check_operation.h"
#include "operations/fleet_operation.h"
#include "operations/operation_record.h"
#include "seams/operation_context.h"

#include <atomic>
#include <functional>
#include <memory>
#include <string>
#include <vector>

// "<data folder>/history.sqlite"
std::string ServiceHistoryPath();

// Whether a path names the service history's file, one of the files SQLite
// keeps beside it (-wal, -shm, -journal) or a damaged copy moved aside: the
// record of every operation, which nothing the tool saves may replace. Links,
// hard links included, are followed.
bool IsServiceHistoryPath(const std::string& path);

// Warns, once, that `store` found its file damaged and moved it aside, saying where.
void WarnMovedAside(OperationContext& context, HistoryStore& store);


// Keeps the texts of the boxes shown through the context while it lives,
// passing each on to the presenter that was in use: the messages an entry records.
class ShownMessages : public IMessagePresenter {
public:
    explicit ShownMessages(OperationContext& context);
    ShownMessages(const ShownMessages&) = delete;
    ShownMessages& operator=(const ShownMessages&) = delete;
    MsgAnswer Present(const MessageBoxRequest& request) override;
    const std::vector<std::string>& Texts() const { return m_texts; }

private:
    std::vector<std::string> m_texts;
    PresenterStandIn m_standIn;
};

// Keeps the messages an operation shows from its start, then adds its entry:
//     HistoryRecorder recorder(context, keeping);
//     const ReadOutcome outcome = RunReadOperation(link, ...);
//     recorder.Record(outcome.record, KeepBackup(...));
class HistoryRecorder {
public:
    HistoryRecorder(OperationContext& context, const HistoryKeeping& keeping);
    ~HistoryRecorder();
    HistoryRecorder(const HistoryRecorder&) = delete;
    HistoryRecorder& operator=(const HistoryRecorder&) = delete;
    // Stops keeping messages and adds the entry (RecordOperation); once.
    bool Record(const OperationRecord& record, const std::string& backupFile = std::string());

private:
    OperationContext& m_context;
    const HistoryKeeping m_keeping; // as it was when the operation began
    std::unique_ptr<ShownMessages> m_shown;
};

// Who adds entries: the operating-system user, the computer and the program.
// Asked on the main thread (the program's name and the account lookup are not
// for other threads).
struct HistoryAuthor {
    std::string user;
    std::string host;
    std::string program; // "vigilon-oss-cli 0.1.0"
    std::string bench;   // the setting "History/Bench", else the computer's name
};
HistoryAuthor CurrentAuthor();

// The entry of an operation: the record with the time and its author, and the
// radio's ID when the technician gave one.
HistoryEntry EntryOf(const OperationRecord& record, const HistoryAuthor& author, std::vector<std::string> messages,
                     const std::string& backupFile = std::string(), const std::string& radioId = std::string());

// Adds the entry of an operation that went beyond its question (a declined
// one talked to no radio and adds none). False, with a warning, when it could
// not be added; true also when recording is off.
bool RecordOperation(OperationContext& context, const HistoryKeeping& keeping, const OperationRecord& record,
                     const std::vector<std::string>& messages, const std::string& backupFile = std::string());

// A check's lines as it showed them, each after its mark: its entry's messages.
std::vector<std::string> CheckMessages(const CheckOutcome& outcome);

// What went wrong with the history, said after the work it belongs to.
struct HistoryTrouble {
    int messageId = 0;
    std::string text;
};
// What a try on `store` left to say: the file moved aside, and why a job was
// given up (`givenUp`).
std::vector<HistoryTrouble> TroublesOf(HistoryStore& store, bool givenUp);

// A fleet run in the service history: its row (settings file and that file's
// SHA-256, ports, count, start and end) and one entry per radio. Entries are
// handed to a queue that never delays the loops: a history another program
// holds gets them once it is free, and what goes wrong is said once the run
// is over, each kind of trouble once.
class FleetHistory {
public:
    // Adds the run's row (what goes wrong is said at the end too); nothing when
    // recording is off. Fleet entries have a queue of their own.
    FleetHistory(const HistoryKeeping& keeping, const std::string& settingsFile, const std::vector<std::string>& ports,
                 int count);
    ~FleetHistory();
    FleetHistory(const FleetHistory&) = delete;
    FleetHistory& operator=(const FleetHistory&) = delete;
    // The radio's entry; from any port's thread, without waiting.
    void Add(const FleetRow& row);
    // Notes the run's end, waits at most the history's patience for what is
    // still queued, and warns of what went wrong meanwhile. `waiting`, when
    // given, is called every few milliseconds meanwhile (a GUI paints there).
    void End(OperationContext& context, const std::function<void()>& waiting = {});
    // The run's number in the history once End has returned; 0 when it has none.
    int64_t RunNumber() const { return m_run; }

private:
    // Keeps what a try on `store` left to say (on the queue's thread).
    void Note(HistoryStore& store, bool givenUp);
    // The run's row in the store's file, made when it has none yet; its id or 0.
    int64_t RunIn(HistoryStore& store);

    std::string m_path; // the history's file, named once on the main thread
    std::function<void()> m_tell; // the keeping's `added`
    HistoryAuthor m_author;
    HistoryRun m_runRow;
    int64_t m_run = 0; // on the queue's thread
    std::atomic<int> m_queued{ 0 };
    int m_added = 0;         // on the queue's thread
    std::string m_lastError; // on the queue's thread
    std::vector<HistoryTrouble> m_troubles;
    std::unique_ptr<HistoryQueue> m_queue; // last: its thread ends before the rest goes
};
