// The depot's record: the service history every bench sends its entries to, on
// a PostgreSQL server. Entries are only ever added (the benches' login needs to
// add and to read, nothing more); each keeps its bench's journal, its number
// there and the hash of its link in the journal's chain. The program makes the
// record's tables, and brings them up to its form, where its login may.
#pragma once

#include "app/depot_address.h"
#include "app/history_reader.h"
#include "app/history_store.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

class QSqlError;

// How long a connection to the server is waited for, and one statement's answer
// (a lock the statement waits for: half of that).
constexpr int DEPOT_CONNECT_TIMEOUT_S = 5;
constexpr int DEPOT_STATEMENT_TIMEOUT_MS = 10000;

// One entry as it goes to the record: the entry, its number in its journal and its link.
struct DepotUpload {
    HistoryEntry entry; // its id is the journal's number
    std::string previousHash;
    std::string hash;
};

// What `history verify` found: one line for each fault, in the record's order.
struct DepotVerdict {
    int64_t entries = 0;
    int benches = 0;
    std::vector<std::string> faults;
};

class DepotStore : public HistoryReader {
public:
    explicit DepotStore(std::string address);
    ~DepotStore() override;
    DepotStore(const DepotStore&) = delete;
    DepotStore& operator=(const DepotStore&) = delete;

    // Connects and makes or brings up the record's tables; false with Error().
    bool Open() override;
    const std::string& Error() const override { return m_error; }
    std::string Place() const override { return DepotPlace(m_address); }
    const std::string& Address() const { return m_address; }

    // Adds the entries of one journal in one transaction, each with the fleet
    // run it belongs to; an entry the record already holds (by its UUID) is left
    // as it is. How many were new, or -1 with Error(), and then none was added.
    int Upload(const std::string& journal, const std::vector<DepotUpload>& entries,
               const std::vector<HistoryRun>& runs);
    // Whether the last failure was another file's entries holding the journal's
    // numbers: the file was copied, and the copy needs a journal of its own.
    bool JournalTaken() const { return m_journalTaken; }

    std::vector<HistoryEntry> Find(const HistoryFilter& filter, int offset = 0, int limit = -1,
                                   bool withSettings = false) override;
    std::vector<HistoryEntry> FindAfter(const HistoryFilter& filter, int64_t afterId, int limit) override;
    int Count(const HistoryFilter& filter) override;
    std::optional<HistoryEntry> Get(int64_t id) override;
    std::optional<HistoryRun> RunOf(const HistoryEntry& entry) override;
    std::optional<DataFileBytes> SettingsBefore(const HistoryEntry& write) override;
    std::vector<std::string> Operations() override;
    std::vector<std::string> Results() override;

    // Goes through every bench's chain: an entry whose values no longer give its
    // hash, a link that does not follow the one before it. `journal` and `sent`
    // (this bench's, from its file) add: an entry this bench sent that the record
    // no longer holds, or holds otherwise. False with Error() when it could not read.
    bool Verify(const HistoryJournal& journal, const std::vector<HistorySent>& sent, DepotVerdict& verdict);

private:
    struct Connection;
    bool Fail(const QSqlError& error);
    bool Prepare();
    std::vector<HistoryEntry> Select(const QString& statement, const QList<QVariant>& values);

    std::string m_address;
    std::string m_error;
    bool m_journalTaken = false;
    std::unique_ptr<Connection> m_connection;
};
