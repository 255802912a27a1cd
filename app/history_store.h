// The service history: one SQLite file holding an entry for every operation that
// talked to a radio (who, when, on which radio and board, what was read and what
// was written, how it ended), and a row for every fleet run the entries belong to.
// Each entry is its own short transaction, so a killed process loses nothing it
// had added and two programs adding at once wait for each other instead of failing.
#pragma once

#include "app/history_reader.h"
#include "app/history_store_types.h"

#include <QDeadlineTimer>
#include <QList>
#include <QString>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

class QSqlDatabase;
class QSqlError;
class QSqlQuery;

// How long an entry waits for another program that holds the history.
constexpr int HISTORY_PATIENCE_MS = 10000;

// The file as a journal of this bench's work, for sending it to a depot's
// record: its own name, and the hash of the last entry it sent.
struct HistoryJournal {
    std::string id;
    std::string lastHash; // empty: nothing sent yet
};

// An entry sent, with the hash its link in the journal's chain has.
struct HistorySent {
    int64_t id = 0;
    std::string uuid;
    std::string hash;
    std::string journal; // the journal it was sent in
};

class HistoryStore : public HistoryReader {
public:
    explicit HistoryStore(std::string path);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens the file, making it or bringing its tables up to this program's
    // form. A file that is not a readable history is moved aside under a
    // time-stamped name (MovedAside) and a new one started. False with Error().
    bool Open() override;
    bool IsOpen() const;
    const std::string& Path() const { return m_path; }
    std::string Place() const override { return m_path; }
    // Why the last call failed: its cause where the file system shows it, else
    // in the database's words.
    const std::string& Error() const override { return m_error; }
    // Whether the last call failed because another program held the file
    // longer than this store's patience.
    bool Busy() const { return m_busy; }
    // How long one call waits, all its statements together, for another
    // program holding the file; 10 s unless set.
    void SetPatience(int milliseconds) { m_patienceMs = milliseconds; }
    // Forgets the last failure, so that Error() and Busy() speak of the calls after it.
    void ClearFailure()
    {
        m_error.clear();
        m_damaged = m_busy = false;
    }
    // Where a damaged file went, when Open or Add moved one aside; cleared by TakeMovedAside.
    std::string TakeMovedAside();

    // Adds the entry and sets its id; false with Error().
    bool Add(HistoryEntry& entry);
    // Adds all the entries in one transaction: all or none (an import, a test's history).
    bool AddAll(std::vector<HistoryEntry>& entries);
    // A fleet run's row; its id, or 0 with Error().
    int64_t BeginRun(const HistoryRun& run);
    bool EndRun(int64_t id, const std::string& ended);

    // The entries the filter lets through, newest first, from `offset` on, at
    // most `limit` of them (all when negative). Without `withSettings` the
    // settings and messages are left out (a list does not show them).
    std::vector<HistoryEntry> Find(const HistoryFilter& filter, int offset = 0, int limit = -1,
                                   bool withSettings = false) override;
    // The same with settings and messages, in the order they were added, after
    // the entry `afterId`: for going through a history that grows meanwhile.
    std::vector<HistoryEntry> FindAfter(const HistoryFilter& filter, int64_t afterId, int limit) override;
    int Count(const HistoryFilter& filter) override;
    std::optional<HistoryEntry> Get(int64_t id) override;
    std::optional<HistoryRun> Run(int64_t id);
    std::optional<HistoryRun> RunOf(const HistoryEntry& entry) override { return Run(entry.fleetRun); }
    // The settings the radio of a write held before it: those the write read
    // itself first, else the last the history knows of the same radio before
    // it (read from it, or written by a write that succeeded).
    std::optional<DataFileBytes> SettingsBefore(const HistoryEntry& write) override;
    // Removes the entries older than `time` (and runs left without entries);
    // how many, or -1 with Error(). With `keepWaiting` entries not yet sent to
    // the depot's record stay, whatever their age.
    int RemoveOlderThan(const std::string& time, bool keepWaiting = false);
    // Every operation name and result the history holds, for the filters' lists.
    std::vector<std::string> Operations() override;
    std::vector<std::string> Results() override;

    // The oldest entries not yet sent (at most `limit`, whole) and the journal as
    // it stood when they were read: each is chained to the one before it, the
    // first to journal.lastHash. False with Error().
    bool Waiting(int limit, HistoryJournal& journal, std::vector<HistoryEntry>& entries);
    // How many entries wait to be sent; -1 with Error().
    int WaitingCount();
    // Notes entries as sent, oldest first, with their links' hashes; the journal's
    // last hash becomes the last one's unless later entries were sent meanwhile.
    bool MarkSent(const std::string& journal, const std::vector<HistorySent>& sent);
    // Names the file a journal of its own, its chain begun again from the next
    // entry sent: for a copy of another computer's file, whose name the
    // record already holds entries of.
    bool NewJournal();
    // The fleet runs whose start or end the depot's record has not been sent yet.
    std::vector<HistoryRun> RunsToSend();
    // Notes that the runs went as they are: their start, and their end if they had one.
    bool MarkRunsSent(const std::vector<HistoryRun>& runs);
    // The journal's name and every entry sent so far, oldest first.
    bool SentEntries(HistoryJournal& journal, std::vector<HistorySent>& sent);

private:
    struct Connection;
    struct Call;
    // Lets the next statement wait for the file only as long as the call has left.
    void KeepToDeadline(QSqlDatabase& db);
    bool OpenOnce(bool& damaged);
    bool MoveAside();
    bool Insert(HistoryEntry& entry);
    // The entries a statement reads from the entries table, each column found by its name.
    std::vector<HistoryEntry> Select(const QString& statement, const QList<QVariant>& values);
    bool Fail(const QSqlError& error);
    // Runs one statement with its values; false with Error().
    bool Exec(QSqlQuery& query, const QString& statement, const QList<QVariant>& values);
    // What the user is told of a failure: the cause where the file system shows it.
    std::string Reason(const QSqlError& error) const;

    std::string m_path;
    std::string m_error;
    std::string m_movedAside;
    std::unique_ptr<Connection> m_connection;
    bool m_damaged = false; // the last failure says the file is damaged
    bool m_busy = false;    // the last failure: another program held the file
    int m_patienceMs = HISTORY_PATIENCE_MS;
    bool m_inCall = false;  // a public call is under way: its deadline holds
    QDeadlineTimer m_deadline;
};
