#include "cli/job_sheet_output.h"

#include "app/byte_text.h"
#include "app/fleet_run.h"
#include "app/service_history.h"
#include "cli/cli_text.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "jobsheet/job_sheet.h"
#include "jobsheet/job_sheet_sources.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <optional>

namespace {

const char* const PDF = "pdf";
const char* const JOB_SHEET = "job-sheet";

int WriteSheet(const std::string& path, const JobSheet& sheet)
{
    std::string error;
    if (!WriteJobSheet(path, sheet, error)) {
        PrintError(IDS_JOBSHEET_WRITE_FAILED, FormatString(IDS_JOBSHEET_WRITE_FAILED, error.c_str()));
        return 1;
    }
    if (JsonReport* json = ActiveJsonReport()) {
        json->Result().Set("jobSheet", path);
    } else {
        std::fprintf(stdout, "%s\n", FormatString(IDS_JOBSHEET_WRITTEN, path.c_str()).c_str());
        FlushOutput(stdout);
    }
    return 0;
}

} // namespace

QList<QCommandLineOption> JobSheetOptions()
{
    return { QCommandLineOption(QString::fromLatin1(PDF), QString(), QStringLiteral("FILE")),
             QCommandLineOption(QString::fromLatin1(JOB_SHEET), QString(), QStringLiteral("FILE")) };
}

bool AsksForJobSheet(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        for (const char* name : { PDF, JOB_SHEET }) {
            const std::string option = std::string("--") + name;
            if (argv[i] == option || std::strncmp(argv[i], (option + "=").c_str(), option.size() + 1) == 0)
                return true;
        }
    }
    return false;
}

std::string JobSheetPath(const QCommandLineParser& parser, const QStringList& positional, std::string& path)
{
    const QString command = positional.isEmpty() ? QString() : positional[0];
    const bool show
        = command == QLatin1String("history") && positional.size() > 1 && positional[1] == QLatin1String("show");
    if (parser.isSet(QString::fromLatin1(PDF))) {
        if (!show)
            return Tr(QT_TRANSLATE_NOOP("Cli", "--pdf belongs to history show"));
        path = BytesOfText(parser.value(QString::fromLatin1(PDF)));
    }
    if (parser.isSet(QString::fromLatin1(JOB_SHEET))) {
        if (command != QLatin1String("fleet"))
            return Tr(QT_TRANSLATE_NOOP("Cli", "--job-sheet belongs to fleet"));
        path = BytesOfText(parser.value(QString::fromLatin1(JOB_SHEET)));
    }
    return std::string();
}

int WriteEntryJobSheet(HistoryReader& store, const std::string& given, const std::string& path)
{
    char* end = nullptr;
    const long long id = std::strtoll(given.c_str(), &end, 10);
    const std::optional<HistoryEntry> found = end && *end == '\0' && id > 0 ? store.Get(id) : std::nullopt;
    if (!store.Error().empty()) {
        PrintError(IDS_HISTORY_UNREADABLE,
                   FormatString(IDS_HISTORY_UNREADABLE, store.Place().c_str(), store.Error().c_str()));
        return 1;
    }
    if (!found) {
        PrintError(IDS_HISTORY_NO_ENTRY, FormatString(IDS_HISTORY_NO_ENTRY, given.c_str()));
        return 1;
    }
    JobSheet sheet;
    sheet.entries.push_back(*found);
    return WriteSheet(path, sheet);
}

int WriteFleetJobSheet(const std::string& path, const FleetRunPlan& plan, int64_t historyRun,
                       const std::vector<FleetRow>& rows, const std::string& started)
{
    // The history's run carries the entries' numbers; a history that was held
    // and missed radios would leave them off the sheet, so the rows stand in.
    JobSheet sheet;
    bool kept = false;
    if (historyRun > 0) {
        HistoryStore store(ServiceHistoryPath());
        kept = store.Open() && RunJobSheet(store, historyRun, sheet) && sheet.entries.size() == rows.size();
    }
    if (!kept) {
        HistoryRun run = RunFacts(plan.settingsFile, plan.ports, plan.count);
        run.started = started;
        run.ended = HistoryTimeNow();
        sheet = RowsJobSheet(run, rows, CurrentAuthor());
    }
    return WriteSheet(path, sheet);
}
