// vigilon-oss-cli against vigilon-radio-sim over a pseudo-terminal, as a
// technician or a script runs it: outputs, exit status, files, and the requests
// the radio logged, in order.
#include "link/serial_port.h"
#include "tests/support/board_fixture.h"
#include "tests/support/cli_bench.h"
#include "tests/support/message_texts.h"
#include "tests/support/programs.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <algorithm>
#include <fstream>
#include <grp.h>
#include <sstream>
#include <sys/stat.h>

using namespace text;

namespace {

std::string Errors(const Texts& texts)
{
    std::string all;
    for (const std::string& t : texts)
        all += "Error: " + t + "\n";
    return all;
}

const std::vector<std::string> READ_COURSE = { "info", "identify", "read 0x0050/16", "read 0x1000/24", "reset" };

} // namespace

TEST(Cli, ReadSavesTheBoardAsADataFile)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    const ProgramResult result = bench.Run({ "read", file });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, READ_OK + "\n");
    EXPECT_EQ(result.err, "");
    std::vector<uint8_t> expected = { 0x01, 0x00 };
    for (uint8_t byte : DefaultImage())
        expected.push_back(byte);
    EXPECT_EQ(ReadBytes(file), expected);
    EXPECT_EQ(bench.Requests(), READ_COURSE);
}

TEST(Cli, TraceOfAReadHoldsItsBytesFramesAndResetAndAnUnwritableTraceIsAUsageError)
{
    CliBench bench;
    const std::string trace = bench.folder.Path("trace.txt");
    ASSERT_EQ(bench.Run({ "--trace", trace, "read", bench.folder.Path("board.vgd") }).status, 0);
    const std::vector<uint8_t> bytes = ReadBytes(trace);
    const std::string text(bytes.begin(), bytes.end());
    // Each line: the time in seconds with milliseconds, then the event.
    const auto at = [&](const std::string& event, size_t from) {
        const size_t found = text.find(event + "\n", from);
        if (found == std::string::npos || found < 4) {
            ADD_FAILURE() << event << " after " << from << " in\n" << text;
            return text.size();
        }
        EXPECT_EQ(text[found - 4], '.') << "a time in milliseconds before " << event;
        return found;
    };
    const size_t identify = at(" > FF 2F 00 06 45 00 00 00 BB CB", 0);
    const size_t answer = at("   frame in 8F len 10 data 43 08 56 69 67 69 6C 6F 6E DD checksum ok", identify);
    const size_t reset = at(" > F1 10 FE", answer);
    const size_t pause = at("   pause 1001 ms", reset);
    const size_t message = at("   message: " + READ_OK, pause);
    at("   port released", message);

    const ProgramResult refused = bench.Run({ "--trace", bench.folder.Path("none/trace.txt"), "info" });
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("none/trace.txt cannot be written"), std::string::npos) << refused.err;
}

TEST(Cli, OutputsAreCheckedBeforeAnythingIsSentAndNeverLandOnABackupOrAnInput)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    ASSERT_EQ(bench.Run({ "read", file }).status, 0);
    const std::vector<uint8_t> settings = ReadBytes(file);
    const std::string backup = bench.Backups() + "/" + ListFolder(bench.Backups()).at(0);
    const std::vector<uint8_t> backedUp = ReadBytes(backup);
    const std::string fifo = bench.folder.Path("fifo");
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0644), 0);
    const std::string protectedFile = bench.folder.Path("protected.txt");
    WriteBytes(protectedFile, { 'x' });
    ::chmod(protectedFile.c_str(), 0444);
    const size_t requests = bench.Requests().size();

    const struct {
        std::vector<std::string> args;
        int status;
        std::string error;
    } cases[] = {
        { { "read", backup }, 1, "is in the backups folder" },
        { { "from-text", "x.txt", backup }, 1, "is in the backups folder" },
        { { "--trace", backup, "info" }, 1, "is in the backups folder" },
        { { "--trace", file, "write", file }, 2, "is also the command's input" },
        { { "--trace", fifo, "info" }, 2, "is not a file that can be written" },
        { { "--trace", "/dev/full", "info" }, 2, "is not a file that can be written" },
        { { "fleet", file, "--yes", "--report", fifo }, 1, "is not a file that can be written" },
        { { "fleet", file, "--yes", "--report", protectedFile }, 1, "is write-protected" },
        { { "--lab", "read-cal", protectedFile }, 1, "is write-protected" },
        { { "--lab", "read-cal", bench.folder.Path("none/cal.txt") }, 1, "its folder does not exist" },
    };
    for (const auto& c : cases) {
        const auto started = std::chrono::steady_clock::now();
        const ProgramResult result = bench.Run(c.args);
        const std::string what = c.args[0] + " " + c.args[1];
        EXPECT_EQ(result.status, c.status) << what << "\n" << result.err;
        EXPECT_NE(result.err.find(c.error), std::string::npos) << what << "\n" << result.err;
        EXPECT_LT(std::chrono::steady_clock::now() - started, std::chrono::seconds(5)) << what;
    }
    EXPECT_EQ(bench.Requests().size(), requests) << "nothing was sent";
    EXPECT_EQ(ReadBytes(file), settings);
    EXPECT_EQ(ReadBytes(backup), backedUp);
    EXPECT_EQ(ReadBytes(protectedFile), std::vector<uint8_t>{ 'x' });

    // A name that is not UTF-8 is the name written, byte for byte.
    const std::string latin1 = bench.folder.Path("caf\xe9.vgd");
    ASSERT_EQ(bench.Run({ "read", "--no-backup", latin1 }).status, 0);
    EXPECT_EQ(ReadBytes(latin1), settings);
    const std::string text = bench.folder.Path("r\xe9sum\xc3\xa9.txt");
    ASSERT_EQ(bench.Run({ "to-text", latin1, text }).status, 0);
    EXPECT_EQ(bench.Run({ "from-text", text, bench.folder.Path("back\xff.vgd") }).status, 0);
    EXPECT_EQ(ReadBytes(bench.folder.Path("back\xff.vgd")), settings);
    for (const std::string& name : bench.folder.Entries())
        EXPECT_EQ(name.find("\xEF\xBF\xBD"), std::string::npos) << "a name turned into U+FFFD: " << name;
}

TEST(Cli, EveryReadKeepsABackupAndOneThatCannotBeKeptOnlyWarns)
{
    CliBench bench;
    ASSERT_EQ(bench.Run({ "read", bench.folder.Path("a.vgd") }).status, 0);
    const ProgramResult listed = bench.Run({ "backups" });
    EXPECT_EQ(listed.status, 0);
    const size_t tab = listed.out.rfind('\t');
    ASSERT_NE(tab, std::string::npos) << listed.out;
    const std::string backup = listed.out.substr(tab + 1, listed.out.size() - tab - 2);
    EXPECT_EQ(backup.rfind(bench.Backups() + "/", 0), 0u) << backup;
    EXPECT_EQ(ReadBytes(backup), ReadBytes(bench.folder.Path("a.vgd")));

    // A backup folder that cannot be made: the read succeeds all the same, with a warning after it.
    ::system(("rm -rf '" + bench.Backups() + "' && touch '" + bench.Backups() + "'").c_str());
    const ProgramResult warned = bench.Run({ "read", bench.folder.Path("b.vgd") });
    EXPECT_EQ(warned.status, 0);
    EXPECT_EQ(warned.out, READ_OK + "\n");
    EXPECT_EQ(warned.err.rfind("Warning: The settings were read, but no backup of them could be kept:", 0), 0u)
        << warned.err;
    EXPECT_EQ(ReadBytes(bench.folder.Path("b.vgd")).size(), 26u);
    EXPECT_EQ(bench.Run({ "read", "--no-backup", bench.folder.Path("c.vgd") }).err, "");
}

TEST(Cli, VerifyCatchesAWriteTheBoardDidNotKeep)
{
    CliBench bench({ "--fault", "write-lost" });
    const std::string file = bench.folder.Path("board.vgd");
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1; // clock shift on: other settings than the board's
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    WriteBytes(file, bytes);
    EXPECT_EQ(bench.Run({ "--yes", "write", file }).status, 0) << "the board's word is taken without --verify";
    const size_t before = bench.Requests().size();
    const ProgramResult verified = bench.Run({ "--yes", "--verify", "write", file });
    EXPECT_EQ(verified.status, 1);
    EXPECT_EQ(verified.err, Errors({ "The option board holds other settings than were written.", WRITE_FAILED }));
    const std::vector<std::string> requests = bench.Requests();
    EXPECT_EQ(std::vector<std::string>(requests.begin() + static_cast<long>(before), requests.end()),
              (std::vector<std::string>{ "info", "identify", "read 0x0050/16", "write 0x1000/24", "read 0x1000/24", "reset" }));
}

TEST(Cli, TheTextFormRoundTripsAndRefusesMistakesByTheirLine)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    std::vector<uint8_t> bytes = { 0x01, 0x03 };
    std::vector<uint8_t> image = DefaultImage();
    image[3] = 0x02; // pre-alert 600 s, the top of its range
    image[4] = 0x58;
    image[23] = 1;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    WriteBytes(file, bytes);
    const std::string text = bench.folder.Path("board.txt");
    ASSERT_EQ(bench.Run({ "to-text", file, text }).status, 0);
    ASSERT_EQ(bench.Run({ "from-text", text, bench.folder.Path("again.vgd") }).status, 0);
    EXPECT_EQ(ReadBytes(bench.folder.Path("again.vgd")), bytes);

    const auto textOf = [&] {
        const std::vector<uint8_t> bytes = ReadBytes(text);
        return std::string(bytes.begin(), bytes.end());
    };
    const auto refused = [&](const std::string& edit, const std::string& error) {
        const std::string body = textOf() + edit;
        const std::string wrong = bench.folder.Path("wrong.txt");
        WriteBytes(wrong, std::vector<uint8_t>(body.begin(), body.end()));
        const ProgramResult result = bench.Run({ "from-text", wrong, bench.folder.Path("out.vgd") });
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, wrong + ":" + error + "\n");
        EXPECT_FALSE(std::ifstream(bench.folder.Path("out.vgd")).good());
    };
    const std::string written = textOf();
    const size_t lines = static_cast<size_t>(std::count(written.begin(), written.end(), '\n'));
    const std::string next = std::to_string(lines + 1);
    refused("tiltAngle = 1\n", next + ": unknown key 'tiltAngle'");
    refused("clockShift = 0\n", next + ": 'clockShift' is given a second time (first on line " + std::to_string(lines)
                                  + ")");
    std::string body = written;
    body.replace(body.find("tiltPreAlertTime = 600"), 22, "tiltPreAlertTime = 601");
    WriteBytes(text, std::vector<uint8_t>(body.begin(), body.end()));
    refused("", "9: 601 is outside the limits of tiltPreAlertTime, 0 to 600");

    // diff: 0 when equal, 1 with a line per difference, 2 when a file does not load.
    EXPECT_EQ(bench.Run({ "diff", file, bench.folder.Path("again.vgd") }).status, 0);
    const ProgramResult board = bench.Run({ "--no-backup", "diff", file, "--board" });
    EXPECT_EQ(board.status, 1) << board.err;
    EXPECT_EQ(board.out, READ_OK + "\n--- " + file + "\n+++ " + bench.device + "\n"
                             "Codeplug Version: 01.03 -> 01.00\n"
                             "Man Down Alarm: Pre Alert Time (s): 600 s -> 100 s\n"
                             "Clock Shift: on -> off\n");
    EXPECT_EQ(bench.Run({ "diff", file, bench.folder.Path("none.vgd") }).status, 2);
}

TEST(Cli, FromTextRefusesWhatNoBoardCanUseAndShowsTheControlsItQuotes)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    for (uint8_t byte : WithChecksum(DefaultImage()))
        bytes.push_back(byte);
    WriteBytes(file, bytes);
    const std::string text = bench.folder.Path("board.txt");
    ASSERT_EQ(bench.Run({ "to-text", file, text }).status, 0);
    const std::vector<uint8_t> written = ReadBytes(text);
    const std::string good(written.begin(), written.end());
    const std::string out = bench.folder.Path("out.vgd");
    const std::string wrong = bench.folder.Path("wrong.txt");
    const auto run = [&](const std::string& body) {
        WriteBytes(wrong, std::vector<uint8_t>(body.begin(), body.end()));
        return bench.Run({ "from-text", wrong, out });
    };
    struct Case {
        std::string line;
        std::string becomes;
        std::string error; // empty: accepted
    };
    const std::string unsupported = "' is not a supported codeplug version: the major version must be 01 to 01";
    const Case cases[] = {
        { "codeplugVersion = 01.00", "codeplugVersion = 99.99", "3: '99.99" + unsupported },
        { "codeplugVersion = 01.00", "codeplugVersion = 02.00", "3: '02.00" + unsupported },
        { "codeplugVersion = 01.00", "codeplugVersion = 00.05", "3: '00.05" + unsupported },
        { "tiltPreAlertTime = 100", std::string("tiltPreAlertTime = 100") + '\0' + "junk",
          "9: '100\\x00junk' is not a whole number (tiltPreAlertTime)" },
        { "tiltAlarm = 1", "tilt\x1b[2JAlarm = 1", "6: unknown key 'tilt\\x1b[2JAlarm'" },
        { "tiltPreAlertTime = 100", "tiltPreAlertTime = 100  # as a fresh board", "" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.becomes);
        std::string body = good;
        ASSERT_NE(body.find(c.line + "\n"), std::string::npos) << good;
        body.replace(body.find(c.line + "\n"), c.line.size(), c.becomes);
        const ProgramResult result = run(body);
        if (c.error.empty()) {
            EXPECT_EQ(result.status, 0) << result.err;
            EXPECT_EQ(ReadBytes(out), bytes);
            ::unlink(out.c_str());
            continue;
        }
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, wrong + ":" + c.error + "\n");
        EXPECT_FALSE(std::ifstream(out).good());
    }

    // A text of a mebibyte is no settings text, and is said to be too large.
    const ProgramResult large = run(good + std::string(1 << 20, '#'));
    EXPECT_EQ(large.status, 1);
    EXPECT_EQ(large.err, Errors({ wrong + " is too large to be a settings text (1024 KiB or more)." }));
    EXPECT_FALSE(std::ifstream(out).good());
}

TEST(Cli, AFailedReadSaysWhyInOrderAndSavesNothing)
{
    CliBench bench({ "--board-type", "Vigilant" });
    const std::string file = bench.folder.Path("board.vgd");
    const ProgramResult result = bench.Run({ "read", file });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.out, "");
    EXPECT_EQ(result.err, Errors({ UNKNOWN_BOARD, READ_FAILED }));
    EXPECT_FALSE(std::ifstream(file).good());
    EXPECT_EQ(bench.Requests(), (std::vector<std::string>{ "info", "identify", "reset" }));
}

TEST(Cli, WriteSendsTheFilesImageAfterConfirmation)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    ASSERT_EQ(bench.Run({ "read", file }).status, 0);

    const ProgramResult declined = bench.Run({ "write", file }, "n\n");
    EXPECT_EQ(declined.status, 1);
    EXPECT_EQ(declined.err, CONFIRM_WRITE + " [Y/n] ");
    EXPECT_EQ(bench.Requests().size(), READ_COURSE.size()) << "nothing sent after No";

    const ProgramResult accepted = bench.Run({ "write", file }, "y\n");
    EXPECT_EQ(accepted.status, 0) << accepted.err;
    EXPECT_EQ(accepted.out, WRITE_OK + "\n");
    const ProgramResult assumed = bench.Run({ "--yes", "write", file });
    EXPECT_EQ(assumed.status, 0) << assumed.err;
    EXPECT_EQ(assumed.err, "");

    std::ifstream log(bench.log);
    std::string line, writes;
    while (std::getline(log, line)) {
        if (line.find(" write ") != std::string::npos)
            writes += line.substr(line.find(':') + 1) + "\n";
    }
    const std::string frame = " FF 2F 00 1E 44 1B 10 00 00 FE 01 00 64 00 0A 01 01 00 64 00 0A 00 00 0A 00 0A 00 00 00 "
                              "0A 01 00 95 B3\n";
    EXPECT_EQ(writes, frame + frame);
}

TEST(Cli, WriteOfAFileThatDoesNotLoadNeverTouchesThePort)
{
    CliBench bench;
    const std::string file = bench.folder.Path("bad.vgd");
    WriteBytes(file, std::vector<uint8_t>(26, 0));
    const ProgramResult result = bench.Run({ "--yes", "write", file });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Errors({ "Invalid checksum or no valid option board file !" }) + "hint: " + file
                              + " holds no settings this program can use.\n");
    EXPECT_TRUE(bench.Requests().empty());
}

TEST(Cli, InfoPrintsTheFiveFields)
{
    CliBench bench({ "--remarks", "Line one\nLine two" });
    const ProgramResult result = bench.Run({ "info" });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Option Board Type: Vigilon\nHardware Revision: HW 2.1\nSoftware Version: FW 1.04.2\n"
                          "Codeplug Version: 01.00\nVendor Remarks:\nLine one\nLine two\n");
    EXPECT_EQ(bench.Requests().size(), 13u);
}

TEST(Cli, InfoShowsTheBoardsControlCharactersInsteadOfSendingThem)
{
    CliBench bench({ "--hardware", "HW\x1b]0;title\x07", "--software", "FW\x9b" "2J",
                     "--remarks", "Line one\r\nLine\x1b[2J two\rover\n45\xc2\xb0" });
    const ProgramResult result = bench.Run({ "info" });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Option Board Type: Vigilon\nHardware Revision: HW\\x1b]0;title\\x07\n"
                          "Software Version: FW\\x9b2J\nCodeplug Version: 01.00\nVendor Remarks:\n"
                          "Line one\r\nLine\\x1b[2J two\\x0dover\n45\xc2\xb0\n");
}

TEST(Cli, CalibrateNeedsLabModeAndGoesOnWithoutATerminal)
{
    CliBench bench;
    const ProgramResult refused = bench.Run({ "calibrate" });
    EXPECT_EQ(refused.status, 2);
    EXPECT_NE(refused.err.find("calibrate is a lab-mode command"), std::string::npos);
    EXPECT_NE(refused.err.find("usage: vigilon-oss-cli"), std::string::npos);

    const ProgramResult result = bench.Run({ "--lab", "--yes", "calibrate" });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, CALIBRATE_TURN + "\n" + CALIBRATE_OK + "\n");
    EXPECT_EQ(bench.Requests(), (std::vector<std::string>{ "info", "identify", "cal-start", "cal-check", "reset" }));
}

TEST(Cli, CablePulledDuringTheReadOutLeavesNoFile)
{
    CliBench bench({ "--pull-after", "20" });
    const std::string file = bench.folder.Path("cal.txt");
    const ProgramResult result = bench.Run({ "--lab", "read-cal", file });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Errors({ NO_RESPONSE, NO_RESPONSE }));
    EXPECT_FALSE(std::ifstream(file).good());
}

TEST(Cli, InterruptDuringTheReadOutResetsTheRadioAndLeavesNoFile)
{
    CliBench bench;
    bench.realTime = true; // the link's pauses give the interrupt its moment
    const std::string file = bench.folder.Path("cal.txt");
    const ProgramResult result =
        bench.Run({ "--lab", "read-cal", file }, std::string(), [&] { return bench.Requests().size() >= 6; });
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("The read-out was stopped after "), std::string::npos) << result.err;
    EXPECT_FALSE(std::ifstream(file).good());
    // The request in flight completed, then the radio was reset and nothing more was asked.
    const std::vector<std::string> requests = bench.Requests();
    ASSERT_GE(requests.size(), 7u);
    EXPECT_LT(requests.size(), 40u);
    EXPECT_EQ(requests.back(), "reset");
}

// A data file whose settings differ from a fresh board's (clock shift on).
std::vector<uint8_t> FleetSettings(CliBench& bench, const std::string& file)
{
    std::vector<uint8_t> bytes = { 0x01, 0x00 };
    std::vector<uint8_t> image = DefaultImage();
    image[23] = 1;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    WriteBytes(bench.folder.Path(file), bytes);
    return bytes;
}

std::string ReportText(const std::string& path)
{
    const std::vector<uint8_t> bytes = ReadBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

const std::string STOPPED = "Stopped before the operation was complete; the radio has been reset.";
const std::string FLEET_HEADER = "Time (UTC),Port,Radio Information,Option Board Type,Hardware Revision,"
                                 "Software Version,Codeplug Version,Result,Reason,Seconds,Radio ID";

TEST(Cli, FleetProgramsRadioAfterRadioAndReportsTheOneThatFailed)
{
    CliBench bench({ "--fleet", "3", "--swap-ms", "1200", "--fault", "write-refused/2" });
    const std::vector<uint8_t> file = FleetSettings(bench, "fleet.vgd");
    const std::string report = bench.folder.Path("report.csv");
    const auto started = std::chrono::steady_clock::now();
    const ProgramResult result =
        bench.Run({ "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--count", "3", "--report", report });
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    EXPECT_EQ(result.status, 1) << result.err;
    EXPECT_EQ(result.err, "");
    const std::vector<std::string> out = Lines(result.out);
    ASSERT_EQ(out.size(), 12u) << result.out;
    EXPECT_EQ(out[0], "Radio 1: waiting for a radio on " + bench.device + "...");
    EXPECT_EQ(out[1], "Radio 1: programming SR-9 R02.10 #1...");
    EXPECT_EQ(out[2].rfind("Radio 1: SR-9 R02.10 #1: OK (", 0), 0u) << out[2];
    EXPECT_EQ(out[3], "Connect the next radio.");
    EXPECT_EQ(out[6].rfind("Radio 2: SR-9 R02.10 #2: Failed: " + WRITE_FAILED + " (", 0), 0u) << out[6];
    EXPECT_EQ(out[10].rfind("Radio 3: SR-9 R02.10 #3: OK (", 0), 0u) << out[10];
    EXPECT_EQ(out[11], "2 radios programmed, 1 failed.");
    // Three writes and a swap of 1.2 s between radios.
    EXPECT_LT(seconds, 14.0);

    const std::vector<std::string> rows = Lines(ReportText(report), "\r\n");
    ASSERT_EQ(rows.size(), 4u) << ReportText(report);
    EXPECT_EQ(rows[0], FLEET_HEADER);
    const std::string identity = "Vigilon,HW 2.1,FW 1.04.2,01.00,";
    for (int radio = 1; radio <= 3; ++radio) {
        const std::string& row = rows[static_cast<size_t>(radio)];
        const std::string middle = "," + bench.device + ",SR-9 R02.10 #" + std::to_string(radio) + "," + identity
                                 + (radio == 2 ? "Failed," + WRITE_FAILED + "," : "OK,,");
        EXPECT_EQ(row.size(), 20u + middle.size() + 4u) << row; // "2026-12-08T02:36:43Z" ... "1.6," (no radio ID)
        EXPECT_EQ(row.find(middle), 20u) << row;
        EXPECT_EQ(row[19], 'Z') << row;
    }
    // The third radio was written with the file's settings and reset.
    const std::vector<std::string> requests = bench.Requests();
    const std::vector<std::string> lastCourse = { "info", "info", "identify", "read 0x0030/16", "read 0x0040/16",
                                                  "read 0x0050/16", "write 0x1000/24", "reset" };
    ASSERT_EQ(requests.size(), 24u);
    EXPECT_EQ(std::vector<std::string>(requests.end() - 8, requests.end()), lastCourse);
    std::string image;
    for (size_t i = 2; i < file.size(); ++i) {
        char hex[4];
        std::snprintf(hex, sizeof(hex), " %02X", file[i]);
        image += hex;
    }
    const std::vector<std::string> frames = Lines(ReportText(bench.log));
    EXPECT_NE(frames[frames.size() - 2].find("write 0x1000/24: FF 2F 00 1E 44 1B 10 00" + image), std::string::npos)
        << frames[frames.size() - 2];
}

TEST(Cli, FleetNoticesASwapOfAFractionOfASecondWhileTheRadioAnswersItsPolls)
{
    // Each radio is unplugged 1.5 s after its write's reset and the next is in
    // 0.3 s later: a loop that polls about once a second misses the swap and
    // waits on for an unplug.
    CliBench bench({ "--fleet", "3", "--swap-ms", "300", "--unplug-after", "1500" });
    FleetSettings(bench, "fleet.vgd");
    const auto started = std::chrono::steady_clock::now();
    const ProgramResult result =
        bench.Run({ "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--count", "3" }, std::string(),
                  [&] { return std::chrono::steady_clock::now() - started > std::chrono::seconds(20); });
    EXPECT_EQ(result.status, 0) << result.out;
    const std::vector<std::string> out = Lines(result.out);
    ASSERT_EQ(out.size(), 12u) << result.out;
    for (int radio = 1; radio <= 3; ++radio) {
        const std::string done = "Radio " + std::to_string(radio) + ": SR-9 R02.10 #" + std::to_string(radio) + ": OK (";
        EXPECT_EQ(out[static_cast<size_t>(4 * radio - 2)].rfind(done, 0), 0u) << result.out;
    }
    EXPECT_EQ(out.back(), "3 radios programmed, 0 failed.");
}

TEST(Cli, InterruptDuringAFleetRunResetsTheRadioAndCompletesTheReport)
{
    CliBench bench({ "--fleet", "3", "--swap-ms", "1200" });
    bench.realTime = true; // the link's pauses give the interrupt its moment
    FleetSettings(bench, "fleet.vgd");
    const std::string report = bench.folder.Path("report.csv");
    // Stopped once the second radio has been identified.
    const ProgramResult result = bench.Run({ "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--report", report },
                                           std::string(), [&] { return bench.Requests().size() >= 11; });
    EXPECT_EQ(result.status, 1);
    const std::vector<std::string> out = Lines(result.out);
    ASSERT_GE(out.size(), 2u);
    EXPECT_EQ(out[out.size() - 2].rfind("Radio 2: SR-9 R02.10 #2: Failed: " + STOPPED, 0), 0u) << result.out;
    EXPECT_EQ(out.back(), "1 radio programmed, 1 failed.");
    const std::vector<std::string> rows = Lines(ReportText(report), "\r\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_NE(rows[2].find(",Failed," + STOPPED + ","), std::string::npos) << rows[2];
    const std::vector<std::string> requests = bench.Requests();
    ASSERT_GE(requests.size(), 12u);
    EXPECT_LE(requests.size(), 13u) << "nothing after the request in flight but the reset";
    EXPECT_EQ(requests.back(), "reset");
    EXPECT_EQ(std::count(requests.begin() + 8, requests.end(), "write 0x1000/24"), 0);
}

TEST(Cli, InterruptWhileWaitingForTheUnplugResetsTheRadioStillOnTheLine)
{
    CliBench bench; // no fleet: the programmed radio stays plugged in and answers every poll
    FleetSettings(bench, "fleet.vgd");
    // Stopped once the radio has answered a poll after its write.
    const ProgramResult result = bench.Run({ "--yes", "fleet", bench.folder.Path("fleet.vgd") }, std::string(),
                                           [&] { return bench.Requests().size() >= 9; });
    EXPECT_EQ(Lines(result.out).back(), "1 radio programmed, 0 failed.") << result.out;
    EXPECT_EQ(result.err, STOPPED + "\n");
    const std::vector<std::string> requests = bench.Requests();
    ASSERT_GE(requests.size(), 10u);
    EXPECT_EQ(requests[7], "reset") << "the write's own";
    EXPECT_EQ(std::vector<std::string>(requests.end() - 2, requests.end()), (std::vector<std::string>{ "info", "reset" }));
}

TEST(Cli, ARadiosInformationReachesNeitherTheTerminalNorTheSpreadsheetAsACommand)
{
    CliBench bench({ "--radio-info", "=HYPERLINK(\"http://x\",\"SR-9\")\x1b[2J" });
    FleetSettings(bench, "fleet.vgd");
    const std::string report = bench.folder.Path("report.csv");
    const ProgramResult result =
        bench.Run({ "--yes", "fleet", bench.folder.Path("fleet.vgd"), "--count", "1", "--report", report });
    EXPECT_EQ(result.status, 0) << result.err;
    const std::string shown = "=HYPERLINK(\"http://x\",\"SR-9\")\\x1b[2J";
    const std::vector<std::string> out = Lines(result.out);
    ASSERT_EQ(out.size(), 4u) << result.out;
    EXPECT_EQ(out[1], "Radio 1: programming " + shown + "...");
    EXPECT_EQ(out[2].rfind("Radio 1: " + shown + ": OK (", 0), 0u) << out[2];

    // Text to the spreadsheet, quoted as RFC 4180 wants; the file keeps the bytes.
    const std::vector<std::string> rows = Lines(ReportText(report), "\r\n");
    ASSERT_EQ(rows.size(), 2u) << ReportText(report);
    EXPECT_EQ(rows[1].find("," + bench.device + ",\"'=HYPERLINK(\"\"http://x\"\",\"\"SR-9\"\")\x1b[2J\",Vigilon,"),
              20u)
        << rows[1];
}

TEST(Cli, CalStatsPrintsEachColumnsFiguresOrTheFirstWrongLine)
{
    TempFolder folder;
    const std::string file = folder.Path("cal.txt");
    std::string text;
    char line[16];
    for (int j = 0; j < 28672; ++j) {
        std::snprintf(line, sizeof(line), "%3d\t%3d\r\n", j % 256, 100 + j % 3);
        text += line;
    }
    WriteBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
    const std::map<std::string, std::string> env = { { "XDG_CONFIG_HOME", folder.Path("config") } };
    const ProgramResult good = RunCli({ "cal-stats", file }, "", env);
    EXPECT_EQ(good.status, 0) << good.err;
    EXPECT_EQ(good.out, "Column 1: minimum 0, maximum 255, mean 127.50\n"
                        "Column 2: minimum 100, maximum 102, mean 101.00\n");
    text.replace(41 * 9, 3, "300");
    WriteBytes(file, std::vector<uint8_t>(text.begin(), text.end()));
    const ProgramResult bad = RunCli({ "cal-stats", file }, "", env);
    EXPECT_EQ(bad.status, 1);
    EXPECT_EQ(bad.out, "");
    EXPECT_EQ(bad.err, Errors({ file + ":42: 300 is outside 0 to 255" }));
}

TEST(Cli, ShowPrintsAFilesSettingsWithLabelsAndUnits)
{
    CliBench bench;
    const std::string file = bench.folder.Path("board.vgd");
    std::vector<uint8_t> bytes = { 0x01, 0x02 };
    std::vector<uint8_t> image = DefaultImage();
    image[3] = 0x02; // 700 s: outside its range
    image[4] = 0xBC;
    image[22] = 2;
    for (uint8_t byte : WithChecksum(image))
        bytes.push_back(byte);
    WriteBytes(file, bytes);
    const ProgramResult result = bench.Run({ "show", file });
    EXPECT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "Codeplug Version: 01.02\n"
                          "Checksum: 345 (0x0159)\n"
                          "Man Down Alarm: on\n"
                          "  Pre Alert Time (s): 700 (outside 0 to 600)\n"
                          "  Alert Time (s): 10\n"
                          "  Activation Angle: 45°\n"
                          "Anti-Movement Alarm: on\n"
                          "  Pre Alert Time (s): 100\n"
                          "  Alert Time (s): 10\n"
                          "Movement Alarm: off\n"
                          "  Pre Alert Time (s): 10\n"
                          "  Alert Time (s): 10\n"
                          "  Alert Enable: off\n"
                          "Alert Repeat Enable: off\n"
                          "  Alert Repeat Time (s): 10\n"
                          "Sensor Sensitivity: high\n"
                          "Clock Shift: off\n");
    EXPECT_TRUE(bench.Requests().empty());
}

TEST(Cli, ShowOfANamedPipeIsRefusedAtOnce)
{
    TempFolder folder;
    const std::string pipe = folder.Path("board.vgd");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    // Killed after ten seconds should its open wait for a writer that never comes.
    const auto start = std::chrono::steady_clock::now();
    const ProgramResult result =
        RunProgram("/usr/bin/timeout", { "-s", "KILL", "10", VIGILON_OSS_CLI, "show", pipe }, "",
                   { { "XDG_CONFIG_HOME", folder.Path("config") } });
    EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(2));
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Errors({ "Could not open file !" }) + "hint: " + pipe
                              + " is a device or a named pipe, not a file.\n");
}

TEST(Cli, PortsAndTheConfiguredPortComeFromTheSharedSettings)
{
    CliBench bench;
    bench.WriteSettings("[Options]\nSerialPort=1\n\n[Ports]\nCOM1=/nonexistent/tty\nCOM2=" + bench.device
                        + "\nCOM3=/nonexistent/tty3\nCOM4=/nonexistent/tty4\n");
    const ProgramResult ports = bench.Run({ "--port", "COM1", "ports" });
    EXPECT_EQ(ports.status, 0);
    EXPECT_EQ(ports.out, "COM2\t" + bench.device + "\n");

    // Without --port the configured port (index 1: COM2) is used.
    const ProgramResult info = RunCli({ "info" }, "",
                                          { { "XDG_CONFIG_HOME", bench.folder.Path("config") } });
    EXPECT_EQ(info.status, 0) << info.err;

    const ProgramResult absent = RunCli({ "--port", "COM3", "info" }, "",
                                            { { "XDG_CONFIG_HOME", bench.folder.Path("config") } });
    EXPECT_EQ(absent.status, 1);
    EXPECT_EQ(absent.err, Errors({ PortFailed("COM3") })
                              + "hint: COM3 stands for /nonexistent/tty3. There is no such device: connect the "
                                "programming cable, or under Options > Configuration choose another port, or the "
                                "cable's device for COM3 (the command line also takes --device PATH).\n");
}

TEST(Cli, APortInUseIsReportedAndNothingIsSent)
{
    CliBench bench;
    CSerialPort holder;
    ASSERT_TRUE(holder.Open(bench.device.c_str()));
    const ProgramResult result = bench.Run({ "info" });
    EXPECT_EQ(result.status, 1);
    // The holders follow, this test's process among them (the simulator keeps the line open too).
    const std::string said = Errors({ PortFailed(bench.device) })
        + "hint: Another program holds it: close that program (a second copy of this tool counts) and try again.\n";
    EXPECT_EQ(result.err.rfind(said, 0), 0u) << result.err;
    EXPECT_NE(result.err.find("\nIt is held by e2e_tests (process " + std::to_string(::getpid()) + ").\n"),
              std::string::npos) << result.err;
    EXPECT_TRUE(bench.Requests().empty());
}

TEST(Cli, ADeviceThatIsNoSerialLineIsNamedForWhatItIs)
{
    TempFolder folder;
    const std::string file = folder.Path("ttyUSB0");
    std::ofstream(file) << "not a port";
    const std::string dir = folder.Path("serial");
    ASSERT_EQ(::mkdir(dir.c_str(), 0755), 0);
    const std::string pipe = folder.Path("fifo");
    ASSERT_EQ(::mkfifo(pipe.c_str(), 0600), 0);
    const std::pair<std::string, std::string> cases[] = {
        { file, "a file" },
        { dir, "a folder" },
        { pipe, "a named pipe" },
        { "/dev/null", "another kind of device" },
    };
    for (const auto& [device, kind] : cases) {
        // Killed after ten seconds should the open wait for the pipe's writer.
        const ProgramResult result =
            RunProgram("/usr/bin/timeout", { "-s", "KILL", "10", VIGILON_OSS_CLI, "--no-history", "--device", device, "info" },
                       "", { { "XDG_CONFIG_HOME", folder.Path("config") } });
        EXPECT_EQ(result.status, 1) << device;
        EXPECT_EQ(result.err, Errors({ PortFailed(device) }) + "hint: " + device + " is not a serial device: it is "
                                  + kind + ".\n");
    }
}

TEST(Cli, APortTheUserMayNotUseNamesItsGroupAndTheWayIn)
{
    if (::geteuid() != 0 || ::access("/usr/bin/setpriv", X_OK) != 0)
        GTEST_SKIP() << "needs root and setpriv to run the tool as an unprivileged user";
    const struct group* dialout = ::getgrnam("dialout");
    if (!dialout)
        GTEST_SKIP() << "no dialout group on this system";
    CliBench bench;
    // As a serial device is set up: the dialout group may use it, others may not.
    ASSERT_EQ(::chown(bench.device.c_str(), 0, dialout->gr_gid), 0);
    ASSERT_EQ(::chmod(bench.device.c_str(), 0660), 0);
    const ProgramResult result = RunProgram("/usr/bin/setpriv",
                                            { "--reuid=nobody", "--regid=nogroup", "--clear-groups", VIGILON_OSS_CLI,
                                              "--no-history", "--device", bench.device, "info" });
    EXPECT_EQ(result.status, 1);
    EXPECT_EQ(result.err, Errors({ PortFailed(bench.device) }) + "hint: You may not use " + bench.device
                              + ": it belongs to the group dialout. Add yourself to that group (sudo adduser $USER dialout), "
                                "then log out and in again.\nThe user nobody is not in the group dialout: join it with "
                                "sudo usermod -aG dialout nobody, then log out and in again.\n");
    EXPECT_TRUE(bench.Requests().empty());
}

TEST(Cli, UsageErrorsHelpAndVersion)
{
    CliBench bench;
    struct Case {
        std::vector<std::string> args;
        const char* reason;
    };
    const Case cases[] = {
        { {}, "no command given" },
        { { "frobnicate" }, "unknown command 'frobnicate'" },
        { { "read" }, "read needs a FILE argument" },
        { { "info", "extra" }, "too many arguments for info" },
        { { "read-cal", "x.txt" }, "read-cal is a lab-mode command: add --lab" },
        { { "--port", "COM9", "info" }, "--port takes COM1, COM2, COM3 or COM4" },
        { { "--port", "COM1", "--device", "/dev/null", "info" }, "give --port or --device, not both" },
        { { "--frob", "info" }, "Unknown option 'frob'." },
    };
    for (const Case& c : cases) {
        const ProgramResult result = RunCli(c.args);
        EXPECT_EQ(result.status, 2) << c.reason;
        EXPECT_EQ(result.err.rfind(std::string("vigilon-oss-cli: ") + c.reason + "\nusage: ", 0), 0u) << result.err;
    }
    const ProgramResult help = RunCli({ "--help" });
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("read-cal FILE"), std::string::npos);
    const ProgramResult version = RunCli({ "--version" });
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out.rfind("vigilon-oss-cli ", 0), 0u);
    EXPECT_TRUE(bench.Requests().empty());
}
