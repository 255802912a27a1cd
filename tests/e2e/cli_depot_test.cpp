// The depot's record on a real PostgreSQL server: benches sending at once and
// again, a server that refuses or goes away while a fleet runs, and the checks
// and filters that read the whole record back.
#include "app/history_store.h"
#include "tests/support/cli_bench.h"
#include "tests/support/postgres_server.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QString>

#include <chrono>
#include <future>
#include <thread>

namespace {

// The cluster, each of its failures a test's failure.
class PostgresServer : public PostgresCluster {
public:
    PostgresServer() { EXPECT_EQ(Error(), ""); }
    ~PostgresServer() { EXPECT_EQ(Error(), ""); }
    bool Start()
    {
        const bool started = PostgresCluster::Start();
        EXPECT_EQ(Error(), "");
        return started;
    }
    std::string Sql(const std::string& statement)
    {
        const std::string rows = PostgresCluster::Sql(statement);
        EXPECT_EQ(Error(), "");
        return rows;
    }
};

QJsonArray Entries(const ProgramResult& result)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object()[QLatin1String("entries")].toArray();
}

// A bench of its own: a data folder whose history holds `count` entries.
struct Bench {
    Bench(const std::string& name, int count)
    {
        ::mkdir(folder.Path("config").c_str(), 0755);
        std::vector<HistoryEntry> entries;
        for (int i = 0; i < count; ++i) {
            HistoryEntry entry;
            entry.time = "2026-12-0" + std::to_string(1 + i % 9) + "T08:00:00.000Z";
            entry.user = "tech";
            entry.host = name + "-pc";
            entry.bench = name;
            entry.radioInfo = i % 2 ? "SR-9 R02.10" : "TX-4 R01.00";
            // A NUL, the character the server's texts escape with, and one of the
            // private range the history maps bytes into: each comes back as it was.
            if (i == 8)
                entry.radioInfo = std::string("TX-4 \0 \xEF\x9C\x80 \xEF\xA3\xBF", 14);
            entry.radioId = "R-" + std::to_string(i % 10);
            entry.operation = "read";
            entry.result = i % 3 ? "succeeded" : "failed";
            entry.messages = { "message " + std::to_string(i) };
            entries.push_back(entry);
        }
        HistoryStore store(Path());
        EXPECT_TRUE(store.AddAll(entries)) << store.Error();
    }

    std::string Path() const { return folder.Path("data/Ardentec/Vigilon OSS/history.sqlite"); }

    ProgramResult Run(std::vector<std::string> args, const PostgresServer& server, const std::string& login = "bench")
    {
        args.insert(args.begin(), { "--history-server", server.Uri(login) });
        return RunCli(args, std::string(),
                      { { "XDG_CONFIG_HOME", folder.Path("config") }, { "XDG_DATA_HOME", folder.Path("data") },
                        { "PGPASSFILE", server.passwordFile }, { "LANGUAGE", "en" } });
    }

    TempFolder folder;
};

} // namespace

// Two benches send at once, one sends everything again, and the record holds
// each entry once, its chains whole, read back through every filter; a row
// changed or removed on the server is then found.
TEST(DepotRecord, BenchesSendAtOnceAndAgainAndTheRecordShowsWhatWasChanged)
{
    PostgresServer server;
    Bench a("bench-a", 300);
    Bench b("bench-b", 200);
    // The benches' login may not make the tables; the owner's may, once.
    const ProgramResult refused = a.Run({ "history", "sync" }, server);
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("it has no tables yet"), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out, "0 uploaded, 300 waiting\n");
    Bench empty("owner", 0);
    ASSERT_EQ(empty.Run({ "history", "sync" }, server, "depot_owner").status, 0);
    server.GrantBenches();

    auto first = std::async(std::launch::async, [&] { return a.Run({ "history", "sync" }, server); });
    const ProgramResult second = b.Run({ "history", "sync" }, server);
    const ProgramResult firstDone = first.get();
    EXPECT_EQ(firstDone.status, 0) << firstDone.err;
    EXPECT_EQ(firstDone.out, "300 uploaded, 0 waiting\n");
    EXPECT_EQ(second.status, 0) << second.err;
    EXPECT_EQ(second.out, "200 uploaded, 0 waiting\n");

    // Bench a lost its notes of what it sent: it sends everything again, and nothing is added twice.
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("forget"));
        db.setDatabaseName(QString::fromStdString(a.Path()));
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("UPDATE entries SET chain_hash = NULL"));
        QSqlQuery(db).exec(QStringLiteral("UPDATE journal SET last_hash = ''"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("forget"));
    EXPECT_EQ(a.Run({ "history", "sync" }, server).out, "0 uploaded, 0 waiting\n");
    EXPECT_EQ(server.Sql("SELECT count(*), count(DISTINCT uuid), count(DISTINCT journal) FROM entries"), "500|500|2\n");
    const ProgramResult whole = a.Run({ "history", "verify" }, server);
    EXPECT_EQ(whole.status, 0) << whole.out << whole.err;
    EXPECT_EQ(whole.out, "The depot's record holds 500 entries (benches: 2); every bench's chain is whole.\n");

    // Bench b's file copied onto another computer: both go on, and the one that
    // sends second goes on as a journal of its own instead of failing for good.
    Bench copy("bench-c", 0);
    ::system(("mkdir -p '" + copy.folder.Path("data/Ardentec/Vigilon OSS") + "' && cp '" + b.Path() + "' '"
              + copy.Path() + "'")
                 .c_str());
    for (Bench* bench : { &copy, &b }) {
        HistoryEntry more;
        more.time = "2026-12-09T09:00:00.000Z";
        more.operation = "read";
        more.result = "succeeded";
        HistoryStore store(bench->Path());
        ASSERT_TRUE(store.Add(more)) << store.Error();
    }
    EXPECT_EQ(copy.Run({ "history", "sync" }, server).out, "1 uploaded, 0 waiting\n");
    const ProgramResult rejournalled = b.Run({ "history", "sync" }, server);
    EXPECT_EQ(rejournalled.out, "1 uploaded, 0 waiting\n") << rejournalled.err;
    EXPECT_EQ(b.Run({ "history", "verify" }, server).status, 0);

    // Every filter reads the whole depot: R-3 is 30 entries on bench a and 20 on b.
    const QJsonArray byId = Entries(b.Run({ "--json", "history", "--all-benches", "--radio-id", "R-3" }, server));
    ASSERT_EQ(byId.size(), 50);
    // The odd radio text reads the same from the record as from the bench's file.
    const auto oddText = [](const QJsonArray& entries) {
        for (const QJsonValue& entry : entries) {
            const QString radio = entry[QLatin1String("radio")].toString();
            if (radio.startsWith(QLatin1String("TX-4 ")) && radio != QLatin1String("TX-4 R01.00"))
                return radio;
        }
        return QString();
    };
    const QString local = oddText(Entries(a.Run({ "--json", "history", "--radio-id", "R-8" }, server)));
    EXPECT_EQ(local.size(), 10) << local.toStdString();
    EXPECT_EQ(oddText(Entries(b.Run({ "--json", "history", "--all-benches", "--radio-id", "R-8" }, server))), local);
    const QJsonArray failedTx
        = Entries(b.Run({ "--json", "history", "--all-benches", "--failed", "--radio", "tx-4", "--since", "2026-12-09" }, server));
    int expected = 0;
    for (int i = 0; i < 300; ++i)
        expected += i % 3 == 0 && i % 2 == 0 && i % 9 == 8 ? 1 : 0;
    for (int i = 0; i < 200; ++i)
        expected += i % 3 == 0 && i % 2 == 0 && i % 9 == 8 ? 1 : 0;
    EXPECT_EQ(failedTx.size(), expected);
    for (const QJsonValue& entry : failedTx)
        EXPECT_EQ(entry[QLatin1String("result")].toString(), QStringLiteral("failed"));
    const ProgramResult csv = b.Run({ "history", "--all-benches", "--csv", "--radio-id", "R-3" }, server);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 51) << csv.err;
    const std::string id = std::to_string(byId[0][QLatin1String("id")].toInt());
    const ProgramResult shown = b.Run({ "history", "--all-benches", "show", id }, server);
    EXPECT_EQ(shown.status, 0) << shown.err;
    EXPECT_NE(shown.out.find("Radio ID: R-3\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("Bench: bench-"), std::string::npos) << shown.out;

    // Changed on the server by someone with more rights than the benches: found.
    server.Sql("UPDATE entries SET radio_id = 'R-33' WHERE id = " + id);
    server.Sql("DELETE FROM entries WHERE journal_seq = 10");
    const ProgramResult faults = a.Run({ "history", "verify" }, server);
    EXPECT_EQ(faults.status, 1);
    EXPECT_NE(faults.out.find("Entry " + id + " (bench bench-"), std::string::npos) << faults.out;
    EXPECT_NE(faults.out.find("was changed after it was sent"), std::string::npos) << faults.out;
    EXPECT_NE(faults.out.find("(bench bench-a, its entry 11) an entry was removed or changed"), std::string::npos)
        << faults.out;
    EXPECT_NE(faults.out.find("(bench bench-b, its entry 11) an entry was removed or changed"), std::string::npos)
        << faults.out;
    EXPECT_NE(faults.out.find("This bench sent its entry 10, but the depot's record no longer holds it."),
              std::string::npos)
        << faults.out;
}

// A login the server refuses, or a server that stops while a fleet runs, fails
// no operation: the entries wait in the bench's own file and all arrive, each
// once, when the server answers again.
TEST(DepotRecord, ARefusedLoginOrAStoppedServerFailsNoOperationAndLosesNoEntry)
{
    PostgresServer server;
    Bench owner("owner", 0);
    ASSERT_EQ(owner.Run({ "history", "sync" }, server, "depot_owner").status, 0);
    server.GrantBenches();

    CliBench bench({ "--fleet", "4", "--swap-ms", "300", "--unplug-after", "500" });
    const std::string wrong = bench.folder.Path("wrong-pgpass");
    std::ofstream(wrong) << "*:*:*:bench:not-the-password\n";
    ::chmod(wrong.c_str(), 0600);
    bench.environment["PGPASSFILE"] = wrong;
    const std::string read = bench.folder.Path("read.vgd");
    EXPECT_EQ(bench.Run({ "--history-server", server.Uri(), "read", read }).status, 0);
    const ProgramResult refused = bench.Run({ "--history-server", server.Uri(), "history", "sync" });
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find("password authentication failed for user \"bench\""), std::string::npos) << refused.err;
    EXPECT_EQ(refused.out, "0 uploaded, 1 waiting\n");

    // The server stops once the fleet's first radio arrived there.
    bench.environment["PGPASSFILE"] = server.passwordFile;
    auto fleet = std::async(std::launch::async, [&] {
        return bench.Run({ "--yes", "--history-server", server.Uri(), "fleet", "--count", "4", read });
    });
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
    std::string arrived;
    while (std::chrono::steady_clock::now() < deadline
           && (arrived = server.Sql("SELECT count(*) FROM entries WHERE operation = 'fleet'")) == "0\n")
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    server.Stop();
    const ProgramResult programmed = fleet.get();
    EXPECT_EQ(programmed.status, 0) << programmed.out << programmed.err;
    EXPECT_NE(programmed.out.find("4 radios programmed, 0 failed."), std::string::npos) << programmed.out;
    ASSERT_TRUE(arrived == "1\n" || arrived == "2\n" || arrived == "3\n")
        << "the server was to stop while the fleet ran, after " << arrived;

    ASSERT_TRUE(server.Start());
    const ProgramResult synced = bench.Run({ "--history-server", server.Uri(), "history", "sync" });
    EXPECT_EQ(synced.status, 0) << synced.err;
    EXPECT_EQ(server.Sql("SELECT count(*), count(DISTINCT uuid) FROM entries WHERE operation = 'fleet'"), "4|4\n");
    EXPECT_EQ(server.Sql("SELECT count(*) FROM entries"), "5\n");
    // The run's start and its end, which came after the last radio.
    EXPECT_EQ(server.Sql("SELECT count(*) FROM fleet_runs NATURAL JOIN fleet_run_ends"), "1\n");
    EXPECT_EQ(bench.Run({ "--history-server", server.Uri(), "history", "verify" }).status, 0);
}
