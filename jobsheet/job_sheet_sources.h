// Where a job sheet's entries come from: the service history's fleet run, or
// a run's rows when the history did not keep it.
#pragma once

#include "jobsheet/job_sheet.h"
#include "operations/fleet_operation.h"

#include <cstdint>
#include <string>
#include <vector>

struct HistoryAuthor;

// The sheet of the fleet run `member` belongs to as the history holds it (this
// bench's, or the depot's record): its row and its entries, oldest first.
// False when the history has no such run, or could not be read (store.Error()
// then says why).
bool RunJobSheet(HistoryReader& store, const HistoryEntry& member, JobSheet& sheet);
// The same for this bench's fleet run `id`.
bool RunJobSheet(HistoryStore& store, int64_t id, JobSheet& sheet);

// A run's facts as its row in the history would hold them: the settings file
// with its SHA-256, the ports, the count asked for; the times are the caller's.
HistoryRun RunFacts(const std::string& settingsFile, const std::vector<std::string>& ports, int count);

// The sheet of a run made from its rows, each an entry as the history would
// have added it (no entry numbers).
JobSheet RowsJobSheet(const HistoryRun& run, const std::vector<FleetRow>& rows, const HistoryAuthor& author);
