#include "cli/help_text.h"

#include "cli/cli_text.h"
#include "cli/command_list.h"

#include <QtGlobal>

#include <vector>

namespace {

const char* const USAGE = QT_TRANSLATE_NOOP(
    "Cli", "usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] [--json] [--language LANG] COMMAND [ARGS]\n");

const char* const INTRO = QT_TRANSLATE_NOOP("Cli",
    "Reads, writes and inspects the Vigilon man down option board through the radio\n"
    "on a serial port.\n"
    "\n"
    "commands:\n");

//: %1 the commands that take --json, as in "info, show, diff".
const char* const OPTIONS = QT_TRANSLATE_NOOP("Cli",
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
    "  --json            %1:\n"
    "                    print one\n"
    "                    JSON document on standard output instead, with the errors\n"
    "                    as {\"error\": {\"id\": N, \"text\": ...}}; fleet prints it when\n"
    "                    the run ends, its lines go to standard error\n"
    "  --language LANG   the language of the messages: en, de, fr or es (default:\n"
    "                    LANGUAGE, else the one chosen in the GUI, else the system's)\n"
    "  --help            this text\n"
    "  --version         the program's version\n");

const char* const RADIO_ID_OPTIONS = QT_TRANSLATE_NOOP("Cli",
    "  --radio-id TEXT   read, write, info, check, calibrate, read-cal, diff --board:\n"
    "                    the radio's serial number or asset tag, kept with the\n"
    "                    operation in the service history; history: the entries\n"
    "                    of the radio with this ID\n"
    "  --ask-radio-id    fleet: ask for each radio's ID before it is programmed\n"
    "                    (scan or type it, then connect the radio)\n");

const char* const DEPOT_OPTIONS = QT_TRANSLATE_NOOP("Cli",
    "  --history-server URI\n"
    "                    the depot's record on a PostgreSQL server, as a connection\n"
    "                    URI (postgresql://user@host/database): each entry is also\n"
    "                    sent there, and history sync, history verify and\n"
    "                    --all-benches read it (default: the setting\n"
    "                    History/Server); a password belongs in ~/.pgpass, never\n"
    "                    in the URI\n"
    "  --all-benches     history: list or show the depot's record, the entries of\n"
    "                    every bench, instead of this computer's\n");
const char* const JOB_SHEET_OPTIONS = QT_TRANSLATE_NOOP("Cli",
    "  --pdf FILE        history show ID: write the entry's job sheet to FILE as a\n"
    "                    PDF (radio, board, settings written, verified, technician,\n"
    "                    bench, time) instead of printing the entry\n"
    "  --job-sheet FILE  fleet: write the run's job sheet to FILE as a PDF once the\n"
    "                    run has ended: the settings file and its SHA-256, ports,\n"
    "                    times, the settings written and a row per radio\n");

const char* const EXIT_STATUS = QT_TRANSLATE_NOOP("Cli",
    "Exit status: 0 when the command did all it was asked and every check passed,\n"
    "1 when it failed, 2 for usage errors.\n"
    "fleet: 0 when every radio was programmed, 1 otherwise (also when a port never\n"
    "opened in a run until Ctrl+C).\n"
    "diff: 0 when equal, 1 when different, 2 on trouble.\n");

// A command's text starts in this column, after two spaces and its usage.
constexpr size_t TEXT_COLUMN = 20;

std::vector<std::string> Split(const std::string& text, const std::string& separator)
{
    std::vector<std::string> parts;
    size_t from = 0;
    for (size_t at = text.find(separator); at != std::string::npos; at = text.find(separator, from)) {
        parts.push_back(text.substr(from, at - from));
        from = at + separator.size();
    }
    parts.push_back(text.substr(from));
    return parts;
}

// Each form of the command's usage with the paragraph of its text that tells
// it: beside the form, or below it when the form reaches the text's column.
std::string CommandLines(const CliCommand& command)
{
    std::string text = Tr(command.help);
    while (!text.empty() && text.back() == '\n')
        text.pop_back();
    const std::vector<std::string> forms = Split(command.usage, "\n");
    const std::vector<std::string> paragraphs = Split(text, "\n\n");
    std::string lines;
    for (size_t i = 0; i < forms.size() || i < paragraphs.size(); ++i) {
        std::string line = "  " + (i < forms.size() ? forms[i] : std::string());
        if (i >= paragraphs.size()) {
            lines += line + "\n";
            continue;
        }
        if (line.size() + 2 > TEXT_COLUMN) {
            lines += line + "\n";
            line.clear();
        }
        for (const std::string& textLine : Split(paragraphs[i], "\n")) {
            line.resize(TEXT_COLUMN, ' ');
            lines += line + textLine + "\n";
            line.clear();
        }
    }
    return lines;
}

std::string Joined(const std::vector<std::string>& names, const std::string& separator)
{
    std::string joined;
    for (const std::string& name : names)
        joined += (joined.empty() ? "" : separator) + name;
    return joined;
}

} // namespace

std::string UsageText()
{
    return Tr(USAGE);
}

std::string HelpText()
{
    std::string help = UsageText() + "\n" + Tr(INTRO);
    for (int i = 0; i < CLI_COMMAND_COUNT; ++i)
        help += CommandLines(*CLI_COMMANDS[i]);
    return help + "\n" + Tr(OPTIONS, { Joined(CliCommandNames(CLI_TAKES_JSON), ", ") }) + Tr(RADIO_ID_OPTIONS)
           + Tr(DEPOT_OPTIONS) + Tr(JOB_SHEET_OPTIONS) + "\n"
           + Tr(EXIT_STATUS);
}
