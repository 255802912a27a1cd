// The service history's file under the worst a desktop gives it: a writer killed
// in the middle of a transaction, and two programs adding at once.
#include "frontend/history_store.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QVariant>

#include <csignal>
#include <cstdio>
#include <cstring>
#include <string>
#include <sys/wait.h>
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
