// vigilon-oss-cli --json as a script reads it: one valid document on standard
// output, read here by Qt's JSON reader (an implementation of its own), with the
// exit status the command has without --json, whatever the locale, whatever bytes
// a file name holds.
#include "tests/support/board_fixture.h"
#include "tests/support/cli_bench.h"
#include "tests/support/message_texts.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <ctime>
#include <map>

using namespace text;

namespace {

// Qt's reader lets a raw control character inside a string pass; JSON does not.
bool RawControlInString(const std::string& text)
{
    bool inString = false;
    for (size_t i = 0; i < text.size(); ++i) {
        const unsigned char c = static_cast<unsigned char>(text[i]);
        if (inString && c < 0x20)
            return true;
        if (inString && c == '\\')
            ++i;
        else if (c == '"')
            inString = !inString;
    }
    return false;
}

// The one document on standard output (nothing after it), as an object.
QJsonObject Document(const ProgramResult& result)
{
    EXPECT_FALSE(RawControlInString(result.out)) << result.out;
    QJsonParseError error;
    const QJsonDocument document = QJsonDocument::fromJson(QByteArray::fromStdString(result.out), &error);
    EXPECT_EQ(error.error, QJsonParseError::NoError) << error.errorString().toStdString() << "\n" << result.out;
    EXPECT_TRUE(document.isObject()) << result.out;
    return document.object();
}

std::string Text(const QJsonValue& value)
{
    return value.toString().toStdString();
}

// A calibration export whose first column runs 0..255 and whose second is 100 or 101.
std::string CalibrationExport(const TempFolder& folder)
{
    std::string text;
    char line[16];
    for (int j = 0; j < 28672; ++j) {
        std::snprintf(line, sizeof(line), "%3d\t%3d\r\n", j % 256, 100 + j % 2);
        text += line;
    }
    WriteBytes(folder.Path("cal.txt"), std::vector<uint8_t>(text.begin(), text.end()));
    return folder.Path("cal.txt");
}

std::vector<uint8_t> DataFile(const std::vector<uint8_t>& image)
{
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    return bytes;
}

// 2026-12-08T09:15:02Z as seconds since 1970.
std::time_t UtcSeconds(const std::string& iso)
{
    std::tm tm{};
    if (iso.size() != 20 || iso[10] != 'T' || iso[19] != 'Z'
        || std::sscanf(iso.c_str(), "%4d-%2d-%2dT%2d:%2d:%2d", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                       &tm.tm_min, &tm.tm_sec) != 6)
        return -1;
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    return ::timegm(&tm);
}

} // namespace

TEST(CliJson, EachCommandAnswersWithOneDocument)
{
    CliBench bench({ "--remarks", "Line one\nLine two" });
    // Backups are named by local time; three hours east of UTC, their time in the
    // document must still be UTC.
    bench.environment["TZ"] = "XYZ-3";
    bench.WriteSettings("[Ports]\nCOM2=" + bench.device + "\n");
    const std::string file = bench.folder.Path("board.vgd");
    const std::time_t before = std::time(nullptr);
    ASSERT_EQ(bench.Run({ "read", file }).status, 0);
    const std::time_t after = std::time(nullptr);

    const ProgramResult info = bench.Run({ "--json", "info" });
    EXPECT_EQ(info.status, 0) << info.err;
    const QJsonObject board = Document(info);
    EXPECT_EQ(Text(board["boardType"]), "Vigilon");
    EXPECT_EQ(Text(board["codeplugVersion"]), "01.00");
    EXPECT_EQ(Text(board["vendorRemarks"]), "Line one\nLine two");
    EXPECT_EQ(board["complete"], QJsonValue(true));

    // The settings by the keys of the text form, in its order.
    const ProgramResult show = bench.Run({ "--json", "show", file });
    EXPECT_EQ(show.status, 0) << show.err;
    const QJsonObject settings = Document(show)["settings"].toObject();
    const std::vector<std::string> text = Lines(bench.Run({ "to-text", file }).out);
    size_t at = 0;
    int keys = 0;
    for (const std::string& line : text) {
        const size_t equals = line.find(" = ");
        if (line.empty() || line[0] == '#' || equals == std::string::npos || line.rfind("codeplugVersion", 0) == 0)
            continue;
        ++keys;
        at = show.out.find("\"" + line.substr(0, equals) + "\": ", at);
        ASSERT_NE(at, std::string::npos) << line.substr(0, equals) << " in order in\n" << show.out;
    }
    EXPECT_EQ(keys, 15);
    EXPECT_EQ(settings.size(), 15);
    EXPECT_EQ(settings["tiltAlarm"].toObject()["value"], QJsonValue(true));
    EXPECT_EQ(settings["tiltPreAlertTime"].toObject()["value"], QJsonValue(100));
    EXPECT_EQ(settings["tiltPreAlertTime"].toObject()["value"].toVariant().metaType(), QMetaType::fromType<qlonglong>())
        << "a whole number is written as one";
    EXPECT_EQ(Text(settings["tiltPreAlertTime"].toObject()["unit"]), "s");
    EXPECT_EQ(settings["activationAngle"].toObject()["value"], QJsonValue(1));
    EXPECT_EQ(Text(settings["activationAngle"].toObject()["choice"]), "45°");

    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1; // clock shift on
    const std::string other = bench.folder.Path("other.vgd");
    WriteBytes(other, DataFile(image));
    const ProgramResult diff = bench.Run({ "--json", "diff", file, other });
    EXPECT_EQ(diff.status, 1) << diff.err;
    const QJsonObject differences = Document(diff)["differences"].toObject();
    EXPECT_EQ(differences.keys(), QStringList{ QStringLiteral("clockShift") });
    EXPECT_EQ(differences["clockShift"].toObject()["b"].toObject()["value"], QJsonValue(true));

    const ProgramResult ports = bench.Run({ "--json", "ports" });
    EXPECT_EQ(ports.status, 0) << ports.err;
    EXPECT_TRUE(Document(ports)["ports"].toArray().contains(QJsonObject{
        { "port", "COM2" }, { "device", QString::fromStdString(bench.device) } }))
        << ports.out;
    const ProgramResult devices = bench.Run({ "--json", "ports", "--all" });
    EXPECT_EQ(devices.status, 0) << devices.err;
    EXPECT_TRUE(Document(devices)["devices"].isArray()) << devices.out;

    const ProgramResult backups = bench.Run({ "--json", "backups" });
    EXPECT_EQ(backups.status, 0) << backups.err;
    const QJsonArray kept = Document(backups)["backups"].toArray();
    ASSERT_EQ(kept.size(), 1) << backups.out;
    const std::time_t when = UtcSeconds(Text(kept[0].toObject()["time"]));
    EXPECT_GE(when, before) << backups.out;
    EXPECT_LE(when, after) << backups.out;

    const std::string calibration = CalibrationExport(bench.folder);
    const ProgramResult stats = bench.Run({ "--json", "cal-stats", calibration });
    EXPECT_EQ(stats.status, 0) << stats.err;
    const QJsonArray columns = Document(stats)["columns"].toArray();
    ASSERT_EQ(columns.size(), 2);
    EXPECT_EQ(columns[0].toObject()["mean"], QJsonValue(127.5));
    EXPECT_EQ(columns[1].toObject()["maximum"], QJsonValue(101));
    EXPECT_EQ(columns[1].toObject()["mean"], QJsonValue(100.5));
}

TEST(CliJson, FleetAnswersWithItsRunsAndRadiosWhenTheRunEnds)
{
    CliBench bench({ "--fleet", "2", "--swap-ms", "1200", "--fault", "write-refused/2" });
    WriteBytes(bench.folder.Path("fleet.vgd"), DataFile(DefaultImage()));
    const std::string report = bench.folder.Path("report.csv");
    const ProgramResult result =
        bench.Run({ "--json", "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--count", "2", "--report", report });
    EXPECT_EQ(result.status, 1) << result.err;
    ASSERT_FALSE(result.err.empty());
    EXPECT_EQ(Lines(result.err).front(), "Radio 1: waiting for a radio on " + bench.device + "...") << result.err;
    const QJsonObject document = Document(result);
    const QJsonArray runs = document["runs"].toArray();
    ASSERT_EQ(runs.size(), 1) << result.out;
    EXPECT_EQ(runs[0].toObject()["programmed"], QJsonValue(1));
    EXPECT_EQ(runs[0].toObject()["failed"], QJsonValue(1));
    EXPECT_EQ(runs[0].toObject()["done"], QJsonValue(false));
    const QJsonArray radios = document["radios"].toArray();
    ASSERT_EQ(radios.size(), 2) << result.out;
    const QJsonObject second = radios[1].toObject();
    EXPECT_EQ(Text(second["radio"]), "SR-9 R02.10 #2");
    EXPECT_EQ(Text(second["port"]), bench.device);
    EXPECT_EQ(Text(second["result"]), "failed");
    EXPECT_EQ(Text(second["reason"]), WRITE_FAILED);
    EXPECT_GT(UtcSeconds(Text(second["time"])), 0) << result.out;
    EXPECT_TRUE(radios[0].toObject()["reason"].isNull()) << result.out;
    // The report is the report, --json or not.
    const std::vector<uint8_t> rows = ReadBytes(report);
    EXPECT_EQ(Lines(std::string(rows.begin(), rows.end()), "\r\n").size(), 3u);
}

TEST(CliJson, ErrorsAreInTheDocumentWithTheStatusTheCommandHasWithoutIt)
{
    CliBench bench({ "--fault", "nak@info" });
    const std::string missing = bench.folder.Path("none/tty");
    const ProgramResult port = bench.Run({ "--json", "--device", missing, "info" });
    EXPECT_EQ(port.status, 1);
    const QJsonObject refused = Document(port);
    EXPECT_EQ(refused["error"].toObject()["id"], QJsonValue(20001));
    EXPECT_EQ(Text(refused["error"].toObject()["text"]), PortFailed(missing));
    EXPECT_FALSE(refused["error"].toObject()["hint"].toString().isEmpty()) << port.out;
    EXPECT_FALSE(refused.contains("errors")) << "one error is said once";

    // Several messages: all of them in order, the first as the error.
    const std::string file = bench.folder.Path("board.vgd");
    WriteBytes(file, DataFile(DefaultImage()));
    const ProgramResult board = bench.Run({ "--json", "diff", file, "--board" });
    EXPECT_EQ(board.status, 2) << board.err;
    const QJsonObject failed = Document(board);
    EXPECT_EQ(failed["error"].toObject()["id"], QJsonValue(20105));
    const QJsonArray errors = failed["errors"].toArray();
    ASSERT_EQ(errors.size(), 2) << board.out;
    EXPECT_EQ(Text(errors[0].toObject()["text"]), NAK);
    EXPECT_EQ(Text(errors[1].toObject()["text"]), READ_FAILED);

    // A usage error is no document: the command never started.
    const ProgramResult usage = bench.Run({ "--json", "read", file });
    EXPECT_EQ(usage.status, 2);
    EXPECT_EQ(usage.out, "");
}

TEST(CliJson, TheDocumentIsTheSameInAGermanLocale)
{
    TempFolder folder;
    const std::string locales = folder.Path("locales");
    ::mkdir(locales.c_str(), 0755);
    const ProgramResult made =
        RunProgram("/usr/bin/localedef", { "-i", "de_DE", "-f", "UTF-8", locales + "/de_DE.UTF-8" });
    const std::map<std::string, std::string> german = { { "LOCPATH", locales }, { "LANG", "de_DE.UTF-8" },
                                                        { "LC_ALL", "de_DE.UTF-8" },
                                                        { "XDG_CONFIG_HOME", folder.Path("config") } };
    // Only a locale that writes a decimal comma can show that the document does not.
    if (made.status != 0 || RunProgram("/usr/bin/printf", { "%.1f", "1.5" }, "", german).out != "1,5")
        GTEST_SKIP() << "no de_DE locale could be made here: " << made.err;
    const std::map<std::string, std::string> plain = { { "LC_ALL", "C" }, { "XDG_CONFIG_HOME", folder.Path("config") } };
    const std::string file = folder.Path("board.vgd");
    WriteBytes(file, DataFile(DefaultImage()));
    const std::string calibration = CalibrationExport(folder);
    for (const std::vector<std::string>& args : { std::vector<std::string>{ "--json", "cal-stats", calibration },
                                                  std::vector<std::string>{ "--json", "show", file } }) {
        const ProgramResult c = RunCli(args, "", plain);
        const ProgramResult de = RunCli(args, "", german);
        EXPECT_EQ(c.status, 0) << c.err;
        EXPECT_EQ(de.out, c.out) << args[1];
    }
}

TEST(CliJson, AHostileFileNameIsValidJsonAndNamesTheSameFileAgain)
{
    TempFolder folder;
    const std::map<std::string, std::string> env = { { "XDG_CONFIG_HOME", folder.Path("config") } };
    // Quotes, backslashes, controls a terminal acts on, a C1 control, a byte that
    // is no UTF-8, a tab and a line end.
    const std::string name = "q\"b\\s\x01\x1b[2J\x7f\xc2\x9b\xe9\tz\n.vgd";
    WriteBytes(folder.Path(name), DataFile(DefaultImage()));
    const ProgramResult shown = RunCli({ "--json", "show", folder.Path(name) }, "", env);
    EXPECT_EQ(shown.status, 0) << shown.err;
    const QString path = Document(shown)["file"].toString();
    // The byte that is no UTF-8 comes as the code point the command line reads
    // back as that byte: the name from the document opens the same file.
    EXPECT_TRUE(path.contains(QChar(0xF7E9))) << shown.out;
    const ProgramResult again = RunCli({ "show", path.toStdString() }, "", env);
    EXPECT_EQ(again.status, 0) << again.err;

    const ProgramResult missing = RunCli({ "--json", "show", folder.Path(name + "x") }, "", env);
    EXPECT_EQ(missing.status, 1);
    EXPECT_TRUE(Document(missing)["error"].toObject()["hint"].toString().startsWith(QString::fromStdString(
        folder.Path("q\"b\\s\x01\x1b[2J\x7f\xc2\x9b") + "\xef\x9f\xa9\tz\n.vgdx")))
        << missing.out;
}
