#include "app/depot_store.h"

#include "app/depot_address.h"
#include "app/history_chain.h"
#include "app/history_columns.h"
#include "app/history_sql.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <QAtomicInteger>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <map>
#include <set>

namespace {

// The record's tables in their first form, which already has every column of
// the history's version 3; a later version adds its columns (ALTER TABLE).
constexpr int DEPOT_FIRST_FORM = 3;

// A server's text holds no NUL: a NUL goes as ESCAPE '0', and ESCAPE itself as
// ESCAPE ESCAPE, so that every text comes back as it was. ESCAPE is a
// private-use character that radio texts hardly hold.
constexpr char16_t ESCAPE = 0xF8FF;

QVariant ToServer(QVariant value)
{
    if (value.typeId() != QMetaType::QString)
        return value;
    const QString text = value.toString();
    if (!text.contains(QChar(u'\0')) && !text.contains(QChar(ESCAPE)))
        return value;
    QString escaped;
    for (const QChar c : text) {
        if (c == QChar(ESCAPE) || c == QChar(u'\0')) {
            escaped += QChar(ESCAPE);
            escaped += c == QChar(ESCAPE) ? QChar(ESCAPE) : QChar(u'0');
        } else {
            escaped += c;
        }
    }
    return escaped;
}

QVariant FromServer(QVariant value)
{
    if (value.typeId() != QMetaType::QString || !value.toString().contains(QChar(ESCAPE)))
        return value;
    const QString text = value.toString();
    QString plain;
    for (qsizetype i = 0; i < text.size(); ++i) {
        if (text[i] == QChar(ESCAPE) && i + 1 < text.size()) {
            plain += text[i + 1] == QLatin1Char('0') ? QChar(u'\0') : text[i + 1];
            ++i;
        } else {
            plain += text[i];
        }
    }
    return plain;
}

QString Quoted(const char* name)
{
    return QLatin1Char('"') + QLatin1String(name) + QLatin1Char('"');
}

// A column's declaration on the server, from what it holds.
QString ServerType(const HistoryColumn& column)
{
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        return QStringLiteral("bigint");
    case HistoryKind::Time:
    case HistoryKind::Text:
    case HistoryKind::Word:
        return QStringLiteral("text NOT NULL DEFAULT ''");
    case HistoryKind::YesNo:
        return QStringLiteral("integer NOT NULL DEFAULT 0");
    case HistoryKind::Messages:
        return QStringLiteral("text NOT NULL DEFAULT '[]'");
    case HistoryKind::Settings:
        return QStringLiteral("bytea");
    }
    return QString();
}

// Every column of the history but its number, which is the record's own.
QStringList EntryColumns(bool whole)
{
    QStringList names;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if ((column.flags & HISTORY_KEY) == 0 && (whole || HistoryColumnListed(column)))
            names << Quoted(column.name);
    }
    return names;
}

QString SelectEntries(bool whole)
{
    return QStringLiteral("SELECT id, journal, ") + EntryColumns(whole).join(QStringLiteral(", "))
        + QStringLiteral(" FROM entries");
}

QStringList CreateStatements()
{
    QStringList columns;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if ((column.flags & HISTORY_KEY) == 0 && column.since <= DEPOT_FIRST_FORM)
            columns << Quoted(column.name) + QLatin1Char(' ') + ServerType(column);
    }
    return {
        QStringLiteral("CREATE TABLE schema_version (version integer NOT NULL)"),
        QStringLiteral("CREATE TABLE fleet_runs (journal text NOT NULL, id bigint NOT NULL,"
                       " settings_file text NOT NULL, settings_sha256 text NOT NULL, ports text NOT NULL,"
                       " count integer NOT NULL, started_utc text NOT NULL, PRIMARY KEY (journal, id))"),
        // A run's end comes later than its start: a row of its own, as the record only grows.
        QStringLiteral("CREATE TABLE fleet_run_ends (journal text NOT NULL, id bigint NOT NULL,"
                       " ended_utc text NOT NULL, PRIMARY KEY (journal, id))"),
        QStringLiteral("CREATE TABLE entries (id bigserial PRIMARY KEY, journal text NOT NULL,"
                       " journal_seq bigint NOT NULL, previous_hash text NOT NULL, hash text NOT NULL,"
                       " received timestamptz NOT NULL DEFAULT now(), ")
            + columns.join(QStringLiteral(", ")) + QStringLiteral(", UNIQUE (journal, journal_seq))"),
        QStringLiteral("CREATE UNIQUE INDEX entries_by_uuid ON entries (uuid)"),
        QStringLiteral("CREATE INDEX entries_by_radio_id ON entries (radio_id, time_utc)"),
        QStringLiteral("CREATE INDEX entries_by_time ON entries (time_utc)"),
        QStringLiteral("CREATE INDEX entries_by_radio ON entries (lower(radio_info) text_pattern_ops)"),
        QStringLiteral("INSERT INTO schema_version (version) VALUES (%1)").arg(DEPOT_FIRST_FORM),
    };
}

// The lock two benches making the tables at the same moment take in turn.
constexpr qint64 FORM_LOCK = 0x76676f6e; // arbitrary, the same for every bench

std::vector<HistoryEntry> ReadEntries(QSqlQuery& query)
{
    std::vector<HistoryEntry> entries;
    const ColumnPlaces places = PlacesIn(query.record());
    const int journal = query.record().indexOf(QStringLiteral("journal"));
    while (query.next()) {
        HistoryEntry entry = EntryFrom(query, places, &FromServer);
        if (journal >= 0)
            entry.journal = Text(query.value(journal));
        entries.push_back(std::move(entry));
    }
    return entries;
}

void Bind(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(ToServer(value));
}

} // namespace

struct DepotStore::Connection {
    QString name;
    QSqlDatabase db;

    explicit Connection(const DepotAddress& address)
    {
        static QAtomicInteger<int> next = 0;
        name = QStringLiteral("vigilon-depot-%1").arg(next.fetchAndAddRelaxed(1));
        db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), name);
        // The driver hands its options to the client library as they are: the
        // address's pairs, each quoted, then this program's limits.
        QStringList options{ QString::fromStdString(address.ConnectionText()) };
        options << QStringLiteral("connect_timeout=%1").arg(DEPOT_CONNECT_TIMEOUT_S);
        // A server that vanishes mid-answer (a cable pulled, a machine off) is
        // given up after seconds, not after the system's TCP patience of minutes;
        // one that answers nothing (a table locked, a server overloaded) as well.
        options << QStringLiteral("tcp_user_timeout=%1").arg(DEPOT_STATEMENT_TIMEOUT_MS);
        options << QStringLiteral("options='-c statement_timeout=%1 -c lock_timeout=%2'")
                       .arg(DEPOT_STATEMENT_TIMEOUT_MS)
                       .arg(DEPOT_STATEMENT_TIMEOUT_MS / 2);
        db.setConnectOptions(options.join(QLatin1Char(';')));
    }
    ~Connection()
    {
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

DepotStore::DepotStore(std::string address) : m_address(std::move(address)) {}

DepotStore::~DepotStore() = default;

bool DepotStore::Fail(const QSqlError& error)
{
    // The client library indents its second lines with a tab.
    QString text = (error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).trimmed();
    text.replace(QStringLiteral("\n\t"), QStringLiteral("\n"));
    m_error = text.toStdString();
    m_journalTaken = error.nativeErrorCode() == QLatin1String("23505")
        && text.contains(QLatin1String("entries_journal_journal_seq_key"));
    // A connection that broke is made again by the next call.
    if (m_connection && !m_connection->db.isOpen())
        m_connection.reset();
    else if (m_connection && error.type() == QSqlError::ConnectionError)
        m_connection.reset();
    return false;
}

bool DepotStore::Open()
{
    m_error.clear();
    if (m_connection && m_connection->db.isOpen())
        return true;
    m_connection.reset();
    const DepotAddress address = ParseDepotAddress(m_address);
    if (!address.error.empty()) {
        m_error = address.error;
        return false;
    }
    if (address.HoldsPassword()) {
        m_error = LoadString(IDS_DEPOT_PASSWORD_IN_ADDRESS);
        return false;
    }
    if (!QSqlDatabase::isDriverAvailable(QStringLiteral("QPSQL"))) {
        m_error = LoadString(IDS_DEPOT_NO_DRIVER);
        return false;
    }
    auto connection = std::make_unique<Connection>(address);
    if (!connection->db.open()) {
        const QSqlError error = connection->db.lastError();
        return Fail(error);
    }
    m_connection = std::move(connection);
    if (Prepare())
        return true;
    m_connection.reset();
    return false;
}

bool DepotStore::Prepare()
{
    QSqlQuery query(m_connection->db);
    const auto version = [&](int& found) {
        found = 0;
        if (!query.exec(QStringLiteral("SELECT to_regclass('schema_version') IS NOT NULL")) || !query.next())
            return Fail(query.lastError());
        if (!query.value(0).toBool())
            return true;
        if (!query.exec(QStringLiteral("SELECT max(version) FROM schema_version")) || !query.next())
            return Fail(query.lastError());
        found = query.value(0).toInt();
        return true;
    };
    int form = 0;
    if (!version(form))
        return false;
    // A newer program's form only adds: this one reads and adds its own columns.
    if (form >= HISTORY_SCHEMA_VERSION)
        return true;
    // Made or brought up in one transaction, one bench at a time.
    const auto rollBack = [&](int reasonId, int found) {
        QSqlQuery(m_connection->db).exec(QStringLiteral("ROLLBACK"));
        if (reasonId)
            m_error = found ? FormatString(reasonId, found) : LoadString(reasonId);
        return false;
    };
    if (!query.exec(QStringLiteral("BEGIN")))
        return Fail(query.lastError());
    if (!query.exec(QStringLiteral("SELECT pg_advisory_xact_lock(%1)").arg(FORM_LOCK)) || !version(form))
        return rollBack(0, 0);
    QStringList statements;
    if (form == 0)
        statements = CreateStatements();
    const int from = form == 0 ? DEPOT_FIRST_FORM : form;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.since > from)
            statements << QStringLiteral("ALTER TABLE entries ADD COLUMN %1 %2").arg(Quoted(column.name), ServerType(column));
    }
    if (from < HISTORY_SCHEMA_VERSION)
        statements << QStringLiteral("UPDATE schema_version SET version = %1").arg(HISTORY_SCHEMA_VERSION);
    for (const QString& statement : statements) {
        if (!query.exec(statement)) {
            // "insufficient privilege": the benches' login adds and reads, and no more.
            const bool refused = query.lastError().nativeErrorCode() == QLatin1String("42501");
            Fail(query.lastError());
            if (!refused)
                return rollBack(0, 0);
            return rollBack(form == 0 ? IDS_DEPOT_NO_TABLES : IDS_DEPOT_OLDER_FORM, form);
        }
    }
    if (!query.exec(QStringLiteral("COMMIT")))
        return Fail(query.lastError());
    return true;
}

int DepotStore::Upload(const std::string& journal, const std::vector<DepotUpload>& entries,
                       const std::vector<HistoryRun>& runs)
{
    m_journalTaken = false;
    if (!Open())
        return -1;
    QSqlDatabase& db = m_connection->db;
    if (!db.transaction())
        return Fail(db.lastError()), -1;
    const auto rollBack = [&](const QSqlError& error) {
        Fail(error);
        if (m_connection)
            m_connection->db.rollback();
        return -1;
    };
    QSqlQuery query(db);
    for (const HistoryRun& run : runs) {
        query.prepare(QStringLiteral("INSERT INTO fleet_runs (journal, id, settings_file, settings_sha256, ports, count,"
                                     " started_utc) VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING"));
        Bind(query, { Text(journal), static_cast<qlonglong>(run.id), Text(run.settingsFile), Text(run.settingsSha256),
                      Text(run.ports), run.count, Text(run.started) });
        if (!query.exec())
            return rollBack(query.lastError());
        if (!run.ended.empty()) {
            query.prepare(QStringLiteral(
                "INSERT INTO fleet_run_ends (journal, id, ended_utc) VALUES (?, ?, ?) ON CONFLICT DO NOTHING"));
            Bind(query, { Text(journal), static_cast<qlonglong>(run.id), Text(run.ended) });
            if (!query.exec())
                return rollBack(query.lastError());
        }
    }
    const QStringList columns = EntryColumns(true);
    QStringList marks;
    for (int i = 0; i < columns.size() + 4; ++i)
        marks << QStringLiteral("?");
    // A repeated upload (a bench that lost its answer, two programs sending at
    // once) finds the entry's UUID there and adds nothing.
    query.prepare(QStringLiteral("INSERT INTO entries (journal, journal_seq, previous_hash, hash, ")
                  + columns.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
                  + marks.join(QStringLiteral(", ")) + QStringLiteral(") ON CONFLICT (uuid) DO NOTHING"));
    int added = 0;
    for (const DepotUpload& upload : entries) {
        query.addBindValue(Text(journal));
        query.addBindValue(static_cast<qlonglong>(upload.entry.id));
        query.addBindValue(Text(upload.previousHash));
        query.addBindValue(Text(upload.hash));
        for (const HistoryColumn& column : HISTORY_COLUMNS) {
            if ((column.flags & HISTORY_KEY) == 0)
                query.addBindValue(ToServer(ValueOf(upload.entry, column)));
        }
        if (!query.exec())
            return rollBack(query.lastError());
        added += query.numRowsAffected() > 0 ? 1 : 0;
    }
    if (!db.commit())
        return rollBack(db.lastError());
    return added;
}

std::vector<HistoryEntry> DepotStore::Select(const QString& statement, const QVariantList& values)
{
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    query.prepare(statement);
    Bind(query, values);
    if (!query.exec()) {
        Fail(query.lastError());
        return {};
    }
    return ReadEntries(query);
}

std::vector<HistoryEntry> DepotStore::Find(const HistoryFilter& filter, int offset, int limit, bool withSettings)
{
    if (!Open())
        return {};
    QVariantList values;
    QString statement = SelectEntries(withSettings) + HistoryWhere(filter, values, HistoryDialect::PostgreSQL)
        + QStringLiteral(" ORDER BY time_utc DESC, id DESC");
    if (limit >= 0) {
        statement += QStringLiteral(" LIMIT ?");
        values << limit;
    }
    statement += QStringLiteral(" OFFSET ?");
    values << offset;
    return Select(statement, values);
}

std::vector<HistoryEntry> DepotStore::FindAfter(const HistoryFilter& filter, int64_t afterId, int limit)
{
    if (!Open())
        return {};
    QVariantList values;
    const QString after = HistoryAfter(filter, afterId, limit, values, HistoryDialect::PostgreSQL);
    return Select(SelectEntries(true) + after, values);
}

int DepotStore::Count(const HistoryFilter& filter)
{
    if (!Open())
        return 0;
    QVariantList values;
    QSqlQuery query(m_connection->db);
    query.prepare(HistoryCount(filter, values, HistoryDialect::PostgreSQL));
    Bind(query, values);
    if (!query.exec() || !query.next())
        return Fail(query.lastError()), 0;
    return query.value(0).toInt();
}

std::optional<HistoryEntry> DepotStore::Get(int64_t id)
{
    if (!Open())
        return std::nullopt;
    std::vector<HistoryEntry> found
        = Select(SelectEntries(true) + QStringLiteral(" WHERE id = ?"), { static_cast<qlonglong>(id) });
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::optional<HistoryRun> DepotStore::RunOf(const HistoryEntry& entry)
{
    if (entry.fleetRun <= 0 || !Open())
        return std::nullopt;
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral("SELECT r.id, r.settings_file, r.settings_sha256, r.ports, r.count, r.started_utc,"
                                 " e.ended_utc FROM fleet_runs r LEFT JOIN fleet_run_ends e"
                                 " ON e.journal = r.journal AND e.id = r.id WHERE r.journal = ? AND r.id = ?"));
    Bind(query, { Text(entry.journal), static_cast<qlonglong>(entry.fleetRun) });
    if (!query.exec()) {
        Fail(query.lastError());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return RunFrom(query, &FromServer);
}

std::optional<DataFileBytes> DepotStore::SettingsBefore(const HistoryEntry& write)
{
    if (write.settingsRead)
        return write.settingsRead;
    if (!Open())
        return std::nullopt;
    // Across every bench: what the radio last held before the write, by the
    // benches' clocks (the record numbers entries as they arrive, not as they were made).
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral(
                      "SELECT CASE WHEN result = 'succeeded' AND settings_written IS NOT NULL THEN settings_written"
                      " ELSE settings_read END FROM entries WHERE %1 = ? AND (time_utc, id) < (?, ?)"
                      " AND (settings_read IS NOT NULL OR (result = 'succeeded' AND settings_written IS NOT NULL))"
                      " ORDER BY time_utc DESC, id DESC LIMIT 1")
                      .arg(write.radioId.empty() ? QStringLiteral("radio_info") : QStringLiteral("radio_id")));
    Bind(query, { Text(write.radioId.empty() ? write.radioInfo : write.radioId), Text(write.time),
                  static_cast<qlonglong>(write.id) });
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Bytes(query.value(0));
}

std::vector<std::string> DepotStore::Operations()
{
    return Open() ? HistoryDistinct(m_connection->db, "operation") : std::vector<std::string>();
}

std::vector<std::string> DepotStore::Results()
{
    return Open() ? HistoryDistinct(m_connection->db, "result") : std::vector<std::string>();
}

bool DepotStore::Verify(const HistoryJournal& journal, const std::vector<HistorySent>& sent, DepotVerdict& verdict)
{
    verdict = DepotVerdict();
    if (!Open())
        return false;
    QSqlDatabase& db = m_connection->db;
    // One snapshot for the whole walk, read a block at a time.
    if (!db.transaction())
        return Fail(db.lastError());
    QSqlQuery query(db);
    query.setForwardOnly(true);
    const QString columns = EntryColumns(true).join(QStringLiteral(", "));
    std::map<std::string, std::pair<int64_t, std::string>> ours; // uuid -> the record's entry and its hash
    std::set<std::string> journals; // this bench's: its file's name now, and any it sent under before
    journals.insert(journal.id);
    for (const HistorySent& entry : sent)
        journals.insert(entry.journal);
    std::set<std::string> benches;
    std::string lastJournal;
    std::string lastHash;
    constexpr int BLOCK = 5000;
    std::string afterJournal;
    qlonglong afterSequence = -1;
    for (;;) {
        query.prepare(QStringLiteral("SELECT id, journal, journal_seq, previous_hash, hash, ") + columns
                      + QStringLiteral(" FROM entries WHERE (journal, journal_seq) > (?, ?)"
                                       " ORDER BY journal, journal_seq LIMIT ?"));
        Bind(query, { Text(afterJournal), afterSequence, BLOCK });
        if (!query.exec()) {
            Fail(query.lastError());
            db.rollback();
            return false;
        }
        int rows = 0;
        const ColumnPlaces places = PlacesIn(query.record());
        while (query.next()) {
            ++rows;
            // Its number is the record's own, which no hash holds.
            const HistoryEntry entry = EntryFrom(query, places, &FromServer);
            const int64_t id = query.value(0).toLongLong();
            const std::string entryJournal = Text(query.value(1));
            const qlonglong sequence = query.value(2).toLongLong();
            const std::string previous = Text(query.value(3));
            const std::string hash = Text(query.value(4));
            const std::string number = std::to_string(id);
            const std::string theirs = std::to_string(sequence);
            ++verdict.entries;
            const bool first = entryJournal != lastJournal;
            if (HistoryChainHash(previous, entryJournal, sequence, entry) != hash)
                verdict.faults.push_back(FormatString(IDS_DEPOT_VERIFY_CHANGED, number.c_str(), entry.bench.c_str(),
                                                      theirs.c_str()));
            if (first && !previous.empty())
                verdict.faults.push_back(FormatString(IDS_DEPOT_VERIFY_FIRST_LINK, number.c_str(),
                                                      entry.bench.c_str(), theirs.c_str()));
            if (!first && previous != lastHash)
                verdict.faults.push_back(FormatString(IDS_DEPOT_VERIFY_GAP, number.c_str(), entry.bench.c_str(),
                                                      theirs.c_str()));
            if (journals.count(entryJournal))
                ours[entry.uuid] = { id, hash };
            benches.insert(entry.bench);
            lastJournal = entryJournal;
            lastHash = hash;
            afterJournal = entryJournal;
            afterSequence = sequence;
        }
        if (rows < BLOCK)
            break;
    }
    db.commit();
    verdict.benches = static_cast<int>(benches.size());
    // What this bench sent and the record no longer holds as it was sent; the
    // chain alone cannot show its last entries gone.
    for (const HistorySent& entry : sent) {
        const auto found = ours.find(entry.uuid);
        const std::string number = std::to_string(entry.id);
        if (found == ours.end())
            verdict.faults.push_back(FormatString(IDS_DEPOT_VERIFY_MISSING, number.c_str()));
        else if (found->second.second != entry.hash)
            verdict.faults.push_back(
                FormatString(IDS_DEPOT_VERIFY_DIFFERS, number.c_str(), std::to_string(found->second.first).c_str()));
    }
    return true;
}
