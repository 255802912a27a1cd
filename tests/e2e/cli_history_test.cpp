// The service history as the command-line tool keeps it: one entry per
// operation with the bytes that went each way, read back through `history`.
#include "tests/support/board_fixture.h"
#include "tests/support/cli_bench.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <unistd.h>

namespace {

QJsonObject Document(const ProgramResult& result)
{
    return QJsonDocument::fromJson(QByteArray::fromStdString(result.out)).object();
}

std::string Hex(const std::vector<uint8_t>& bytes)
{
    return QByteArray(reinterpret_cast<const char*>(bytes.data()), static_cast<int>(bytes.size())).toHex().toStdString();
}

std::string BytesOf(const QJsonObject& entry, const char* member)
{
    return entry[QLatin1String(member)].toObject()[QLatin1String("bytes")].toString().toStdString();
}

// A data file whose settings differ from a fresh board's: clock shift on.
std::vector<uint8_t> ClockShiftFile()
{
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    return bytes;
}

} // namespace

TEST(CliHistory, AReadAVerifiedWriteAndAFailedWriteAreThreeEntriesWithTheirBytes)
{
    // Frames 1-5 are the read, 6-11 the verified write; the board refuses the
    // third operation's write, its frame 15.
    CliBench bench({ "--fault", "write-refused@#15" });
    const std::string read = bench.folder.Path("read.vgd");
    ASSERT_EQ(bench.Run({ "read", read }).status, 0);
    const std::vector<uint8_t> changed = ClockShiftFile();
    const std::string file = bench.folder.Path("changed.vgd");
    WriteBytes(file, changed);
    ASSERT_EQ(bench.Run({ "--yes", "--verify", "write", file }).status, 0);
    ASSERT_EQ(bench.Run({ "--yes", "write", file }).status, 1);

    const ProgramResult listed = bench.Run({ "--json", "history" });
    ASSERT_EQ(listed.status, 0) << listed.err;
    const QJsonArray entries = Document(listed)[QLatin1String("entries")].toArray();
    ASSERT_EQ(entries.size(), 3);
    // Newest first.
    const QJsonObject failed = entries[0].toObject();
    const QJsonObject verified = entries[1].toObject();
    EXPECT_EQ(failed[QLatin1String("result")].toString(), QStringLiteral("failed"));
    EXPECT_FALSE(failed[QLatin1String("verified")].toBool());
    EXPECT_EQ(verified[QLatin1String("result")].toString(), QStringLiteral("succeeded"));
    EXPECT_TRUE(verified[QLatin1String("verified")].toBool());
    EXPECT_EQ(entries[2].toObject()[QLatin1String("operation")].toString(), QStringLiteral("read"));
    EXPECT_EQ(verified[QLatin1String("radio")].toString(), QStringLiteral("SR-9 R02.10"));

    const auto show = [&](const QJsonObject& entry) {
        const ProgramResult shown
            = bench.Run({ "--json", "history", "show", std::to_string(entry[QLatin1String("id")].toInt()) });
        EXPECT_EQ(shown.status, 0) << shown.err;
        return Document(shown)[QLatin1String("entry")].toObject();
    };
    EXPECT_EQ(BytesOf(show(entries[2].toObject()), "settingsRead"), Hex(ReadBytes(read)));
    const QJsonObject write = show(verified);
    EXPECT_EQ(BytesOf(write, "settingsWritten"), Hex(changed));
    EXPECT_EQ(write[QLatin1String("differences")].toArray().size(), 1) << "clock shift, against the read before it";
    const QJsonObject refused = show(failed);
    EXPECT_EQ(BytesOf(refused, "settingsWritten"), Hex(changed)) << "what was sent, though the board refused it";
    EXPECT_TRUE(refused[QLatin1String("settingsRead")].isNull());
    EXPECT_EQ(refused[QLatin1String("differences")].toArray().size(), 0)
        << "the board held what the verified write put there, not what the read found";
    EXPECT_FALSE(refused[QLatin1String("messages")].toArray().isEmpty());

    EXPECT_EQ(bench.Run({ "--no-history", "info" }).status, 0);
    EXPECT_EQ(Document(bench.Run({ "--json", "history", "--failed" }))[QLatin1String("entries")].toArray().size(), 1);
    EXPECT_EQ(Document(bench.Run({ "--json", "history" }))[QLatin1String("entries")].toArray().size(), 3)
        << "--no-history added an entry";
}

TEST(CliHistory, ADamagedHistoryIsMovedAsideAndTheOperationSucceedsWithAWarning)
{
    CliBench bench;
    const std::string folder = bench.folder.Path("data/Ardentec/Vigilon OSS");
    ASSERT_EQ(bench.Run({ "ports" }).status, 0);
    ::mkdir(bench.folder.Path("data").c_str(), 0755);
    ::mkdir(bench.folder.Path("data/Ardentec").c_str(), 0755);
    ::mkdir(folder.c_str(), 0755);
    const std::vector<uint8_t> garbage(4096, 0x5A);
    WriteBytes(folder + "/history.sqlite", garbage);

    const ProgramResult read = bench.Run({ "read", bench.folder.Path("a.vgd") });
    EXPECT_EQ(read.status, 0);
    EXPECT_NE(read.err.find("moved aside"), std::string::npos) << read.err;
    std::string aside;
    for (const std::string& name : ListFolder(folder)) {
        if (name.find("history-damaged-") == 0)
            aside = name;
    }
    ASSERT_FALSE(aside.empty()) << "the damaged file is kept";
    EXPECT_NE(read.err.find(aside), std::string::npos) << "the warning says where it went";
    EXPECT_EQ(ReadBytes(folder + "/" + aside), garbage);
    EXPECT_EQ(Document(bench.Run({ "--json", "history" }))[QLatin1String("entries")].toArray().size(), 1);
}

TEST(CliHistory, NoOutputOfAnyKindWritesOverTheHistoryOrItsOwnFiles)
{
    CliBench bench;
    const std::string folder = bench.folder.Path("data/Ardentec/Vigilon OSS");
    const std::string data = bench.folder.Path("a.vgd");
    ASSERT_EQ(bench.Run({ "read", data }).status, 0);
    const std::string history = folder + "/history.sqlite";
    const std::string aside = folder + "/history-damaged-20261209-101500.sqlite";
    WriteBytes(aside, std::vector<uint8_t>(64, 0x5A));
    const std::string link = bench.folder.Path("innocent.vgd");
    ASSERT_EQ(::symlink(history.c_str(), link.c_str()), 0);
    const std::string text = bench.folder.Path("a.txt");
    ASSERT_EQ(bench.Run({ "to-text", data, text }).status, 0);
    const std::vector<uint8_t> before = ReadBytes(history);

    const std::vector<std::vector<std::string>> commands = {
        { "read", history },
        { "read", link },
        { "to-text", data, history + "-wal" },
        { "from-text", text, history + "-journal" },
        { "--trace", history + "-shm", "show", data },
        { "--yes", "--report", history, "fleet", data },
        { "--lab", "read-cal", aside },
    };
    for (const std::vector<std::string>& command : commands) {
        const ProgramResult result = bench.Run(command);
        EXPECT_EQ(result.status, 1) << command[0] << ' ' << command[1];
        EXPECT_NE(result.err.find("is part of the service history"), std::string::npos) << result.err;
    }
    EXPECT_EQ(ReadBytes(history), before);
    EXPECT_EQ(ReadBytes(aside), std::vector<uint8_t>(64, 0x5A));
    EXPECT_NE(::access((history + "-journal").c_str(), F_OK), 0) << "nothing was written beside the history";
    EXPECT_EQ(Document(bench.Run({ "--json", "history" }))[QLatin1String("entries")].toArray().size(), 1)
        << "only the first read went to the radio";
}

// Two radios that answer with the same information text are told apart by the
// ID the technician gives: what a write changed is measured against the
// settings that radio held, the history lists a radio's entries by its ID, and
// a fleet run asked for each radio's ID says so when one comes twice.
TEST(CliHistory, RadioIdsTellRadiosOfOneKindApart)
{
    CliBench bench({ "--fleet", "3", "--swap-ms", "300", "--unplug-after", "500" });
    const std::string read = bench.folder.Path("read.vgd");
    ASSERT_EQ(bench.Run({ "--radio-id", " R-1 ", "read", read }).status, 0);
    const std::vector<uint8_t> changed = ClockShiftFile();
    const std::string file = bench.folder.Path("changed.vgd");
    WriteBytes(file, changed);
    // Written under another ID: what was read under R-1 is not taken for what this radio held.
    ASSERT_EQ(bench.Run({ "--yes", "--radio-id", "R-2", "write", file }).status, 0);
    const ProgramResult shown = bench.Run({ "history", "show", "2" });
    EXPECT_NE(shown.out.find("Radio ID: R-2\n"), std::string::npos) << shown.out;
    EXPECT_NE(shown.out.find("No settings read from this radio before are known."), std::string::npos) << shown.out;

    const std::string report = bench.folder.Path("report.csv");
    const ProgramResult fleet = bench.Run({ "--yes", "fleet", "--ask-radio-id", "--count", "2", "--report", report, file },
                                          "R-3\nR-3\n");
    EXPECT_EQ(fleet.status, 0) << fleet.out << fleet.err;
    EXPECT_NE(fleet.out.find(", ID R-3: OK ("), std::string::npos) << fleet.out;
    EXPECT_NE(fleet.out.find("A radio with the ID R-3 was programmed before in this run."), std::string::npos) << fleet.out;
    const std::vector<uint8_t> reported = ReadBytes(report);
    const std::vector<std::string> rows = Lines(std::string(reported.begin(), reported.end()), "\r\n");
    ASSERT_GE(rows.size(), 3u);
    EXPECT_EQ(rows[0].substr(rows[0].rfind(',')), ",Radio ID");
    EXPECT_EQ(rows[2].substr(rows[2].rfind(',')), ",R-3");

    const ProgramResult listed = bench.Run({ "--json", "history", "--radio-id", "R-3" });
    const QJsonArray entries = Document(listed)[QLatin1String("entries")].toArray();
    ASSERT_EQ(entries.size(), 2) << listed.out;
    EXPECT_EQ(entries[0].toObject()[QLatin1String("radioId")].toString(), QStringLiteral("R-3"));

    // The input ends before the next radio's ID: the run ends there, short of its count.
    const ProgramResult ended = bench.Run({ "--yes", "fleet", "--ask-radio-id", "--count", "2", file }, "");
    EXPECT_EQ(ended.status, 1) << ended.out;
    EXPECT_NE(ended.out.find("0 radios programmed, 0 failed."), std::string::npos) << ended.out;
}
