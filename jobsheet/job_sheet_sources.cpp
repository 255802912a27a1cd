#include "jobsheet/job_sheet_sources.h"

#include "app/service_history.h"

#include <QCryptographicHash>
#include <QFile>

#include <algorithm>

bool RunJobSheet(HistoryStore& store, int64_t id, JobSheet& sheet)
{
    HistoryEntry member;
    member.fleetRun = id;
    return RunJobSheet(static_cast<HistoryReader&>(store), member, sheet);
}

bool RunJobSheet(HistoryReader& store, const HistoryEntry& member, JobSheet& sheet)
{
    const std::optional<HistoryRun> run = store.RunOf(member);
    if (!run)
        return false;
    const int64_t id = member.fleetRun;
    // A run's entries were added after its row: the ones from its start on
    // that name it, rather than every entry the history holds.
    HistoryFilter filter;
    filter.operation = "fleet";
    filter.since = run->started;
    std::vector<HistoryEntry> entries = store.Find(filter, 0, -1, true);
    if (!store.Error().empty())
        return false;
    entries.erase(std::remove_if(entries.begin(), entries.end(),
                                 [&](const HistoryEntry& entry) {
                                     // In the depot's record each bench numbers its own runs.
                                     return entry.fleetRun != id || entry.journal != member.journal;
                                 }),
                  entries.end());
    std::reverse(entries.begin(), entries.end());
    sheet.run = run;
    sheet.entries = std::move(entries);
    return true;
}

HistoryRun RunFacts(const std::string& settingsFile, const std::vector<std::string>& ports, int count)
{
    HistoryRun run;
    run.settingsFile = settingsFile;
    QFile file(QFile::decodeName(settingsFile.c_str()));
    if (file.open(QIODevice::ReadOnly))
        run.settingsSha256 = QCryptographicHash::hash(file.read(1 << 20), QCryptographicHash::Sha256).toHex().toStdString();
    for (const std::string& port : ports)
        run.ports += (run.ports.empty() ? "" : ", ") + port;
    run.count = count;
    return run;
}

JobSheet RowsJobSheet(const HistoryRun& run, const std::vector<FleetRow>& rows, const HistoryAuthor& author)
{
    JobSheet sheet;
    sheet.run = run;
    for (const FleetRow& row : rows) {
        HistoryEntry entry
            = EntryOf(row.record, author, row.ok ? std::vector<std::string>() : std::vector<std::string> {row.reason},
                      std::string(), row.radioId);
        entry.operation = "fleet";
        entry.time = row.time;
        sheet.entries.push_back(std::move(entry));
    }
    return sheet;
}
