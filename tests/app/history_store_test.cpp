// The service history's file under the worst a desktop gives it: a writer killed
// in the middle of a transaction, two programs adding at once, another program
// holding it locked, and texts that are not UTF-8.
#include "app/history_store.h"
#include "app/history_text.h"
#include "app/service_history.h"
#include "tests/support/held_history.h"
#include "tests/support/recording_presenter.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QRegularExpression>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
#include <condition_variable>
#include <future>
#include <mutex>
#include <thread>
#include <unistd.h>

namespace {

// history-writer in the background, its committed counts read line by line.
class Writer {
public:
    Writer(const std::string& path, int count, const std::string& tag, int batch)
    {
        int out[2];
        EXPECT_EQ(::pipe(out), 0);
        m_pid = ::fork();
        if (m_pid == 0) {
            ::dup2(out[1], STDOUT_FILENO);
            ::close(out[0]);
            ::close(out[1]);
            const std::string counted = std::to_string(count);
            const std::string batched = std::to_string(batch);
            ::execl(HISTORY_WRITER, HISTORY_WRITER, path.c_str(), counted.c_str(), tag.c_str(), batched.c_str(),
                    static_cast<char*>(nullptr));
            ::_exit(127);
        }
        ::close(out[1]);
        m_out = ::fdopen(out[0], "r");
    }
    ~Writer()
    {
        if (m_pid > 0)
            Wait();
        std::fclose(m_out);
    }
    // Reads the next line; false at the end of the output.
    bool Next()
    {
        char line[64] = {};
        if (!std::fgets(line, sizeof(line), m_out))
            return false;
        if (std::strcmp(line, "open\n") != 0)
            committed = std::atoi(line);
        return true;
    }
    void Kill() { ::kill(m_pid, SIGKILL); }
    int Wait()
    {
        int status = 0;
        ::waitpid(m_pid, &status, 0);
        m_pid = -1;
        return status;
    }

    int committed = 0; // entries the writer said were committed

private:
    pid_t m_pid = -1;
    std::FILE* m_out = nullptr;
};

// The file as SQLite itself sees it, apart from the store.
struct Inspection {
    std::string integrity;
    int entries = -1;
};

Inspection Inspect(const std::string& path, const std::string& tag = std::string())
{
    Inspection seen;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("inspection"));
        db.setDatabaseName(QString::fromStdString(path));
        if (db.open()) {
            QSqlQuery query(db);
            if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
                seen.integrity = query.value(0).toString().toStdString();
            query.prepare(QStringLiteral("SELECT count(*) FROM entries WHERE ? = '' OR radio_info = ?"));
            query.addBindValue(QString::fromStdString(tag));
            query.addBindValue(QString::fromStdString(tag));
            if (query.exec() && query.next())
                seen.entries = query.value(0).toInt();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("inspection"));
    return seen;
}

class HistoryFile : public ::testing::Test {
protected:
    void SetUp() override
    {
        static int argc = 1;
        static char name[] = "history_tests";
        static char* argv[] = { name, nullptr };
        if (!QCoreApplication::instance())
            new QCoreApplication(argc, argv);
    }
    TempFolder folder;
    std::string path = folder.Path("history.sqlite");
};

} // namespace

TEST_F(HistoryFile, AWriterKilledInTheMiddleOfItsTransactionsLeavesEveryCommittedEntryIntact)
{
    // Batches of 200: the kill lands inside a transaction nearly every time.
    Writer writer(path, 1000000, "killed", 200);
    while (writer.Next() && writer.committed < 2000) {
    }
    writer.Kill();
    while (writer.Next()) {
    }
    writer.Wait();
    ASSERT_GE(writer.committed, 2000);
    const Inspection seen = Inspect(path);
    EXPECT_EQ(seen.integrity, "ok");
    EXPECT_GE(seen.entries, writer.committed) << "an entry said to be committed is missing";
    EXPECT_EQ(seen.entries % 200, 0) << "part of a transaction survived the kill";

    // The history goes on after it.
    HistoryStore store(path);
    HistoryEntry entry;
    entry.operation = "read";
    entry.result = "succeeded";
    ASSERT_TRUE(store.Add(entry)) << store.Error();
    EXPECT_EQ(store.Count(HistoryFilter()), seen.entries + 1);
}

TEST_F(HistoryFile, TwoProgramsAddingAtOnceLoseNoEntry)
{
    Writer first(path, 500, "first", 1);
    Writer second(path, 500, "second", 1);
    while (first.Next()) {
    }
    while (second.Next()) {
    }
    EXPECT_EQ(first.Wait(), 0);
    EXPECT_EQ(second.Wait(), 0);
    EXPECT_EQ(first.committed, 500);
    EXPECT_EQ(second.committed, 500);
    EXPECT_EQ(Inspect(path, "first").entries, 500);
    EXPECT_EQ(Inspect(path, "second").entries, 500);
    EXPECT_EQ(Inspect(path).integrity, "ok");
}

namespace {

double SecondsSince(std::chrono::steady_clock::time_point start)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

} // namespace

TEST_F(HistoryFile, AHistoryHeldByAnotherProgramIsWaitedForOnlyThePatienceOfOneCall)
{
    ASSERT_TRUE(HistoryStore(path).Open());
    HeldHistory held(path, true);
    HistoryStore store(path);
    store.SetPatience(1000);
    HistoryEntry entry;
    entry.operation = "read";
    entry.result = "succeeded";
    const auto start = std::chrono::steady_clock::now();
    EXPECT_FALSE(store.Add(entry));
    const double waited = SecondsSince(start);
    EXPECT_TRUE(store.Busy());
    EXPECT_GE(waited, 0.9);
    EXPECT_LT(waited, 1.6) << "each statement waited the whole patience again";
}

TEST_F(HistoryFile, AFleetHandsItsEntriesOnAtOnceAndTheyLandOnceTheHistoryIsFree)
{
    // The history in the data folder, where the fleet looks for it.
    qputenv("XDG_DATA_HOME", QByteArray::fromStdString(folder.Path("data")));
    const std::string history = ServiceHistoryPath();
    ASSERT_TRUE(HistoryStore(history).Open());
    RecordingPresenter messages;
    HeldHistory held(history, false, 1500);
    FleetHistory fleet(HistoryKeeping(), folder.Path("fleet.vgd"), { "COM1", "COM2" }, 6);
    double slowest = 0;
    for (int radio = 0; radio < 6; ++radio) {
        FleetRow row;
        row.ok = true;
        row.record.begun = true;
        row.record.operation = "write";
        row.record.result = "succeeded";
        row.record.radioInfo = "RADIO-" + std::to_string(radio);
        const auto start = std::chrono::steady_clock::now();
        fleet.Add(row);
        slowest = std::max(slowest, SecondsSince(start));
    }
    EXPECT_LT(slowest, 0.05) << "a radio's entry held up the fleet's loop";
    fleet.End(TestContext());
    EXPECT_EQ(messages.Texts(), std::vector<std::string>()) << "every entry was to be added";
    HistoryFilter filter;
    filter.operation = "fleet";
    HistoryStore store(history);
    EXPECT_EQ(store.Count(filter), 6);
    qunsetenv("XDG_DATA_HOME");
}

TEST_F(HistoryFile, TextsFromTheRadioAreKeptByteForByteAndReachATerminalEscaped)
{
    HistoryStore store(path);
    std::vector<HistoryEntry> entries(4);
    // The last is a real character of the range that stands for such bytes.
    const std::string radios[] = { "SR-9 \xE9", "SR-9 \xE8", "SR-9 \x1b[2J\a\r", "SR-9 \xEF\x9E\x80" };
    for (size_t i = 0; i < entries.size(); ++i) {
        entries[i].operation = "read";
        entries[i].result = "succeeded";
        entries[i].radioInfo = radios[i];
        entries[i].device = "/dev/tty\xFF" + std::to_string(i);
    }
    ASSERT_TRUE(store.AddAll(entries)) << store.Error();
    HistoryFilter filter;
    filter.radio = "SR-9 \xE9";
    const std::vector<HistoryEntry> found = store.Find(filter);
    ASSERT_EQ(found.size(), 1u) << "a byte that is not UTF-8 matched another";
    EXPECT_EQ(found[0].radioInfo, radios[0]);
    EXPECT_EQ(store.Get(entries[1].id)->device, "/dev/tty\xFF" "1");
    EXPECT_EQ(store.Get(entries[3].id)->radioInfo, radios[3]);
    const std::string line = HistoryCsvLine(*store.Get(entries[2].id));
    EXPECT_NE(line.find("SR-9 \\x1b[2J\\x07\\x0d"), std::string::npos) << line;
    EXPECT_EQ(line.find_first_of("\x1b\a"), std::string::npos);
    EXPECT_EQ(line.find('\r'), line.size() - 2) << "only the row's own end is a carriage return";
}

TEST_F(HistoryFile, EveryFieldIsKeptInTheColumnOfItsNameAndReadBackByName)
{
    HistoryStore store(path);
    HistoryRun run;
    run.settingsFile = "site7.vgd";
    run.started = "2026-12-09T08:00:00.000Z";
    const int64_t runId = store.BeginRun(run);
    ASSERT_GT(runId, 0) << store.Error();
    DataFileBytes read{};
    DataFileBytes written{};
    for (size_t i = 0; i < read.size(); ++i) {
        read[i] = static_cast<uint8_t>(i);
        written[i] = static_cast<uint8_t>(0xF0 - i);
    }
    HistoryEntry entry;
    entry.time = "2026-12-09T08:12:40.123Z";
    entry.user = "kim";
    entry.host = "bench-2";
    entry.program = "vigilon-oss 0.1.0";
    entry.port = "COM1";
    entry.device = "/dev/ttyUSB0";
    entry.radioInfo = "SR-9 R02.10";
    entry.boardType = "Vigilon";
    entry.boardHardware = "R2";
    entry.boardSoftware = "1.04";
    entry.boardCodeplug = "01.00";
    entry.operation = "write";
    entry.result = "succeeded";
    entry.messages = { "Sure?", "Programmed." };
    entry.settingsRead = read;
    entry.settingsWritten = written;
    entry.verified = true;
    entry.backupFile = "/b/site7.vgd";
    entry.fleetRun = runId;
    entry.radioId = "4711";
    ASSERT_TRUE(store.Add(entry)) << store.Error();

    // The file's form, which every version of the program reads and writes.
    const auto blob = [](const DataFileBytes& bytes) {
        return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size()));
    };
    const std::pair<const char*, QByteArray> columns[] = {
        { "id", QByteArray::number(static_cast<qlonglong>(entry.id)) },
        { "time_utc", "2026-12-09T08:12:40.123Z" },
        { "user", "kim" },
        { "host", "bench-2" },
        { "program", "vigilon-oss 0.1.0" },
        { "port", "COM1" },
        { "device", "/dev/ttyUSB0" },
        { "radio_info", "SR-9 R02.10" },
        { "board_type", "Vigilon" },
        { "board_hardware", "R2" },
        { "board_software", "1.04" },
        { "board_codeplug", "01.00" },
        { "operation", "write" },
        { "result", "succeeded" },
        { "messages", R"(["Sure?","Programmed."])" },
        { "settings_read", blob(read) },
        { "settings_written", blob(written) },
        { "verified", "1" },
        { "backup_file", "/b/site7.vgd" },
        { "fleet_run", QByteArray::number(static_cast<qlonglong>(runId)) },
        { "radio_id", "4711" },
    };
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("columns"));
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        ASSERT_TRUE(query.exec(QStringLiteral("SELECT * FROM entries")) && query.next());
        for (const auto& [name, value] : columns)
            EXPECT_EQ(query.value(QString::fromLatin1(name)).toByteArray(), value) << name;
    }
    QSqlDatabase::removeDatabase(QStringLiteral("columns"));

    const auto same = [&](const HistoryEntry& back, bool whole) {
        EXPECT_EQ(back.id, entry.id);
        EXPECT_EQ(back.time, entry.time);
        EXPECT_EQ(back.user, entry.user);
        EXPECT_EQ(back.host, entry.host);
        EXPECT_EQ(back.program, entry.program);
        EXPECT_EQ(back.port, entry.port);
        EXPECT_EQ(back.device, entry.device);
        EXPECT_EQ(back.radioInfo, entry.radioInfo);
        EXPECT_EQ(back.boardType, entry.boardType);
        EXPECT_EQ(back.boardHardware, entry.boardHardware);
        EXPECT_EQ(back.boardSoftware, entry.boardSoftware);
        EXPECT_EQ(back.boardCodeplug, entry.boardCodeplug);
        EXPECT_EQ(back.operation, entry.operation);
        EXPECT_EQ(back.result, entry.result);
        EXPECT_EQ(back.verified, entry.verified);
        EXPECT_EQ(back.backupFile, entry.backupFile);
        EXPECT_EQ(back.fleetRun, entry.fleetRun);
        EXPECT_EQ(back.radioId, entry.radioId);
        // A list leaves out the messages and settings.
        EXPECT_EQ(back.messages, whole ? entry.messages : std::vector<std::string>());
        EXPECT_EQ(back.settingsRead, whole ? entry.settingsRead : std::nullopt);
        EXPECT_EQ(back.settingsWritten, whole ? entry.settingsWritten : std::nullopt);
    };
    const std::optional<HistoryEntry> whole = store.Get(entry.id);
    ASSERT_TRUE(whole.has_value()) << store.Error();
    same(*whole, true);
    const std::vector<HistoryEntry> listed = store.Find(HistoryFilter());
    ASSERT_EQ(listed.size(), 1u) << store.Error();
    same(listed[0], false);
}

// A history of the first form is brought up to date when opened: its entries
// stay, with no radio ID, their computer's name as their bench's and a UUID of
// their own; a new entry keeps its ID and is found by it.
TEST_F(HistoryFile, AFileOfTheFirstFormGainsTheNewColumnsAndKeepsItsEntries)
{
    HistoryEntry old;
    old.host = "bench-pc";
    old.time = "2026-12-01T08:00:00.000Z";
    old.radioInfo = "SR-9 R02.10";
    old.operation = "read";
    old.result = "succeeded";
    {
        HistoryStore store(path);
        ASSERT_TRUE(store.Add(old)) << store.Error();
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("older"));
        db.setDatabaseName(QString::fromStdString(path));
        ASSERT_TRUE(db.open());
        QSqlQuery query(db);
        for (const char* statement :
             { "DROP INDEX entries_by_radio_id", "ALTER TABLE entries DROP COLUMN radio_id", "DROP INDEX entries_by_uuid",
               "ALTER TABLE entries DROP COLUMN uuid", "ALTER TABLE entries DROP COLUMN bench", "DROP INDEX entries_waiting",
               "ALTER TABLE entries DROP COLUMN chain_hash", "ALTER TABLE entries DROP COLUMN chain_journal", "DROP TABLE journal", "ALTER TABLE fleet_runs DROP COLUMN sent",
               "PRAGMA user_version=1" })
            ASSERT_TRUE(query.exec(QString::fromLatin1(statement))) << statement;
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("older"));

    HistoryStore store(path);
    HistoryEntry tagged = old;
    tagged.radioId = "4711";
    ASSERT_TRUE(store.Add(tagged)) << store.Error();
    const std::vector<HistoryEntry> all = store.Find(HistoryFilter());
    ASSERT_EQ(all.size(), 2u) << store.Error();
    EXPECT_EQ(all[1].radioId, "");
    EXPECT_EQ(all[1].bench, "bench-pc");
    EXPECT_TRUE(QRegularExpression(QStringLiteral("^[0-9a-f]{8}-[0-9a-f]{4}-4[0-9a-f]{3}-[89ab][0-9a-f]{3}-[0-9a-f]{12}$"))
                    .match(QString::fromStdString(all[1].uuid))
                    .hasMatch())
        << all[1].uuid;
    EXPECT_NE(all[0].uuid, all[1].uuid);
    HistoryFilter byId;
    byId.radioId = "4711";
    const std::vector<HistoryEntry> found = store.Find(byId);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].id, tagged.id);
}
