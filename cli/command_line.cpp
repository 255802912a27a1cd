// vigilon-oss-cli's work from its arguments to its exit status.
#include "cli/command_line.h"

#include "cli/arguments.h"
#include "cli/cli_application.h"
#include "cli/cli_host.h"
#include "cli/cli_presenter.h"
#include "cli/cli_text.h"
#include "cli/command_list.h"
#include "cli/help_text.h"
#include "cli/history_send.h"
#include "cli/interrupts.h"
#include "cli/job_sheet_output.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "cli/targets.h"
#include "cli/terminal.h"
#include "app/byte_text.h"
#include "app/depot_address.h"
#include "app/history_text.h"
#include "app/language.h"
#include "app/radio_id.h"
#include "app/service_history.h"
#include "app/settings.h"
#include "jobsheet/job_sheet.h"
#include "link/port_hint.h"
#include "link/port_name.h"
#include "link/same_device.h"
#include "operations/fleet_on_ports.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/operation_context.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "cli/trace_file.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <csignal>
#include <cstdio>
#include <memory>
#include <optional>

namespace {

int UsageError(const std::string& reason)
{
    std::fprintf(stderr, "vigilon-oss-cli: %s\n%s", reason.c_str(), UsageText().c_str());
    return 2;
}

// The usage error of --json given to a command that does not take it, naming
// those that do.
std::string JsonRefused()
{
    const std::vector<std::string> takers = CliCommandNames(CLI_TAKES_JSON);
    std::string others;
    for (size_t i = 0; i + 1 < takers.size(); ++i)
        others += (others.empty() ? "" : ", ") + takers[i];
    return Tr(QT_TRANSLATE_NOOP("Cli", "--json belongs to %1 and %2"), { others, takers.back() });
}

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

// The command line's work; `commandName` is the command's name once known.
int RunCommandLine(int argc, char** argv, std::string& commandName, IClock* clock)
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
    const QCommandLineOption radioIdOption(QStringLiteral("radio-id"), QString(), QStringLiteral("TEXT"));
    const QCommandLineOption askRadioIdOption(QStringLiteral("ask-radio-id"));
    const QCommandLineOption historyServerOption(QStringLiteral("history-server"), QString(), QStringLiteral("URI"));
    const QCommandLineOption allBenchesOption(QStringLiteral("all-benches"));
    const QList<QCommandLineOption> allOptions = { portOption, deviceOption, yesOption, labOption, helpOption,
                                                   versionOption, verifyOption, backupFirstOption, noBackupOption,
                                                   boardOption, allOption, countOption, reportOption, traceOption,
                                                   jsonOption, languageOption, radioOption, boardTextOption, sinceOption,
                                                   untilOption, failedOption, csvOption, noHistoryOption,
                                                   radioIdOption, askRadioIdOption, historyServerOption,
                                                   allBenchesOption };
    parser.addOptions(allOptions);
    parser.addOptions(JobSheetOptions());
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
        again.addOptions(JobSheetOptions());
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
        std::printf("%s", HelpText().c_str());
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
    const CliCommand* command = FindCliCommand(name);
    if (!command)
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "unknown command '%1'"), { name }));
    const int arguments = static_cast<int>(positional.size()) - 1;
    const bool board = parser.isSet(boardOption);
    if (board && name != "diff")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--board belongs to diff")));
    if (parser.isSet(allOption) && name != "ports")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--all belongs to ports")));
    if (parser.isSet(jsonOption) && !(command->traits & CLI_TAKES_JSON))
        return UsageError(JsonRefused());
    HistoryFilter historyFilter;
    if (name == "history") {
        const QString verb = arguments > 0 ? positional[1] : QString();
        const bool alone = verb == QLatin1String("sync") || verb == QLatin1String("verify");
        if (arguments > 0 && !(verb == QLatin1String("show") && arguments == 2) && !(alone && arguments == 1))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "history takes no arguments, show and an entry's number, sync or verify")));
        if (alone && parser.isSet(allBenchesOption))
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--all-benches belongs to the history's lists and show")));
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
    // The radio's ID names the one radio a command talks to; history lists its entries.
    std::string radioId;
    if (parser.isSet(radioIdOption)) {
        if (name == "fleet")
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "fleet asks for each radio's ID: give --ask-radio-id instead of --radio-id")));
        if (!(command->traits & CLI_ONE_RADIO) && !board && name != "history")
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--radio-id belongs to the commands that talk to one radio, and to history")));
        // UTF-8 as the GUI keeps it, so that one label is one ID whichever program took it.
        const std::optional<std::string> id = RadioIdFromText(parser.value(radioIdOption).toUtf8().toStdString());
        if (!id)
            return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--radio-id takes the radio's serial number or asset tag: up to %1 characters of one line"),
                                 { std::to_string(RADIO_ID_MAX_CHARACTERS) }));
        radioId = *id;
        historyFilter.radioId = radioId;
    }
    if (parser.isSet(allBenchesOption) && name != "history")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--all-benches belongs to the history's lists and show")));
    // The depot's record: given, else the one the settings name.
    const std::string historyServer
        = parser.isSet(historyServerOption) ? parser.value(historyServerOption).trimmed().toStdString() : StoredHistoryServer();
    if (parser.isSet(historyServerOption) && historyServer.empty())
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--history-server takes a PostgreSQL connection URI")));
    // One kept in the settings is refused where the record is reached, so that
    // the commands that need no server still work.
    if (parser.isSet(historyServerOption)) {
        const DepotAddress address = ParseDepotAddress(historyServer);
        if (!address.error.empty())
            return UsageError(address.error);
        if (address.HoldsPassword())
            return UsageError(LoadString(IDS_DEPOT_PASSWORD_IN_ADDRESS));
    }
    if (parser.isSet(askRadioIdOption) && name != "fleet")
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "--ask-radio-id belongs to fleet")));
    std::string jobSheetPath;
    if (const std::string misplaced = JobSheetPath(parser, positional, jobSheetPath); !misplaced.empty())
        return UsageError(misplaced);
    const int wanted = board ? 1 : command->minArguments;
    if (arguments < wanted)
        return UsageError(wanted > 1 ? Tr(QT_TRANSLATE_NOOP("Cli", "%1 needs two FILE arguments"), { name })
                                       : Tr(QT_TRANSLATE_NOOP("Cli", "%1 needs a FILE argument"), { name }));
    if (arguments > (board ? 1 : command->maxArguments))
        return UsageError(Tr(QT_TRANSLATE_NOOP("Cli", "too many arguments for %1"), { name }));
    if ((command->traits & CLI_LAB_ONLY) && !parser.isSet(labOption))
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
    if (FindSharedDevice(&resolver, ports, shared))
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
        outputs.push_back(OutputTarget{ reportPath, CLI_TEXT_OUTPUT_SIZE, false });
    if (parser.isSet(traceOption))
        outputs.push_back(OutputTarget{ tracePath, CLI_TEXT_OUTPUT_SIZE, true });
    if (!jobSheetPath.empty())
        outputs.push_back(OutputTarget{ jobSheetPath, JOB_SHEET_OUTPUT_SIZE, false });
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

    const bool needsPort = (command->traits & CLI_USES_PORT) || board;
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
    options.history.recording = !parser.isSet(noHistoryOption);
    options.history.radioId = radioId;
    options.askRadioId = parser.isSet(askRadioIdOption);
    options.historyServer = historyServer;
    options.allBenches = parser.isSet(allBenchesOption);
    // What this command adds goes on to the depot's record without it waiting.
    std::optional<DetachedHistorySync> sending;
    if (options.history.recording && !historyServer.empty() && needsPort) {
        // The address is on the sync's command line, which other users can read:
        // one that holds a password (kept in the settings by hand) is not used.
        const DepotAddress address = ParseDepotAddress(historyServer);
        if (address.error.empty() && !address.HoldsPassword()) {
            sending.emplace(ProgramFile(argv[0]), historyServer);
            options.history.added = [&sending] { sending->Added(); };
        } else {
            std::fprintf(stderr, "%s\n%s\n",
                         address.error.empty() ? LoadString(IDS_DEPOT_PASSWORD_IN_ADDRESS).c_str() : address.error.c_str(),
                         LoadString(IDS_DEPOT_NOT_SENT).c_str());
        }
    }
    options.jobSheet = jobSheetPath;

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
    context.ports = &resolver;
    context.hintReader = PortHintReader::Terminal;
    if (clock)
        context.clock = clock;
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

} // namespace

int CliMain(int argc, char** argv, IClock* clock)
{
#ifndef _WIN32
    // A reader that went away (`| head`) is a failed write, said and exited 1,
    // not a signal that ends the program in silence.
    std::signal(SIGPIPE, SIG_IGN);
#endif
    BufferStandardOutput();
    // Standard input unbuffered: a line is read byte by byte, so that what one
    // answer did not take waits in the pipe for the next (a fleet's radio IDs,
    // read while the input is watched for Ctrl+C).
    std::setvbuf(stdin, nullptr, _IONBF, 0);
    const std::unique_ptr<QCoreApplication> app = MakeCliApplication(argc, argv);
    std::string name;
    const int status = RunCommandLine(argc, argv, name, clock);
    // What standard output did not take is a failure, whatever the command made
    // of its work; for diff, whose 1 says "different", it is trouble.
    if (!CloseStandardOutput())
        return name == "diff" ? 2 : status == 0 ? 1 : status;
    return status;
}
