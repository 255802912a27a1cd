// vigilon-oss-cli history: the service history's entries, newest first, one line
// each (tab-separated, times local); --csv for the CSV form, --json for one
// document; `history show ID` for one entry whole, with its settings in the text
// form and, for a write, what it changed.
#include "cli/commands.h"

#include "board/settings_text.h"
#include "cli/json_board.h"
#include "cli/job_sheet_output.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "app/depot_store.h"
#include "app/history_columns.h"
#include "app/history_sync.h"
#include "app/history_text.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <QByteArray>

#include <cstdlib>
#include <memory>

#include <cerrno>

namespace {

// The history cannot be read: said as an error, into the document too.
int Unreadable(const HistoryReader& store)
{
    const bool depot = dynamic_cast<const DepotStore*>(&store) != nullptr;
    const int id = depot ? IDS_DEPOT_UNREACHABLE : IDS_HISTORY_UNREADABLE;
    PrintError(id, FormatString(id, store.Place().c_str(), store.Error().c_str()));
    return 1;
}

// No depot's record is named: `history sync`, `verify` and --all-benches have nothing to reach.
int NoServer()
{
    PrintError(IDS_HISTORY_NO_SERVER, LoadString(IDS_HISTORY_NO_SERVER));
    return 1;
}

std::string HexOf(const std::optional<DataFileBytes>& bytes)
{
    return bytes ? QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<int>(bytes->size())).toHex().toStdString()
                 : std::string();
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

JsonValue ColumnJson(const HistoryEntry& entry, const HistoryColumn& column)
{
    if (HistoryValueIsNone(entry, column))
        return JsonValue();
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        return JsonValue(HistoryValue<int64_t>(entry, column));
    case HistoryKind::Time:
    case HistoryKind::Text:
    case HistoryKind::Word:
        return JsonValue(HistoryValue<std::string>(entry, column));
    case HistoryKind::YesNo:
        return JsonValue(HistoryValue<bool>(entry, column));
    case HistoryKind::Messages: {
        JsonValue messages = JsonValue::Array();
        for (const std::string& message : HistoryValue<std::vector<std::string>>(entry, column))
            messages.Push(message);
        return messages;
    }
    case HistoryKind::Settings:
        return SettingsBytesJson(HistoryValue<std::optional<DataFileBytes>>(entry, column));
    }
    return JsonValue();
}

// The entry's columns a list reads, then with `whole` the others. A key
// "board.type" is the member "type" of the object "board", which gathers the
// columns of its name that follow each other.
JsonValue EntryJson(const HistoryEntry& entry, bool whole)
{
    JsonValue object = JsonValue::Object();
    std::string group;
    JsonValue members;
    const auto endGroup = [&] {
        if (!group.empty())
            object.Set(group, members);
        group.clear();
    };
    const auto add = [&](const HistoryColumn& column) {
        const std::string key = column.jsonKey;
        const size_t dot = key.find('.');
        const std::string prefix = dot == std::string::npos ? std::string() : key.substr(0, dot);
        if (prefix != group) {
            endGroup();
            group = prefix;
            members = JsonValue::Object();
        }
        if (group.empty())
            object.Set(key, ColumnJson(entry, column));
        else
            members.Set(key.substr(dot + 1), ColumnJson(entry, column));
    };
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (HistoryColumnListed(column))
            add(column);
    }
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (!HistoryColumnListed(column) && whole)
            add(column);
    }
    endGroup();
    return object;
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

// A section's lines: the messages, or the settings in the text form; none when the entry has none.
std::vector<std::string> SectionLines(const HistoryEntry& entry, const HistoryColumn& column)
{
    std::vector<std::string> lines;
    if (column.kind == HistoryKind::Messages) {
        for (const std::string& message : HistoryValue<std::vector<std::string>>(entry, column))
            lines.push_back(VisibleText(message));
    }
    if (column.kind == HistoryKind::Settings) {
        if (const std::optional<DataFileBytes>& bytes = HistoryValue<std::optional<DataFileBytes>>(entry, column))
            lines = SettingsLines(*bytes);
    }
    return lines;
}

int ShowEntry(HistoryReader& store, const std::string& given)
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
        JsonValue shown = EntryJson(entry, true);
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
    // The fields one line each, then the sections; what a write changed last.
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.labelId && !HistoryColumnIsSection(column))
            PrintField(column.labelId, HistoryLineText(store, entry, column));
    }
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (!HistoryColumnIsSection(column))
            continue;
        const std::vector<std::string> lines = SectionLines(entry, column);
        if (!lines.empty())
            PrintSection(column.labelId, lines);
    }
    if (entry.settingsWritten) {
        PrintSection(IDS_HISTORY_DIFFERENCES,
                     !before ? std::vector<std::string>{ LoadString(IDS_HISTORY_DIFFERENCES_UNKNOWN) }
                     : differences.empty() ? std::vector<std::string>{ LoadString(IDS_HISTORY_NO_DIFFERENCES) }
                                           : differences);
    }
    FlushOutput(stdout);
    return 0;
}

// Sends what waits: "N uploaded, M waiting", 1 while any still waits.
int SyncCommand(const CliOptions& options)
{
    if (options.historyServer.empty())
        return NoServer();
    HistoryStore local(ServiceHistoryPath());
    if (!local.Open())
        return Unreadable(local);
    WarnMovedAside(*options.context, local);
    DepotStore depot(options.historyServer);
    HistorySyncOutcome outcome;
    const bool reached = depot.Open();
    if (reached)
        outcome = SyncHistory(local, depot);
    else
        outcome.waiting = local.WaitingCount();
    if (!reached || !depot.Error().empty())
        Unreadable(depot);
    else if (!outcome.error.empty())
        Unreadable(local);
    const bool done = reached && depot.Error().empty() && outcome.error.empty() && outcome.waiting == 0;
    if (JsonReport* json = ActiveJsonReport())
        json->Result().Set("uploaded", outcome.uploaded).Set("waiting", outcome.waiting);
    else
        std::fprintf(stdout, "%s\n", FormatString(IDS_HISTORY_SYNC_RESULT, outcome.uploaded, outcome.waiting).c_str());
    FlushOutput(stdout);
    return done ? 0 : 1;
}

// Walks every bench's chain in the record and this bench's sent entries: 1 for any fault.
int VerifyCommand(const CliOptions& options)
{
    if (options.historyServer.empty())
        return NoServer();
    HistoryStore local(ServiceHistoryPath());
    HistoryJournal journal;
    std::vector<HistorySent> sent;
    if (!local.SentEntries(journal, sent))
        return Unreadable(local);
    DepotStore depot(options.historyServer);
    DepotVerdict verdict;
    if (!depot.Verify(journal, sent, verdict))
        return Unreadable(depot);
    const std::string count = std::to_string(verdict.entries);
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue faults = JsonValue::Array();
        for (const std::string& fault : verdict.faults)
            faults.Push(fault);
        json->Result().Set("entries", verdict.entries).Set("benches", verdict.benches).Set("faults", faults);
    } else {
        for (const std::string& fault : verdict.faults)
            std::fprintf(stdout, "%s\n", VisibleText(fault).c_str());
        std::fprintf(stdout, "%s\n",
                     verdict.faults.empty()
                         ? FormatString(IDS_DEPOT_VERIFY_WHOLE, count.c_str(), verdict.benches).c_str()
                         : FormatString(IDS_DEPOT_VERIFY_FAULTS, count.c_str(), verdict.benches,
                                        static_cast<int>(verdict.faults.size()))
                               .c_str());
    }
    FlushOutput(stdout);
    return verdict.faults.empty() ? 0 : 1;
}

} // namespace

int CommandHistory(const CliOptions& options)
{
    const std::string verb = options.files.empty() ? std::string() : options.files.front();
    if (verb == "sync")
        return SyncCommand(options);
    if (verb == "verify")
        return VerifyCommand(options);
    if (options.allBenches && options.historyServer.empty())
        return NoServer();
    std::unique_ptr<HistoryReader> reader;
    if (options.allBenches)
        reader = std::make_unique<DepotStore>(options.historyServer);
    else
        reader = std::make_unique<HistoryStore>(ServiceHistoryPath());
    HistoryReader& store = *reader;
    if (!store.Open())
        return Unreadable(store);
    // A damaged file found on the way is said, as an operation says it.
    if (auto* local = dynamic_cast<HistoryStore*>(&store))
        WarnMovedAside(*options.context, *local);
    if (!options.files.empty() && !options.jobSheet.empty())
        return WriteEntryJobSheet(store, options.files.at(1), options.jobSheet);
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

    const std::vector<HistoryEntry> entries = store.Find(options.historyFilter, 0, -1, false);
    if (!store.Error().empty())
        return Unreadable(store);
    if (JsonReport* json = ActiveJsonReport()) {
        JsonValue list = JsonValue::Array();
        for (const HistoryEntry& entry : entries)
            list.Push(EntryJson(entry, false));
        json->Result().Set("history", store.Place()).Set("entries", list);
        return 0;
    }
    if (entries.empty())
        std::fprintf(stdout, "%s\n", FormatString(IDS_HISTORY_NO_ENTRIES, store.Place().c_str()).c_str());
    for (const HistoryEntry& entry : entries) {
        std::fprintf(stdout, "%lld\t%s\t%s\t%s\t%s\t%s\t%s\t%s", static_cast<long long>(entry.id),
                     HistoryLocalTime(entry.time).c_str(), HistoryWord(entry.operation).c_str(),
                     HistoryResultText(entry).c_str(), VisibleText(entry.port).c_str(),
                     VisibleText(HistoryRadioText(entry)).c_str(), VisibleText(HistoryBoardText(entry)).c_str(),
                     VisibleText(HistoryUserText(entry)).c_str());
        // The depot's record holds every bench's work: each line says whose.
        if (options.allBenches)
            std::fprintf(stdout, "\t%s", VisibleText(entry.bench).c_str());
        std::fputc('\n', stdout);
    }
    FlushOutput(stdout);
    return 0;
}

// How the command line knows history (cli/command_list.cpp).
extern const CliCommand HISTORY_COMMAND = {
    "history", "history\nhistory show ID\nhistory sync\nhistory verify",
    //: One paragraph per form: history, history show ID, history sync, history verify.
    QT_TRANSLATE_NOOP("Cli", "list the service history, newest first: every operation on a\n"
                             "radio with its time, result, port, radio, board and user\n"
                             "\n"
                             "one entry whole: its messages, the settings read and written\n"
                             "(in the text form) and what a write changed\n"
                             "\n"
                             "send the entries waiting for the depot's record now and say\n"
                             "\"N uploaded, M waiting\" (1 while entries wait)\n"
                             "\n"
                             "check every bench's chain in the depot's record, and that it\n"
                             "holds what this bench sent (1 for any fault)"),
    0, 2, CLI_TAKES_JSON, &CommandHistory,
};
