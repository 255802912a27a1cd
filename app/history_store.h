// The service history: one SQLite file holding an entry for every operation that
// talked to a radio (who, when, on which radio and board, what was read and what
// was written, how it ended), and a row for every fleet run the entries belong to.
// Each entry is its own short transaction, so a killed process loses nothing it
// had added and two programs adding at once wait for each other instead of failing.
#pragma once

#include "operations/operation_record.h"

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

// How long an entry waits for another program that holds the history.
constexpr int HISTORY_PATIENCE_MS = 10000;

// The history's form of a time: UTC with milliseconds, "2026-12-09T03:05:01.123Z",
// so that texts sort as times do.
std::string HistoryTimeNow();

struct HistoryEntry {
    int64_t id = 0;
    std::string time; // HistoryTimeNow's form
    std::string user;
    std::string host;
    std::string program; // "vigilon-oss-cli 1.4.0"
    std::string port;
    std::string device;
    std::string radioInfo;
    std::string boardType;
    std::string boardHardware;
    std::string boardSoftware;
    std::string boardCodeplug;
    std::string operation;
    std::string result;
    std::vector<std::string> messages; // as shown, in order
    std::optional<DataFileBytes> settingsRead;
    std::optional<DataFileBytes> settingsWritten;
    bool verified = false;
    std::string backupFile;
    int64_t fleetRun = 0; // 0: none
    std::string radioId;  // the radio's serial number or asset tag as the technician gave it; empty: none
    std::string uuid;     // the entry's own name wherever it is copied: given when it is added
    std::string bench;    // the name of the computer (bench) that added it, as the depot's record shows it

    bool Succeeded() const { return result == "succeeded"; }
};

struct HistoryRun {
    int64_t id = 0;
    std::string settingsFile;
    std::string settingsSha256; // of the file's bytes, in hexadecimal
    std::string ports;          // "COM1, COM2"
    int count = 0;              // radios asked for; 0: until stopped
    std::string started;
    std::string ended; // empty while running, or when the run never ended
};

// Which entries a list shows; every part left empty lets all through.
struct HistoryFilter {
    std::string radio;     // the radio's text starts with this
    std::string radioId;   // exactly this radio ID
    std::string board;     // the board's type, hardware, software or codeplug version contains this
    std::string operation; // exactly this operation
    std::string result;    // exactly this result
    bool failedOnly = false; // every result but "succeeded"
    std::string since;     // from this time on (HistoryTimeNow's form)
    std::string until;     // up to and including this time
};

class HistoryStore {
public:
    explicit HistoryStore(std::string path);
    ~HistoryStore();
    HistoryStore(const HistoryStore&) = delete;
    HistoryStore& operator=(const HistoryStore&) = delete;

    // Opens the file, making it or bringing its tables up to this program's
    // form. A file that is not a readable history is moved aside under a
    // time-stamped name (MovedAside) and a new one started. False with Error().
    bool Open();
    bool IsOpen() const;
    const std::string& Path() const { return m_path; }
    // Why the last call failed: its cause where the file system shows it, else
    // in the database's words.
    const std::string& Error() const { return m_error; }
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
                                   bool withSettings = false);
    // The same with settings and messages, in the order they were added, after
    // the entry `afterId`: for going through a history that grows meanwhile.
    std::vector<HistoryEntry> FindAfter(const HistoryFilter& filter, int64_t afterId, int limit);
    int Count(const HistoryFilter& filter);
    std::optional<HistoryEntry> Get(int64_t id);
    std::optional<HistoryRun> Run(int64_t id);
    // The settings the radio of a write held before it: those the write read
    // itself first, else the last the history knows of the same radio before
    // it (read from it, or written by a write that succeeded).
    std::optional<DataFileBytes> SettingsBefore(const HistoryEntry& write);
    // Removes the entries older than `time` (and runs left without entries);
    // how many, or -1 with Error().
    int RemoveOlderThan(const std::string& time);
    // Every operation name and result the history holds, for the filters' lists.
    std::vector<std::string> Operations();
    std::vector<std::string> Results();

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
