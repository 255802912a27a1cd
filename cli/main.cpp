// vigilon-oss-cli: the service tool's board operations from a terminal, for
// scripts and for servicing a fleet of radios.
#include "board/backup_store.h"
#include "board/option_board_data.h"
#include "cli/arguments.h"
#include "cli/cli_host.h"
#include "cli/cli_presenter.h"
#include "cli/commands.h"
#include "cli/interrupts.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "cli/targets.h"
#include "cli/terminal.h"
#include "frontend/byte_text.h"
#include "frontend/history_text.h"
#include "frontend/language.h"
#include "frontend/service_history.h"
#include "frontend/settings.h"
#include "link/port_hint.h"
#include "link/port_name.h"
#include "link/same_device.h"
#include "operations/fleet_on_ports.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/operation_context.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/trace_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <optional>

namespace {

const char* const USAGE = QT_TRANSLATE_NOOP(
    "Cli", "usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]\n");

const char* const HELP = QT_TRANSLATE_NOOP("Cli",
    "Reads, writes and inspects the Vigilon man down option board through the radio\n"
    "on a serial port.\n"
    "\n"
    "commands:\n"
    "  read FILE         read the board's settings and save them to the data file FILE\n"
    "                    (and a backup of them; --no-backup skips it)\n"
    "  write FILE        program the board with the settings of the data file FILE\n"
    "  info              show the board's type, revisions, codeplug version and remarks\n"
    "  check             check the connection link by link: port, cable, radio, board,\n"
    "                    codeplug version; one line per stage, stops at the first failure\n"
    "  calibrate         calibrate the accelerometer (needs --lab)\n"
    "  read-cal FILE     export the board's calibration data to FILE (needs --lab)\n"
    "  cal-stats FILE    check an exported calibration data file, print each column's\n"
    "                    minimum, maximum and mean\n"
    "  show FILE         show the settings kept in the data file FILE\n"
    "  ports             list the serial ports COM1..COM4 present, with their devices\n"
    "  ports --all       list every serial device: path, stable path, the ports that\n"
    "                    stand for it, kind (cable, usb, serial) and description\n"
    "  find-cable        find the programming cable: unplug it and plug it in again\n"
    "                    when asked; the port (--port, default: the configured one)\n"
    "                    then stands for it, kept by its stable path\n"
    "  backups           list the backups of board settings, newest first\n"
    "  diff A B          show the settings that differ between data files A and B\n"
    "  diff A --board    show the settings that differ between data file A and the board\n"
    "  to-text FILE [OUT]    write the data file's settings as text (to OUT or the terminal)\n"
    "  from-text TEXT OUT    make the data file OUT from a text made by to-text\n"
    "  fleet FILE        program radio after radio with the settings of FILE: waits for\n"
    "                    each radio, writes it, reports it, waits until it is unplugged;\n"
    "                    with several --port (or --device) options, on all at once\n"
    "  history           list the service history, newest first: every operation on a\n"
    "                    radio with its time, result, port, radio, board and user\n"
    "  history show ID   one entry whole: its messages, the settings read and written\n"
    "                    (in the text form) and what a write changed\n"
    "  support-bundle ZIP [TRACE]\n"
    "                    write one zip file for support: versions, system, serial\n"
    "                    devices, what keeps each port from opening, the settings\n"
    "                    (no passwords), the last 50 service history entries and\n"
    "                    the trace file TRACE of an earlier --trace\n"
    "\n"
    "options:\n"
    "  --port COMn       the serial port (default: the port configured in the GUI)\n"
    "  --device PATH     a serial device to use directly instead of a port\n"
    "                    (fleet: repeat --port or --device for up to 8 ports)\n"
    "  --yes             answer yes to the confirmation questions\n"
    "  --lab             lab mode: allows calibrate and read-cal\n"
    "  --verify          write: read the settings back and compare them\n"
    "  --backup-first    write: back up the board's settings before writing\n"
    "  --no-backup       read: keep no backup of the settings read\n"
    "  --board           diff: compare with the board's settings\n"
    "  --count N         fleet: stop after N radios on each port (default: until Ctrl+C)\n"
    "  --report CSV      fleet: append one row per radio to the CSV file\n"
    "  --radio TEXT      history: the entries of radios whose text starts with TEXT\n"
    "  --board TEXT      history: the entries whose board type, revisions or codeplug\n"
    "                    version contain TEXT\n"
    "  --since DATE      history: the entries from DATE on (2026-12-09, or a local\n"
    "                    time 2026-12-09T14:30, or a UTC time ending in Z)\n"
    "  --until DATE      history: the entries up to DATE (a date: its whole day)\n"
    "  --failed          history: only the entries that did not succeed\n"
    "  --csv             history: the entries as CSV, oldest first, with their\n"
    "                    settings and messages\n"
    "  --no-history      add no entry to the service history (throw-away work)\n"
    "  --trace FILE      write every byte sent and received, the frames, pauses and\n"
    "                    messages to FILE as they happen, for support (several\n"
    "                    ports: each line starts with its port in brackets)\n"
    "  --json            info, show, diff, ports, backups, cal-stats, fleet, history:\n"
    "                    print one\n"
    "                    JSON document on standard output instead, with the errors\n"
    "                    as {\"error\": {\"id\": N, \"text\": ...}}; fleet prints it when\n"
    "                    the run ends, its lines go to standard error\n"
    "  --language LANG   the language of the messages: en, de, fr or es (default:\n"
    "                    LANGUAGE, else the one chosen in the GUI, else the system's)\n"
    "  --help            this text\n"
    "  --version         the program's version\n"
    "\n"
    "Exit status: 0 when the command did all it was asked and every check passed,\n"
    "1 when it failed, 2 for usage errors.\n"
    "fleet: 0 when every radio was programmed, 1 otherwise (also when a port never\n"
    "opened in a run until Ctrl+C).\n"
    "diff: 0 when equal, 1 when different, 2 on trouble.\n");

// A text of the command line's own in the user's language, %1, %2 filled in as
// bytes (file names need not be UTF-8).
std::string Tr(const char* english, const std::vector<std::string>& fields = {})
{
    std::string text = QCoreApplication::translate("Cli", english).toStdString();
    for (size_t field = fields.size(); field-- > 0;) {
        const std::string mark = "%" + std::to_string(field + 1);
        for (size_t at = text.find(mark); at != std::string::npos; at = text.find(mark, at + fields[field].size()))
            text.replace(at, mark.size(), fields[field]);
    }
    return text;
}

int UsageError(const std::string& reason)
{
    std::fprintf(stderr, "vigilon-oss-cli: %s\n%s", reason.c_str(), Tr(USAGE).c_str());
    return 2;
}

struct CommandRow {
    const char* name;
    int minArguments; // positional arguments after the command name
    int maxArguments;
    bool needsLab;
    bool needsPort;
    int (*run)(const CliOptions&);
    int output = -1;          // the argument the command writes, when it writes one
    size_t outputSize = 0;    // about what it writes there
};

constexpr size_t TEXT_SIZE = 4096; // a settings text, a report row, a trace's start
constexpr size_t SUPPORT_BUNDLE_SIZE = 64 * 1024; // about a bundle without a trace

// The commands that answer with one JSON document under --json.
const char* const JSON_COMMANDS[] = { "info", "show", "diff", "ports", "backups", "cal-stats", "fleet", "history" };

bool AnswersInJson(const std::string& name)
{
    for (const char* command : JSON_COMMANDS) {
        if (name == command)
            return true;
    }
    return false;
}

const CommandRow COMMANDS[] = {
    { "read", 1, 1, false, true, &CommandRead, 0, DATA_FILE_SIZE },
    { "write", 1, 1, false, true, &CommandWrite },
    { "info", 0, 0, false, true, &CommandInfo },
    { "check", 0, 0, false, true, &CommandCheck },
    { "calibrate", 0, 0, true, true, &CommandCalibrate },
    { "read-cal", 1, 1, true, true, &CommandReadCalibration, 0, CALIBRATION_BACKUP.size },
    { "show", 1, 1, false, false, &CommandShow },
    { "ports", 0, 0, false, false, &CommandPorts },
    { "backups", 0, 0, false, false, &CommandBackups },
    { "diff", 1, 2, false, false, &CommandDiff },
    { "to-text", 1, 2, false, false, &CommandToText, 1, TEXT_SIZE },
    { "from-text", 2, 2, false, false, &CommandFromText, 1, DATA_FILE_SIZE },
    { "fleet", 1, 1, false, true, &CommandFleet },
    { "cal-stats", 1, 1, false, false, &CommandCalibrationStats },
    { "history", 0, 2, false, false, &CommandHistory },
    { "support-bundle", 1, 2, false, false, &CommandSupportBundle, 0, SUPPORT_BUNDLE_SIZE },
    { "find-cable", 0, 0, false, true, &CommandFindCable },
};

// diff's --board is a switch; history's takes a text. Under history the
// switch's name is read as the filter's.
QStringList HistoryBoardFilter(QStringList arguments)
{
    for (QString& argument : arguments) {
        if (argument == QLatin1String("--board"))
            argument = QStringLiteral("--board-text");
        else if (argument.startsWith(QLatin1String("--board=")))
            argument = QStringLiteral("--board-text=") + argument.mid(8);
    }
    return arguments;
}

} // namespace

// The command line's work; `commandName` is the command's name once known.
int RunCommandLine(int argc, char** argv, std::string& commandName)
{
    QCoreApplication::setApplicationName(QStringLiteral("vigilon-oss-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIGILON_VERSION));

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("COMn"));
    const QCommandLineOption deviceOption(QStringLiteral("device"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption yesOption(QStringLiteral("yes"));
    const QCommandLineOption labOption(QStringLiteral("lab"));
    const QCommandLineOption helpOption(QStringList{ QStringLiteral("help"), QStringLiteral("h") });
    const QCommandLineOption versionOption(QStringLiteral("version"));
    const QCommandLineOption verifyOption(QStringLiteral("verify"));
    const QCommandLineOption backupFirstOption(QStringLiteral("backup-first"));
    const QCommandLineOption noBackupOption(QStringLiteral("no-backup"));
    const QCommandLineOption boardOption(QStringLiteral("board"));
    const QCommandLineOption allOption(QStringLiteral("all"));
    const QCommandLineOption countOption(QStringLiteral("count"), QString(), QStringLiteral("N"));
    const QCommandLineOption reportOption(QStringLiteral("report"), QString(), QStringLiteral("CSV"));
    const QCommandLineOption traceOption(QStringLiteral("trace"), QString(), QStringLiteral("FILE"));
    const QCommandLineOption jsonOption(QStringLiteral("json"));
    const QCommandLineOption languageOption(QStringLiteral("language"), QString(), QStringLiteral("LANG"));
    const QCommandLineOption radioOption(QStringLiteral("radio"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption boardTextOption(QStringLiteral("board-text"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption sinceOption(QStringLiteral("since"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption untilOption(QStringLiteral("until"), QString(), QStringLiteral("DATE"));
    const QCommandLineOption failedOption(QStringLiteral("failed"));
    const QCommandLineOption csvOption(QStringLiteral("csv"));
    const QCommandLineOption noHistoryOption(QStringLiteral("no-history"));
    const QList<QCommandLineOption> allOptions = { portOption, deviceOption, yesOption, labOption, helpOption,
                                                   versionOption, verifyOption, backupFirstOption, noBackupOption,
                                                   boardOption, allOption, countOption, reportOption, traceOption,
                                                   jsonOption, languageOption, radioOption, boardTextOption, sinceOption,
                                                   untilOption, failedOption, csvOption, noHistoryOption };
    parser.addOptions(allOptions);
    // The language: --language, else LANGUAGE, else the one chosen in the GUI,
    // else the system's.
    const QStringList decoded = DecodeArguments(argc, argv);
    bool parsed = parser.parse(decoded);
    // "--board=TEXT" does not parse as the switch; "--board TEXT" parses with
    // TEXT as an argument, before the command's name or after it.
    if (!parsed || parser.isSet(boardOption)) {
        QCommandLineParser again;
        again.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
        again.addOptions(allOptions);
        if (again.parse(HistoryBoardFilter(decoded)) && !again.positionalArguments().isEmpty()
            && again.positionalArguments()[0] == QLatin1String("history"))
            parsed = parser.parse(HistoryBoardFilter(decoded));
    }
    const bool languageGiven = parsed && parser.isSet(languageOption);
    const QString request = languageGiven ? parser.value(languageOption) : qEnvironmentVariable("LANGUAGE");
    InstallLanguage(ChooseLanguage(languageGiven && LanguageFor(request).isEmpty() ? QString() : request));
    if (!parsed)
        return UsageError(parser.errorText().toStdString());
    if (languageGiven && LanguageFor(request).isEmpty())
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--language takes en, de, fr or es")));
    if (parser.isSet(helpOption)) {
        std::printf("%s\n%s", Tr(USAGE).c_str(), Tr(HELP).c_str());
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("vigilon-oss-cli %s\n", VIGILON_VERSION);
        return 0;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "no command given")));
    const std::string name = positional[0].toStdString();
    commandName = name;
    const CommandRow* command = nullptr;
    for (const CommandRow& row : COMMANDS) {
        if (name == row.name)
            command = &row;
    }
    if (!command)
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "unknown command '%1'"), { name }));
    const int arguments = static_cast<int>(positional.size()) - 1;
    const bool board = parser.isSet(boardOption);
    if (board && name != "diff")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--board belongs to diff")));
    if (parser.isSet(allOption) && name != "ports")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--all belongs to ports")));
    if (parser.isSet(jsonOption) && !AnswersInJson(name))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--json belongs to info, show, diff, ports, backups, cal-stats, fleet and history")));
    HistoryFilter historyFilter;
    if (name == "history") {
        if (arguments > 0 && (positional[1] != QLatin1String("show") || arguments != 2))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "history takes no arguments, or show and an entry's number")));
        if (parser.isSet(csvOption) && parser.isSet(jsonOption))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "give --csv or --json, not both")));
        historyFilter.radio = BytesOfText(parser.value(radioOption));
        historyFilter.board = BytesOfText(parser.value(boardTextOption));
        historyFilter.failedOnly = parser.isSet(failedOption);
        if (parser.isSet(sinceOption)
            && !HistoryTimeFromText(parser.value(sinceOption).toStdString(), false, historyFilter.since))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--since and --until take a date (2026-12-09) or a time (2026-12-09T14:30)")));
        if (parser.isSet(untilOption)
            && !HistoryTimeFromText(parser.value(untilOption).toStdString(), true, historyFilter.until))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--since and --until take a date (2026-12-09) or a time (2026-12-09T14:30)")));
    } else {
        for (const QCommandLineOption* option : { &radioOption, &boardTextOption, &sinceOption, &untilOption, &failedOption, &csvOption }) {
            if (parser.isSet(*option))
                return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--radio, --since, --until, --failed and --csv belong to history")));
        }
    }
    const int wanted = board ? 1 : command->minArguments;
    if (arguments < wanted)
        return UsageError(wanted > 1 ? Tr(QT_TRANSLATE_NOOP("Cli", "%1 needs two FILE arguments"), { name })
                                       : Tr(QT_TRANSLATE_NOOP("Cli", "%1 needs a FILE argument"), { name }));
    if (arguments > (board ? 1 : command->maxArguments))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "too many arguments for %1"), { name }));
    if (command->needsLab && !parser.isSet(labOption))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "%1 is a lab-mode command: add --lab"), { name }));
    if (parser.isSet(portOption) && parser.isSet(deviceOption))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "give --port or --device, not both")));
    // fleet takes several ports (or devices), one loop on each; every other command one.
    if (name == "find-cable" && parser.isSet(deviceOption))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "find-cable takes --port COMn, not --device")));
    std::vector<std::string> ports;
    for (const QString& port : parser.values(portOption)) {
        if (PortIndexOf(port.toStdString()) < 0)
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--port takes COM1, COM2, COM3 or COM4")));
        ports.push_back(port.toStdString());
    }
    for (const QString& device : parser.values(deviceOption)) {
        if (device.isEmpty())
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--device needs a path")));
        ports.push_back(BytesOfText(device));
    }
    if (ports.size() > 1 && name != "fleet")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "only fleet takes more than one --port or --device")));
    if (ports.size() > static_cast<size_t>(FLEET_MAX_PORTS))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "fleet takes at most %1 ports"), { std::to_string(FLEET_MAX_PORTS) }));
    for (size_t i = 0; i < ports.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (ports[i] == ports[j])
                return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "%1 is given twice"), { ports[i] }));
        }
    }
    // Ports come from the settings from here on. Two names of one device (a cable's
    // stable link and its tty) would make two loops fight over one port.
    SettingsPortResolver resolver;
    SharedDevice shared;
    if (FindSharedDevice(ports, shared))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "%1 and %2 are the same device (%3): give only one of them"),
                             { shared.first, shared.second, shared.device }));
    if ((parser.isSet(countOption) || parser.isSet(reportOption)) && name != "fleet")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--count and --report belong to fleet")));
    bool countValid = true;
    const int count = parser.isSet(countOption) ? parser.value(countOption).toInt(&countValid) : 0;
    if (!countValid || count < 0)
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--count takes a number of radios")));
    std::vector<std::string> files;
    for (int i = 1; i < positional.size(); ++i)
        files.push_back(BytesOfText(positional[i]));
    const std::string tracePath = BytesOfText(parser.value(traceOption));
    const std::string reportPath = BytesOfText(parser.value(reportOption));

    // Under --json standard output carries the document and nothing else; usage
    // errors (status 2, before the command starts) stay on standard error alone.
    std::optional<JsonReport> json;
    if (parser.isSet(jsonOption))
        json.emplace();
    // diff's status 1 says the files differ: an answer, not a failure.
    const auto finish = [&](int status) {
        if (json) {
            const bool failed = status != 0 && !(name == "diff" && status == 1);
            std::fprintf(stdout, "%s\n", json->Document(failed).c_str());
            FlushOutput(stdout);
        }
        return status;
    };

    // Every file the command will write is checked before anything is sent.
    std::vector<OutputTarget> outputs;
    std::vector<std::string> inputs;
    for (size_t i = 0; i < files.size(); ++i) {
        if (static_cast<int>(i) == command->output)
            outputs.push_back(OutputTarget{ files[i], command->outputSize, false });
        else
            inputs.push_back(files[i]);
    }
    if (!reportPath.empty())
        outputs.push_back(OutputTarget{ reportPath, TEXT_SIZE, false });
    if (parser.isSet(traceOption))
        outputs.push_back(OutputTarget{ tracePath, TEXT_SIZE, true });
    const TargetCheck targets = CheckTargets(outputs, inputs);
    if (targets.status == 2)
        return UsageError(targets.message);
    if (targets.status != 0) {
        PrintError(targets.messageId, targets.message);
        return finish(targets.status);
    }

    CTraceFile traceFile;
    CTextTrace trace(traceFile);
    if (parser.isSet(traceOption)) {
        if (!traceFile.Open(tracePath))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "cannot write the trace file '%1'"), { tracePath }));
        for (const std::string& line : TraceHeader("vigilon-oss-cli", VIGILON_VERSION))
            traceFile.Line(line);
    }

    const bool needsPort = command->needsPort || board;
    CliOptions options;
    if (!ports.empty())
        options.portName = ports.front();
    else if (needsPort)
        options.portName = PortNameForIndex(StoredSerialPortIndex());
    options.ports = ports.empty() ? std::vector<std::string>{ options.portName } : ports;
    if (parser.isSet(traceOption))
        options.traceLines = &traceFile;
    const bool labMode = parser.isSet(labOption);
    options.files = files;
    options.noBackup = parser.isSet(noBackupOption);
    options.verify = parser.isSet(verifyOption);
    options.backupFirst = parser.isSet(backupFirstOption);
    options.board = board;
    options.all = parser.isSet(allOption);
    options.count = count;
    options.report = reportPath;
    options.historyFilter = historyFilter;
    options.csv = parser.isSet(csvOption);
    SetServiceHistoryRecording(!parser.isSet(noHistoryOption));

    // What would have gone to standard output besides the result (information,
    // instructions) goes to standard error under --json.
    CliPresenter presenter(parser.isSet(yesOption), stdin, json ? stderr : stdout, stderr);
    if (json)
        json->Listen(presenter);
    CliHost host(IsTerminal(stderr) ? stderr : nullptr,
                 name == "read-cal" ? options.files.front() : std::string());
    OperationContext context;
    context.presenter = json ? static_cast<IMessagePresenter*>(&*json) : &presenter;
    context.host = &host;
    context.trace = parser.isSet(traceOption) ? &trace : nullptr;
    context.stop = &InterruptStopRequest();
    context.labMode = &labMode;
    options.context = &context;
    if (needsPort)
        InstallStopOnInterrupt();
    const int status = command->run(options);
    // The operation's own messages cannot tell that the cable went; this line does.
    if (context.CableUnplugged())
        std::fprintf(stderr, "%s\n", FormatString(IDS_CLI_HINT, LoadString(IDS_HINT_CABLE_UNPLUGGED).c_str()).c_str());
    // A success after error lines (an echo that came back wrong, say, before an
    // answer that passed its checks) says so, so that nobody takes the lines for
    // a failure or the status for a lie.
    if (status == 0 && presenter.Errors() > 0)
        std::fprintf(stderr, "%s\n", LoadString(IDS_CLI_ERRORS_OVERCOME).c_str());
    // A trace that lost lines is no trace for support: the command says so and fails.
    if (parser.isSet(traceOption) && !traceFile.Complete()) {
        PrintError(IDS_TRACE_WRITE_FAILED, FormatString(IDS_TRACE_WRITE_FAILED, tracePath.c_str()));
        return finish(status == 0 ? 1 : status);
    }
    return finish(status);
}

int main(int argc, char** argv)
{
#ifndef _WIN32
    // A reader that went away (`| head`) is a failed write, said and exited 1,
    // not a signal that ends the program in silence.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    BufferStandardOutput();
    SetPortHintReader(PortHintReader::Terminal);
    QCoreApplication app(argc, argv);
    std::string name;
    const int status = RunCommandLine(argc, argv, name);
    // What standard output did not take is a failure, whatever the command made
    // of its work; for diff, whose 1 says "different", it is trouble.
    if (!CloseStandardOutput())
        return name == "diff" ? 2 : status == 0 ? 1 : status;
    return status;
}
