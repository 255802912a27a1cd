// vigilon-oss-cli history: the service history's entries, newest first, one line
// each (tab-separated, times local); --csv for the CSV form, --json for one
// document; `history show ID` for one entry whole, with its settings in the text
// form and, for a write, what it changed.
#include "cli/commands.h"

#include "board/settings_text.h"
#include "cli/json_board.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "app/history_text.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <QByteArray>

#include <cstdlib>

#include <cerrno>

namespace {

// The history cannot be read: said as an error, into the document too.
int Unreadable(const HistoryStore& store)
{
    PrintError(IDS_HISTORY_UNREADABLE, FormatString(IDS_HISTORY_UNREADABLE, store.Path().c_str(), store.Error().c_str()));
    return 1;
}

std::string HexOf(const std::optional<DataFileBytes>& bytes)
{
    return bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<int>(bytes->size())).toHex().toStdString()
                 : std::string();
}

JsonValue EntryJson(const HistoryEntry& entry)
{
    const auto text = [](const std::string& value) { return value.empty() ? JsonValue() : JsonValue(value); };
    return JsonValue::Object()
        .Set("id", entry.id)
        .Set("time", entry.time)
        .Set("user", entry.user)
        .Set("host", entry.host)
        .Set("program", entry.program)
        .Set("port", entry.port)
        .Set("device", entry.device)
        .Set("radio", text(entry.radioInfo))
        .Set("board", JsonValue::Object()
                          .Set("type", text(entry.boardType))
                          .Set("hardwareRevision", text(entry.boardHardware))
                          .Set("softwareVersion", text(entry.boardSoftware))
                          .Set("codeplugVersion", text(entry.boardCodeplug)))
        .Set("operation", entry.operation)
        .Set("result", entry.result)
        .Set("verified", entry.verified)
        .Set("backupFile", text(entry.backupFile))
        .Set("fleetRun", entry.fleetRun > 0 ? JsonValue(entry.fleetRun) : JsonValue());
}

JsonValue SettingsBytesJson(const std::optional<DataFileBytes>& bytes)
{
    if (!bytes)
        return JsonValue();
    SettingsSnapshot snapshot;
    const bool valid = HistorySettings(*bytes, snapshot);
    return JsonValue::Object()
        .Set("bytes", HexOf(bytes))
        .Set("checksumValid", valid)
        .Set(TEXT_VERSION_KEY, VersionText(snapshot.major, snapshot.minor))
        .Set("settings", SettingsJson(snapshot));
}

void PrintField(int labelId, const std::string& value)
{
    if (!value.empty())
        std::fprintf(stdout, "%s: %s\n", LoadString(labelId).c_str(), VisibleText(value).c_str());
}

// A section's title, then its lines indented.
void PrintSection(int titleId, const std::vector<std::string>& lines)
{
    std::fprintf(stdout, "%s:\n", LoadString(titleId).c_str());
    for (const std::string& line : lines)
        std::fprintf(stdout, "  %s\n", line.c_str());
}

std::vector<std::string> SettingsLines(const DataFileBytes& bytes)
{
    SettingsSnapshot snapshot;
    std::vector<std::string> lines;
    if (!HistorySettings(bytes, snapshot))
        lines.push_back("# " + LoadString(IDS_HISTORY_BAD_CHECKSUM));
    // The text form's "key = value" lines without its comments: the labels are
    // the text form's to give (to-text), the values are what the entry holds.
    const std::string text = SettingsToText(snapshot);
    for (size_t start = 0; start < text.size();) {
        const size_t end = text.find('\n', start);
        const std::string line = text.substr(start, end == std::string::npos ? std::string::npos : end - start);
        if (!line.empty() && line[0] != '#')
            lines.push_back(line);
        start = end == std::string::npos ? text.size() : end + 1;
    }
    return lines;
}

std::string RunText(HistoryStore& store, int64_t id)
{
    const std::optional<HistoryRun> run = store.Run(id);
    if (!run)
        return std::to_string(id);
    return FormatString(IDS_HISTORY_RUN_TEXT, std::to_string(run->id).c_str(), run->settingsFile.c_str(),
                        run->settingsSha256.c_str(), run->ports.c_str(), HistoryLocalTime(run->started).c_str(),
                        run->ended.empty() ? LoadString(IDS_HISTORY_RUN_NOT_ENDED).c_str()
                                           : HistoryLocalTime(run->ended).c_str());
}

int ShowEntry(HistoryStore& store, const std::string& given)
{
    char* end = nullptr;
    const long long id = std::strtoll(given.c_str(), &end, 10);
    const std::optional<HistoryEntry> found = end && *end == '\0' && id > 0 ? store.Get(id) : std::nullopt;
    if (!store.Error().empty())
        return Unreadable(store);
    if (!found) {
        PrintError(IDS_HISTORY_NO_ENTRY, FormatString(IDS_HISTORY_NO_ENTRY, given.c_str()));
        return 1;
    }
    const HistoryEntry& entry = *found;
    const std::vector<std::string> differences = HistoryWriteDifferences(store, entry);
    const bool before = entry.settingsWritten && store.SettingsBefore(entry).has_value();
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue messages = JsonValue::Array();
        for (const std::string& message : entry.messages)
            messages.Push(message);
        JsonValue shown = EntryJson(entry);
        shown.Set("messages", messages)
            .Set("settingsRead", SettingsBytesJson(entry.settingsRead))
            .Set("settingsWritten", SettingsBytesJson(entry.settingsWritten));
        if (entry.settingsWritten) {
            JsonValue changed = JsonValue::Array();
            for (const std::string& line : differences)
                changed.Push(line);
            shown.Set("differences", before ? changed : JsonValue());
        }
        json->Result().Set("entry", shown);
        return 0;
    }
    std::fprintf(stdout, "%s\n", FormatString(IDS_HISTORY_ENTRY, std::to_string(entry.id).c_str()).c_str());
    PrintField(IDS_HISTORY_TIME, HistoryLocalTime(entry.time) + " (" + entry.time + ")");
    PrintField(IDS_HISTORY_USER, FormatString(IDS_HISTORY_USER_AT, entry.user.c_str(), entry.host.c_str()));
    PrintField(IDS_HISTORY_PROGRAM, entry.program);
    PrintField(IDS_HISTORY_PORT, entry.device.empty() || entry.device == entry.port ? entry.port
                                                                                     : entry.port + " (" + entry.device + ")");
    PrintField(IDS_HISTORY_RADIO, entry.radioInfo);
    PrintField(IDS_HISTORY_BOARD, HistoryBoardText(entry));
    PrintField(IDS_HISTORY_OPERATION, HistoryWord(entry.operation));
    PrintField(IDS_HISTORY_RESULT, HistoryResultText(entry));
    PrintField(IDS_HISTORY_BACKUP, entry.backupFile);
    if (entry.fleetRun > 0)
        PrintField(IDS_HISTORY_FLEET_RUN, RunText(store, entry.fleetRun));
    if (!entry.messages.empty()) {
        std::vector<std::string> lines;
        for (const std::string& message : entry.messages)
            lines.push_back(VisibleText(message));
        PrintSection(IDS_HISTORY_MESSAGES, lines);
    }
    if (entry.settingsRead)
        PrintSection(IDS_HISTORY_SETTINGS_READ, SettingsLines(*entry.settingsRead));
    if (entry.settingsWritten) {
        PrintSection(IDS_HISTORY_SETTINGS_WRITTEN, SettingsLines(*entry.settingsWritten));
        PrintSection(IDS_HISTORY_DIFFERENCES,
                     !before ? std::vector<std::string>{ LoadString(IDS_HISTORY_DIFFERENCES_UNKNOWN) }
                     : differences.empty() ? std::vector<std::string>{ LoadString(IDS_HISTORY_NO_DIFFERENCES) }
                                           : differences);
    }
    FlushOutput(stdout);
    return 0;
}

} // namespace

int CommandHistory(const CliOptions& options)
{
    HistoryStore store(ServiceHistoryPath());
    if (!store.Open())
        return Unreadable(store);
    // A damaged file found on the way is said, as an operation says it.
    WarnMovedAside(*options.context, store);
    if (!options.files.empty())
        return ShowEntry(store, options.files.at(1));
    if (options.csv && !WriteHistoryCsv(store, options.historyFilter, stdout)) {
        const int error = errno;
        if (!store.Error().empty())
            return Unreadable(store);
        // The program's end says that standard output failed, and why.
        NoteOutputFailure(error);
        return 1;
    }
    if (options.csv)
        return 0;

    const std::vector<HistoryEntry> entries = store.Find(options.historyFilter);
    if (!store.Error().empty())
        return Unreadable(store);
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue list = JsonValue::Array();
        for (const HistoryEntry& entry : entries)
            list.Push(EntryJson(entry));
        json->Result().Set("history", store.Path()).Set("entries", list);
        return 0;
    }
    if (entries.empty())
        std::fprintf(stdout, "%s\n", FormatString(IDS_HISTORY_NO_ENTRIES, store.Path().c_str()).c_str());
    for (const HistoryEntry& entry : entries) {
        std::fprintf(stdout, "%lld\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n", static_cast<long long>(entry.id),
                     HistoryLocalTime(entry.time).c_str(), HistoryWord(entry.operation).c_str(),
                     HistoryResultText(entry).c_str(), VisibleText(entry.port).c_str(),
                     VisibleText(entry.radioInfo).c_str(), VisibleText(HistoryBoardText(entry)).c_str(),
                     VisibleText(FormatString(IDS_HISTORY_USER_AT, entry.user.c_str(), entry.host.c_str())).c_str());
    }
    FlushOutput(stdout);
    return 0;
}

// How the command line knows history (cli/command_list.cpp).
extern const CliCommand HISTORY_COMMAND = {
    "history", "history\nhistory show ID",
    //: One paragraph per form: history, then history show ID.
    QT_TRANSLATE_NOOP("Cli", "list the service history, newest first: every operation on a\n"
                             "radio with its time, result, port, radio, board and user\n"
                             "\n"
                             "one entry whole: its messages, the settings read and written\n"
                             "(in the text form) and what a write changed"),
    0, 2, CLI_TAKES_JSON, &CommandHistory,
};
