// --pdf FILE (history show ID) and --job-sheet FILE (fleet): the job sheet of
// the entry shown, or of the run just done, written as a PDF.
#pragma once

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QList>
#include <QStringList>

#include <cstdint>
#include <string>
#include <vector>

class HistoryReader;
class HistoryStore;
struct FleetRow;
struct FleetRunPlan;

QList<QCommandLineOption> JobSheetOptions();

// Whether the arguments name one of the options, before they are parsed: a
// sheet needs a GUI application, which must be made first.
bool AsksForJobSheet(int argc, char** argv);

// The sheet's file, when one is asked for, into `path`; the usage error's
// text when the option is given to a command that makes no sheet.
std::string JobSheetPath(const QCommandLineParser& parser, const QStringList& positional, std::string& path);

// history show ID --pdf FILE: that entry alone, also when it was one radio of
// a fleet run. The exit status, what went wrong said.
int WriteEntryJobSheet(HistoryReader& store, const std::string& given, const std::string& path);

// fleet --job-sheet FILE, once the run has ended: the run as the history keeps
// it (`historyRun`, 0: none), or made from its rows when the history did not
// keep it whole. `started` is when the run began (HistoryTimeNow's form).
int WriteFleetJobSheet(const std::string& path, const FleetRunPlan& plan, int64_t historyRun,
                       const std::vector<FleetRow>& rows, const std::string& started);
