#include "app/history_store.h"

#include "app/byte_text.h"
#include "app/history_columns.h"
#include "app/history_sql.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <QAtomicInteger>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QString>
#include <QThread>
#include <QUuid>
#include <QVariant>

#include <algorithm>
#include <array>
#include <filesystem>
#include <system_error>
#include <utility>

namespace {

// The tables' first form, kept as files were made with it; each later version
// adds the columns whose rows in HISTORY_COLUMNS it brought.
const char* const SCHEMA_1[] = {
    // AUTOINCREMENT: a number once given is never given again, also after
    // old entries were removed, so that an export's numbers stay unambiguous.
    "CREATE TABLE fleet_runs ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " settings_file TEXT NOT NULL,"
    " settings_sha256 TEXT NOT NULL,"
    " ports TEXT NOT NULL,"
    " count INTEGER NOT NULL,"
    " started_utc TEXT NOT NULL,"
    " ended_utc TEXT)",
    "CREATE TABLE entries ("
    " id INTEGER PRIMARY KEY AUTOINCREMENT,"
    " time_utc TEXT NOT NULL,"
    " user TEXT NOT NULL,"
    " host TEXT NOT NULL,"
    " program TEXT NOT NULL,"
    " port TEXT NOT NULL,"
    " device TEXT NOT NULL,"
    " radio_info TEXT NOT NULL,"
    " board_type TEXT NOT NULL,"
    " board_hardware TEXT NOT NULL,"
    " board_software TEXT NOT NULL,"
    " board_codeplug TEXT NOT NULL,"
    " operation TEXT NOT NULL,"
    " result TEXT NOT NULL,"
    " messages TEXT NOT NULL," // a JSON array of the texts
    " settings_read BLOB,"
    " settings_written BLOB,"
    " verified INTEGER NOT NULL,"
    " backup_file TEXT NOT NULL,"
    " fleet_run INTEGER REFERENCES fleet_runs(id) ON DELETE SET NULL)",
    // A radio's entries without reading the others, its text in any case.
    "CREATE INDEX entries_by_radio ON entries(radio_info COLLATE NOCASE, time_utc)",
    "CREATE INDEX entries_by_time ON entries(time_utc)",
    "CREATE INDEX entries_by_run ON entries(fleet_run)",
};

// What a schema version makes besides the columns it adds.
struct SchemaStep {
    int version;
    const char* statement;
};
// A version 4 UUID made by SQLite, for the entries a file held before entries had one.
#define RANDOM_UUID                                                                                                     \
    "lower(hex(randomblob(4)) || '-' || hex(randomblob(2)) || '-4' || substr(hex(randomblob(2)), 2) || '-'"           \
    " || substr('89ab', 1 + abs(random()) % 4, 1) || substr(hex(randomblob(2)), 2) || '-' || hex(randomblob(6)))"
const SchemaStep SCHEMA_STEPS[] = {
    { 2, "CREATE INDEX entries_by_radio_id ON entries(radio_id)" },
    { 3, "UPDATE entries SET uuid = " RANDOM_UUID " WHERE uuid = ''" },
    { 3, "UPDATE entries SET bench = host WHERE bench = ''" },
    { 3, "CREATE UNIQUE INDEX entries_by_uuid ON entries(uuid)" },
    // The file is a journal of this bench's work, named once; entries are
    // chained in it as they are sent to a depot's record: each sent entry keeps
    // its link's hash, the journal the last one's. An entry without one waits.
    { 3, "ALTER TABLE entries ADD COLUMN chain_hash TEXT" },
    { 3, "ALTER TABLE entries ADD COLUMN chain_journal TEXT" },
    { 3, "CREATE INDEX entries_waiting ON entries(id) WHERE chain_hash IS NULL" },
    { 3, "CREATE TABLE journal (id TEXT NOT NULL, last_hash TEXT NOT NULL)" },
    { 3, "INSERT INTO journal (id, last_hash) VALUES (" RANDOM_UUID ", '')" },
    // A fleet run goes to the depot's record when it starts (1) and when it ends (2).
    { 3, "ALTER TABLE fleet_runs ADD COLUMN sent INTEGER NOT NULL DEFAULT 0" },
};
#undef RANDOM_UUID

bool SaysBusy(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    constexpr int SQLITE_BUSY_CODE = 5;
    constexpr int SQLITE_LOCKED_CODE = 6;
    return code == SQLITE_BUSY_CODE || code == SQLITE_LOCKED_CODE;
}

// SQLite's own codes for a file that is not, or no longer, a database.
bool SaysDamaged(const QSqlError& error)
{
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    constexpr int SQLITE_CORRUPT_CODE = 11;
    constexpr int SQLITE_NOTADB_CODE = 26;
    return code == SQLITE_CORRUPT_CODE || code == SQLITE_NOTADB_CODE;
}

// "id, time_utc, ...": what a list reads, or every column.
QString ColumnNames(bool whole)
{
    QStringList names;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (whole || HistoryColumnListed(column))
            names << QLatin1String(column.name);
    }
    return names.join(QStringLiteral(", "));
}

QString SelectEntries(bool whole)
{
    static const QString listed = QStringLiteral("SELECT ") + ColumnNames(false) + QStringLiteral(" FROM entries");
    static const QString all = QStringLiteral("SELECT ") + ColumnNames(true) + QStringLiteral(" FROM entries");
    return whole ? all : listed;
}

QString InsertEntry()
{
    QStringList names;
    QStringList marks;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if ((column.flags & HISTORY_KEY) == 0) {
            names << QLatin1String(column.name);
            marks << QStringLiteral("?");
        }
    }
    return QStringLiteral("INSERT INTO entries (") + names.join(QStringLiteral(", ")) + QStringLiteral(") VALUES (")
        + marks.join(QStringLiteral(", ")) + QLatin1Char(')');
}

void Bind(QSqlQuery& query, const QVariantList& values)
{
    for (const QVariant& value : values)
        query.addBindValue(value);
}

// A file name beside the history's that says when it was moved aside.
QString AsideName(const QString& path)
{
    const QFileInfo info(path);
    const QString stamp = QDateTime::currentDateTime().toString(QStringLiteral("yyyyMMdd-HHmmss"));
    const QString base = info.path() + QLatin1Char('/') + info.completeBaseName() + QStringLiteral("-damaged-") + stamp;
    QString name = base + QLatin1Char('.') + info.suffix();
    for (int n = 2; QFile::exists(name); ++n)
        name = base + QLatin1Char('-') + QString::number(n) + QLatin1Char('.') + info.suffix();
    return name;
}

} // namespace

std::string HistoryTimeNow()
{
    return QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs).toStdString();
}

struct HistoryStore::Connection {
    QString name;
    QSqlDatabase db;
    std::optional<QSqlQuery> insert;

    explicit Connection(const QString& path)
    {
        // One connection per store: stores on other threads or files never share one.
        static QAtomicInteger<int> next = 0;
        name = QStringLiteral("vigilon-history-%1").arg(next.fetchAndAddRelaxed(1));
        db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // Another program adding an entry holds the file for milliseconds: wait for it.
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=%1").arg(HISTORY_PATIENCE_MS));
    }
    ~Connection()
    {
        insert.reset();
        db.close();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
    }
};

HistoryStore::HistoryStore(std::string path) : m_path(std::move(path)) {}

// One call's wait for another program holding the file: however many statements
// the call runs, together they wait at most the store's patience.
struct HistoryStore::Call {
    explicit Call(HistoryStore& store) : m_store(store), m_outer(!store.m_inCall)
    {
        if (m_outer) {
            store.m_inCall = true;
            store.m_deadline = QDeadlineTimer(store.m_patienceMs);
        }
    }
    ~Call()
    {
        if (m_outer)
            m_store.m_inCall = false;
    }
    Call(const Call&) = delete;
    Call& operator=(const Call&) = delete;

private:
    HistoryStore& m_store;
    bool m_outer;
};

void HistoryStore::KeepToDeadline(QSqlDatabase& db)
{
    QSqlQuery(db).exec(QStringLiteral("PRAGMA busy_timeout=%1").arg(std::max<qint64>(0, m_deadline.remainingTime())));
}

HistoryStore::~HistoryStore() = default;

bool HistoryStore::IsOpen() const
{
    return m_connection != nullptr;
}

std::string HistoryStore::TakeMovedAside()
{
    return std::exchange(m_movedAside, std::string());
}

bool HistoryStore::Exec(QSqlQuery& query, const QString& statement, const QList<QVariant>& values)
{
    query.prepare(statement);
    Bind(query, values);
    return query.exec() || Fail(query.lastError());
}

bool HistoryStore::Fail(const QSqlError& error)
{
    m_error = Reason(error);
    m_damaged = SaysDamaged(error);
    m_busy = SaysBusy(error);
    return false;
}

std::string HistoryStore::Reason(const QSqlError& error) const
{
    // SQLite names no file and knows no cause beyond "unable to open" or "disk
    // I/O error": what the file and its folder say is worth more to the user.
    const int code = error.nativeErrorCode().toInt() & 0xFF;
    constexpr int SQLITE_PERM_CODE = 3;
    constexpr int SQLITE_READONLY_CODE = 8;
    constexpr int SQLITE_IOERR_CODE = 10;
    constexpr int SQLITE_FULL_CODE = 13;
    constexpr int SQLITE_CANTOPEN_CODE = 14;
    const QFileInfo file(QFile::decodeName(m_path.c_str()));
    const QFileInfo folder(file.path());
    const std::string folderName = QFile::encodeName(folder.filePath()).toStdString();
    if (code == SQLITE_CANTOPEN_CODE || code == SQLITE_READONLY_CODE || code == SQLITE_PERM_CODE) {
        if (!folder.isDir())
            return FormatString(IDS_HISTORY_NO_FOLDER, folderName.c_str());
        if (file.exists() && !file.isWritable())
            return LoadString(IDS_HISTORY_FILE_PROTECTED);
        if (!folder.isWritable())
            return FormatString(IDS_HISTORY_FOLDER_PROTECTED, folderName.c_str());
    }
    if (SaysBusy(error))
        return LoadString(IDS_HISTORY_HELD);
    if (code == SQLITE_FULL_CODE || code == SQLITE_IOERR_CODE) {
        // SQLite reports a full disk as an I/O error where it meets it in the journal's index.
        constexpr uintmax_t NEARLY_FULL = 1 << 20;
        std::error_code failed;
        const std::filesystem::space_info space = std::filesystem::space(folderName, failed);
        if (code == SQLITE_FULL_CODE || (!failed && space.available < NEARLY_FULL))
            return LoadString(IDS_HISTORY_DISK_FULL);
    }
    // The database's own words say what is wrong; the driver's only which call it was.
    return (error.databaseText().isEmpty() ? error.driverText() : error.databaseText()).toStdString();
}

bool HistoryStore::Open()
{
    const Call call(*this);
    m_error.clear();
    m_busy = false;
    if (m_connection)
        return true;
    const QFileInfo file(QFile::decodeName(m_path.c_str()));
    QDir().mkpath(file.path());
    // A pipe or a device under the history's name would hold SQLite's reads for ever.
    if (file.exists() && !file.isFile()) {
        m_error = LoadString(IDS_HISTORY_NOT_A_FILE);
        return false;
    }
    bool damaged = false;
    if (OpenOnce(damaged))
        return true;
    // A damaged file is kept for whoever wants to look at it, and the history goes on in a new one.
    return damaged && MoveAside();
}

bool HistoryStore::MoveAside()
{
    m_connection.reset();
    // Another program (or thread) may have found the damage first and started
    // a new file: that one is not moved aside again.
    bool damaged = false;
    if (OpenOnce(damaged))
        return true;
    if (!damaged)
        return false;
    const QString path = QFile::decodeName(m_path.c_str());
    const QString aside = AsideName(path);
    // The journal first: left beside a new file, SQLite would play it into that one.
    const QString journal = path + QStringLiteral("-wal");
    if (QFile::exists(journal) && !QFile::rename(journal, aside + QStringLiteral("-wal"))) {
        m_error = LoadString(IDS_HISTORY_NOT_MOVED);
        return false;
    }
    QFile::remove(path + QStringLiteral("-shm")); // rebuilt from nothing
    if (!QFile::rename(path, aside)) {
        m_error = LoadString(IDS_HISTORY_NOT_MOVED);
        return false;
    }
    m_movedAside = QFile::encodeName(aside).toStdString();
    return OpenOnce(damaged);
}

bool HistoryStore::OpenOnce(bool& damaged)
{
    damaged = false;
    auto connection = std::make_unique<Connection>(QFile::decodeName(m_path.c_str()));
    if (!connection->db.open())
        return Fail(connection->db.lastError());
    KeepToDeadline(connection->db);
    QSqlQuery query(connection->db);
    const auto run = [&](const QString& statement) {
        if (query.exec(statement))
            return true;
        Fail(query.lastError());
        damaged = m_damaged;
        return false;
    };
    // WAL: readers never wait for the writer, and a killed writer leaves the
    // file as it was before its unfinished transaction. Turning a new file to
    // WAL needs it alone, and SQLite does not wait for that: another program
    // making the file at the same moment is waited for here.
    while (!query.exec(QStringLiteral("PRAGMA journal_mode=WAL"))) {
        if (!SaysBusy(query.lastError()) || m_deadline.hasExpired()) {
            Fail(query.lastError());
            damaged = m_damaged;
            return false;
        }
        QThread::msleep(10);
        KeepToDeadline(connection->db);
    }
    if (!run(QStringLiteral("PRAGMA foreign_keys=ON")) || !run(QStringLiteral("PRAGMA synchronous=FULL")))
        return false;
    // The form is checked and brought up to date under the write lock, so two
    // programs starting at once do it once.
    if (!run(QStringLiteral("PRAGMA user_version")) || !query.next())
        return false;
    if (query.value(0).toInt() != HISTORY_SCHEMA_VERSION) {
        if (!run(QStringLiteral("BEGIN IMMEDIATE")))
            return false;
        if (!run(QStringLiteral("PRAGMA user_version")) || !query.next())
            return false;
        int version = query.value(0).toInt();
        query.finish();
        if (version > HISTORY_SCHEMA_VERSION) {
            run(QStringLiteral("ROLLBACK"));
            m_error = LoadString(IDS_HISTORY_NEWER);
            return false;
        }
        // No version of this program writes a number below 0: the file was
        // changed by hand or by another program, and is not made over.
        if (version < 0) {
            run(QStringLiteral("ROLLBACK"));
            m_error = FormatString(IDS_HISTORY_UNKNOWN_VERSION, version);
            return false;
        }
        if (version < 1) {
            for (const char* statement : SCHEMA_1) {
                if (!run(QString::fromLatin1(statement))) {
                    run(QStringLiteral("ROLLBACK"));
                    return false;
                }
            }
            version = 1;
        }
        for (; version < HISTORY_SCHEMA_VERSION; ++version) {
            QStringList statements;
            for (const HistoryColumn& column : HISTORY_COLUMNS) {
                if (column.since == version + 1)
                    statements << QStringLiteral("ALTER TABLE entries ADD COLUMN %1 %2")
                                      .arg(QLatin1String(column.name), QLatin1String(column.sqlType));
            }
            for (const SchemaStep& step : SCHEMA_STEPS) {
                if (step.version == version + 1)
                    statements << QString::fromLatin1(step.statement);
            }
            for (const QString& statement : statements) {
                if (!run(statement)) {
                    run(QStringLiteral("ROLLBACK"));
                    return false;
                }
            }
        }
        if (!run(QStringLiteral("PRAGMA user_version=%1").arg(version)) || !run(QStringLiteral("COMMIT"))) {
            run(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    // A file whose tables cannot be read is damaged, whatever its header says.
    if (!run(QStringLiteral("SELECT count(*) FROM fleet_runs WHERE id = 0")))
        return false;
    query.finish();
    connection->insert.emplace(connection->db);
    if (!connection->insert->prepare(InsertEntry())) {
        Fail(connection->insert->lastError());
        damaged = m_damaged;
        return false;
    }
    m_connection = std::move(connection);
    return true;
}

bool HistoryStore::Insert(HistoryEntry& entry)
{
    if (entry.uuid.empty())
        entry.uuid = QUuid::createUuid().toString(QUuid::WithoutBraces).toStdString();
    QSqlQuery& insert = *m_connection->insert;
    // In the order InsertEntry names the columns.
    int place = 0;
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if ((column.flags & HISTORY_KEY) == 0)
            insert.bindValue(place++, ValueOf(entry, column));
    }
    KeepToDeadline(m_connection->db);
    const bool inserted = insert.exec();
    if (inserted)
        entry.id = insert.lastInsertId().toLongLong();
    else
        Fail(insert.lastError());
    insert.finish();
    return inserted;
}

bool HistoryStore::Add(HistoryEntry& entry)
{
    const Call call(*this);
    for (int attempt = 0; attempt < 2; ++attempt) {
        if (!Open())
            return false;
        if (Insert(entry))
            return true;
        // Damage found only now: the entry goes into a new file.
        if (!m_damaged || !MoveAside())
            return false;
    }
    return false;
}

bool HistoryStore::AddAll(std::vector<HistoryEntry>& entries)
{
    const Call call(*this);
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    if (!query.exec(QStringLiteral("BEGIN IMMEDIATE")))
        return Fail(query.lastError());
    for (HistoryEntry& entry : entries) {
        if (!Insert(entry)) {
            query.exec(QStringLiteral("ROLLBACK"));
            return false;
        }
    }
    return query.exec(QStringLiteral("COMMIT")) || Fail(query.lastError());
}

int64_t HistoryStore::BeginRun(const HistoryRun& run)
{
    const Call call(*this);
    if (!Open())
        return 0;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral("INSERT INTO fleet_runs (settings_file, settings_sha256, ports, count, started_utc)"
                                 " VALUES (?, ?, ?, ?, ?)"));
    Bind(query, { Text(run.settingsFile), Text(run.settingsSha256), Text(run.ports), run.count, Text(run.started) });
    if (!query.exec())
        return Fail(query.lastError()), 0;
    return query.lastInsertId().toLongLong();
}

bool HistoryStore::EndRun(int64_t id, const std::string& ended)
{
    const Call call(*this);
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral("UPDATE fleet_runs SET ended_utc = ? WHERE id = ?"));
    Bind(query, { Text(ended), static_cast<qlonglong>(id) });
    return query.exec() || Fail(query.lastError());
}

std::vector<HistoryEntry> HistoryStore::Find(const HistoryFilter& filter, int offset, int limit, bool withSettings)
{
    if (!Open())
        return {};
    QVariantList values;
    QString statement = SelectEntries(withSettings) + HistoryWhere(filter, values, HistoryDialect::SQLite)
        + QStringLiteral(" ORDER BY time_utc DESC, id DESC LIMIT ? OFFSET ?");
    values << limit << offset;
    return Select(statement, values);
}

std::vector<HistoryEntry> HistoryStore::Select(const QString& statement, const QVariantList& values)
{
    std::vector<HistoryEntry> entries;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    query.prepare(statement);
    Bind(query, values);
    if (!query.exec()) {
        Fail(query.lastError());
        return entries;
    }
    const ColumnPlaces places = PlacesIn(query.record());
    while (query.next())
        entries.push_back(EntryFrom(query, places));
    return entries;
}

std::vector<HistoryEntry> HistoryStore::FindAfter(const HistoryFilter& filter, int64_t afterId, int limit)
{
    if (!Open())
        return {};
    QVariantList values;
    const QString after = HistoryAfter(filter, afterId, limit, values, HistoryDialect::SQLite);
    return Select(SelectEntries(true) + after, values);
}

int HistoryStore::Count(const HistoryFilter& filter)
{
    if (!Open())
        return 0;
    QVariantList values;
    QSqlQuery query(m_connection->db);
    query.prepare(HistoryCount(filter, values, HistoryDialect::SQLite));
    Bind(query, values);
    if (!query.exec() || !query.next())
        return Fail(query.lastError()), 0;
    return query.value(0).toInt();
}

std::optional<HistoryEntry> HistoryStore::Get(int64_t id)
{
    if (!Open())
        return std::nullopt;
    std::vector<HistoryEntry> found
        = Select(SelectEntries(true) + QStringLiteral(" WHERE id = ?"), { static_cast<qlonglong>(id) });
    if (found.empty())
        return std::nullopt;
    return std::move(found.front());
}

std::optional<HistoryRun> HistoryStore::Run(int64_t id)
{
    if (!Open())
        return std::nullopt;
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral("SELECT id, settings_file, settings_sha256, ports, count, started_utc, ended_utc"
                                 " FROM fleet_runs WHERE id = ?"));
    query.addBindValue(static_cast<qlonglong>(id));
    if (!query.exec()) {
        Fail(query.lastError());
        return std::nullopt;
    }
    if (!query.next())
        return std::nullopt;
    return RunFrom(query);
}

std::optional<DataFileBytes> HistoryStore::SettingsBefore(const HistoryEntry& write)
{
    if (write.settingsRead)
        return write.settingsRead;
    if (!Open())
        return std::nullopt;
    // What the radio last held: read from it, or written to it by a write that
    // succeeded. Entries are numbered as they were added, whatever a computer's
    // clock said then. The radio is the one of this ID when the write has one;
    // else the one whose information text is the same (a fleet's radios all
    // give the same).
    QSqlQuery query(m_connection->db);
    query.prepare(QStringLiteral(
                      "SELECT CASE WHEN result = 'succeeded' AND settings_written IS NOT NULL THEN settings_written"
                      " ELSE settings_read END FROM entries WHERE %1 = ? AND id < ?"
                      " AND (settings_read IS NOT NULL OR (result = 'succeeded' AND settings_written IS NOT NULL))"
                      " ORDER BY id DESC LIMIT 1")
                      .arg(write.radioId.empty() ? QStringLiteral("radio_info") : QStringLiteral("radio_id")));
    Bind(query, { Text(write.radioId.empty() ? write.radioInfo : write.radioId), static_cast<qlonglong>(write.id) });
    if (!query.exec() || !query.next())
        return std::nullopt;
    return Bytes(query.value(0));
}

int HistoryStore::RemoveOlderThan(const std::string& time, bool keepWaiting)
{
    const Call call(*this);
    if (!Open())
        return -1;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    const auto run = [&](const QString& statement, const QVariantList& values) { return Exec(query, statement, values); };
    // What is removed is gone from the file too, not left in its free pages:
    // the entries hold user and host names.
    if (!run(QStringLiteral("PRAGMA secure_delete=ON"), {}) || !run(QStringLiteral("BEGIN IMMEDIATE"), {}))
        return -1;
    // A file that has sent entries to a depot's record keeps what still waits
    // even when this program was not told of the record this time.
    if (!keepWaiting && run(QStringLiteral("SELECT 1 FROM journal WHERE last_hash <> ''"), {}))
        keepWaiting = query.next();
    query.finish();
    const QString waiting = keepWaiting ? QStringLiteral(" AND chain_hash IS NOT NULL") : QString();
    if (!run(QStringLiteral("DELETE FROM entries WHERE time_utc < ?") + waiting, { Text(time) })) {
        QSqlQuery(m_connection->db).exec(QStringLiteral("ROLLBACK"));
        return -1;
    }
    const int removed = query.numRowsAffected();
    // A run whose start or end the depot's record has not had yet stays as its entries do.
    const QString runWaiting = keepWaiting ? QStringLiteral(" AND sent = 2") : QString();
    if (!run(QStringLiteral("DELETE FROM fleet_runs WHERE started_utc < ? AND id NOT IN"
                            " (SELECT fleet_run FROM entries WHERE fleet_run IS NOT NULL)")
                 + runWaiting,
             { Text(time) })
        || !run(QStringLiteral("COMMIT"), {})) {
        QSqlQuery(m_connection->db).exec(QStringLiteral("ROLLBACK"));
        return -1;
    }
    // The journal's copies of the old pages go as well; another program still
    // reading keeps them for a moment, which only delays this.
    run(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"), {});
    return removed;
}

std::vector<std::string> HistoryStore::Operations()
{
    return Open() ? HistoryDistinct(m_connection->db, "operation") : std::vector<std::string>();
}

std::vector<std::string> HistoryStore::Results()
{
    return Open() ? HistoryDistinct(m_connection->db, "result") : std::vector<std::string>();
}

bool HistoryStore::Waiting(int limit, HistoryJournal& journal, std::vector<HistoryEntry>& entries)
{
    const Call call(*this);
    entries.clear();
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    // One read transaction: the journal's last hash and the entries after it as one moment saw them.
    QSqlQuery query(m_connection->db);
    if (!query.exec(QStringLiteral("BEGIN")))
        return Fail(query.lastError());
    const auto end = [&](bool done) {
        query.finish();
        QSqlQuery(m_connection->db).exec(QStringLiteral("COMMIT"));
        return done;
    };
    if (!query.exec(QStringLiteral("SELECT id, last_hash FROM journal")) || !query.next())
        return end(Fail(query.lastError()));
    journal.id = Text(query.value(0));
    journal.lastHash = Text(query.value(1));
    query.finish();
    QVariantList values{ limit };
    entries = Select(SelectEntries(true) + QStringLiteral(" WHERE chain_hash IS NULL ORDER BY id LIMIT ?"), values);
    return end(m_error.empty());
}

int HistoryStore::WaitingCount()
{
    if (!Open())
        return -1;
    QSqlQuery query(m_connection->db);
    if (!query.exec(QStringLiteral("SELECT count(*) FROM entries WHERE chain_hash IS NULL")) || !query.next())
        return Fail(query.lastError()), -1;
    return query.value(0).toInt();
}

bool HistoryStore::MarkSent(const std::string& journal, const std::vector<HistorySent>& sent)
{
    const Call call(*this);
    if (sent.empty())
        return true;
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    const auto run = [&](const QString& statement, const QVariantList& values) { return Exec(query, statement, values); };
    if (!run(QStringLiteral("BEGIN IMMEDIATE"), {}))
        return false;
    const auto rollBack = [&] {
        QSqlQuery(m_connection->db).exec(QStringLiteral("ROLLBACK"));
        return false;
    };
    // Another program sending the same entries at the same time computed the
    // same hashes: an entry it marked first is left as it is.
    for (const HistorySent& entry : sent) {
        if (!run(QStringLiteral("UPDATE entries SET chain_hash = ?, chain_journal = ? WHERE id = ? AND chain_hash IS NULL"),
                 { Text(entry.hash), Text(journal), static_cast<qlonglong>(entry.id) }))
            return rollBack();
    }
    if (!run(QStringLiteral("UPDATE journal SET last_hash = ? WHERE NOT EXISTS"
                            " (SELECT 1 FROM entries WHERE chain_hash IS NOT NULL AND id > ?)"),
             { Text(sent.back().hash), static_cast<qlonglong>(sent.back().id) })
        || !run(QStringLiteral("COMMIT"), {}))
        return rollBack();
    return true;
}

bool HistoryStore::SentEntries(HistoryJournal& journal, std::vector<HistorySent>& sent)
{
    sent.clear();
    if (!Open())
        return false;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, last_hash FROM journal")) || !query.next())
        return Fail(query.lastError());
    journal.id = Text(query.value(0));
    journal.lastHash = Text(query.value(1));
    if (!query.exec(QStringLiteral(
            "SELECT id, uuid, chain_hash, chain_journal FROM entries WHERE chain_hash IS NOT NULL ORDER BY id")))
        return Fail(query.lastError());
    while (query.next())
        sent.push_back(HistorySent{ query.value(0).toLongLong(), Text(query.value(1)), Text(query.value(2)),
                                    Text(query.value(3)) });
    return true;
}

std::vector<HistoryRun> HistoryStore::RunsToSend()
{
    std::vector<HistoryRun> runs;
    if (!Open())
        return runs;
    QSqlQuery query(m_connection->db);
    query.setForwardOnly(true);
    if (!query.exec(QStringLiteral("SELECT id, settings_file, settings_sha256, ports, count, started_utc, ended_utc"
                                   " FROM fleet_runs WHERE sent = 0 OR (sent = 1 AND ended_utc IS NOT NULL) ORDER BY id"))) {
        Fail(query.lastError());
        return runs;
    }
    while (query.next())
        runs.push_back(RunFrom(query));
    return runs;
}

bool HistoryStore::MarkRunsSent(const std::vector<HistoryRun>& runs)
{
    const Call call(*this);
    if (runs.empty())
        return true;
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    for (const HistoryRun& run : runs) {
        query.prepare(QStringLiteral("UPDATE fleet_runs SET sent = max(sent, ?) WHERE id = ?"));
        Bind(query, { run.ended.empty() ? 1 : 2, static_cast<qlonglong>(run.id) });
        if (!query.exec())
            return Fail(query.lastError());
    }
    return true;
}

bool HistoryStore::NewJournal()
{
    const Call call(*this);
    if (!Open())
        return false;
    KeepToDeadline(m_connection->db);
    QSqlQuery query(m_connection->db);
    const auto run = [&](const QString& statement, const QVariantList& values) { return Exec(query, statement, values); };
    // The runs go again under the new name; the record keeps each once.
    const QString id = QUuid::createUuid().toString(QUuid::WithoutBraces);
    if (!run(QStringLiteral("BEGIN IMMEDIATE"), {}))
        return false;
    if (!run(QStringLiteral("UPDATE journal SET id = ?, last_hash = ''"), { id })
        || !run(QStringLiteral("UPDATE fleet_runs SET sent = 0"), {}) || !run(QStringLiteral("COMMIT"), {})) {
        QSqlQuery(m_connection->db).exec(QStringLiteral("ROLLBACK"));
        return false;
    }
    return true;
}
