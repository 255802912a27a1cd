#include "app/history_columns.h"

#include "app/history_text.h"
#include "resources/string_ids.h"

namespace {

using E = HistoryEntry;
using K = HistoryKind;
constexpr unsigned NONE = HISTORY_NONE;

} // namespace

// clang-format off
constexpr HistoryColumn HISTORY_COLUMNS[HISTORY_COLUMN_COUNT] = {
    { "id", "INTEGER PRIMARY KEY AUTOINCREMENT", "id", "id", 0, K::Number, &E::id, HISTORY_KEY, 1, nullptr },
    { "time_utc", "TEXT NOT NULL", "time_utc", "time", IDS_HISTORY_TIME, K::Time, &E::time, 0, 1, nullptr },
    { "user", "TEXT NOT NULL", "user", "user", IDS_HISTORY_USER, K::Text, &E::user, 0, 1, HistoryUserText },
    { "host", "TEXT NOT NULL", "host", "host", 0, K::Text, &E::host, 0, 1, nullptr },
    { "program", "TEXT NOT NULL", "program", "program", IDS_HISTORY_PROGRAM, K::Text, &E::program, 0, 1, nullptr },
    { "port", "TEXT NOT NULL", "port", "port", IDS_HISTORY_PORT, K::Text, &E::port, 0, 1, HistoryPortText },
    { "device", "TEXT NOT NULL", "device", "device", 0, K::Text, &E::device, 0, 1, nullptr },
    { "radio_info", "TEXT NOT NULL", "radio", "radio", IDS_HISTORY_RADIO, K::Text, &E::radioInfo, NONE, 1, nullptr },
    { "board_type", "TEXT NOT NULL", "board_type", "board.type",
      IDS_HISTORY_BOARD, K::Text, &E::boardType, NONE, 1, HistoryBoardText },
    { "board_hardware", "TEXT NOT NULL", "board_hardware", "board.hardwareRevision",
      0, K::Text, &E::boardHardware, NONE, 1, nullptr },
    { "board_software", "TEXT NOT NULL", "board_software", "board.softwareVersion",
      0, K::Text, &E::boardSoftware, NONE, 1, nullptr },
    { "board_codeplug", "TEXT NOT NULL", "board_codeplug", "board.codeplugVersion",
      0, K::Text, &E::boardCodeplug, NONE, 1, nullptr },
    { "operation", "TEXT NOT NULL", "operation", "operation", IDS_HISTORY_OPERATION, K::Word, &E::operation, 0, 1, nullptr },
    { "result", "TEXT NOT NULL", "result", "result", IDS_HISTORY_RESULT, K::Word, &E::result, 0, 1, HistoryResultText },
    { "verified", "INTEGER NOT NULL", "verified", "verified", 0, K::YesNo, &E::verified, 0, 1, nullptr },
    { "messages", "TEXT NOT NULL", "messages", "messages", IDS_HISTORY_MESSAGES, K::Messages, &E::messages, 0, 1, nullptr },
    { "settings_read", "BLOB", "settings_read", "settingsRead",
      IDS_HISTORY_SETTINGS_READ, K::Settings, &E::settingsRead, NONE, 1, nullptr },
    { "settings_written", "BLOB", "settings_written", "settingsWritten",
      IDS_HISTORY_SETTINGS_WRITTEN, K::Settings, &E::settingsWritten, NONE, 1, nullptr },
    { "backup_file", "TEXT NOT NULL", "backup_file", "backupFile", IDS_HISTORY_BACKUP, K::Text, &E::backupFile, NONE, 1, nullptr },
    { "fleet_run", "INTEGER REFERENCES fleet_runs(id) ON DELETE SET NULL", "fleet_run", "fleetRun",
      IDS_HISTORY_FLEET_RUN, K::Run, &E::fleetRun, NONE, 1, nullptr },
    { "radio_id", "TEXT NOT NULL DEFAULT ''", "radio_id", "radioId", IDS_HISTORY_RADIO_ID, K::Text, &E::radioId, NONE, 2, nullptr },
    { "bench", "TEXT NOT NULL DEFAULT ''", "bench", "bench", IDS_HISTORY_BENCH, K::Text, &E::bench, NONE, 3, nullptr },
    { "uuid", "TEXT NOT NULL DEFAULT ''", "uuid", "uuid", 0, K::Text, &E::uuid, 0, 3, nullptr },
};
// clang-format on

namespace {

constexpr bool FieldFitsKind(const HistoryColumn& column)
{
    switch (column.kind) {
    case K::Number:
    case K::Run:
        return std::holds_alternative<int64_t E::*>(column.field);
    case K::Time:
    case K::Text:
    case K::Word:
        return std::holds_alternative<std::string E::*>(column.field);
    case K::YesNo:
        return std::holds_alternative<bool E::*>(column.field);
    case K::Messages:
        return std::holds_alternative<std::vector<std::string> E::*>(column.field);
    case K::Settings:
        return std::holds_alternative<std::optional<DataFileBytes> E::*>(column.field);
    }
    return false;
}

constexpr bool EveryFieldFitsItsKind()
{
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (!FieldFitsKind(column))
            return false;
    }
    return true;
}

// The program has no words for yes and no: such a value qualifies another
// column's line (verified: the result's).
constexpr bool NoYesNoLeadsALine()
{
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.kind == K::YesNo && column.labelId != 0)
            return false;
    }
    return true;
}

// The entry's number comes first, as the lists and the CSV form begin with it.
constexpr bool OnlyTheFirstColumnIsTheKey()
{
    for (size_t i = 0; i < HISTORY_COLUMN_COUNT; ++i) {
        const bool key = (HISTORY_COLUMNS[i].flags & HISTORY_KEY) != 0;
        if (key != (i == 0))
            return false;
    }
    return HISTORY_COLUMNS[0].kind == K::Number;
}

constexpr bool EveryColumnHasAVersion()
{
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.since < 1 || column.since > HISTORY_SCHEMA_VERSION)
            return false;
    }
    return true;
}

// A count above the rows given leaves empty rows at the end.
constexpr bool EveryColumnHasANameAndTitles()
{
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (!column.name || !column.sqlType || !column.csvTitle || !column.jsonKey)
            return false;
    }
    return true;
}

static_assert(EveryColumnHasANameAndTitles(), "HISTORY_COLUMN_COUNT counts more columns than the table gives");
static_assert(EveryFieldFitsItsKind(), "a column's field does not hold what its kind says");
static_assert(NoYesNoLeadsALine(), "a yes/no column has no words to lead a line with");
static_assert(OnlyTheFirstColumnIsTheKey(), "the entry's number is the first column, and the only key");
static_assert(EveryColumnHasAVersion(), "a column's version is none this program writes");

} // namespace

bool HistoryValueIsNone(const HistoryEntry& entry, const HistoryColumn& column)
{
    if ((column.flags & HISTORY_NONE) == 0)
        return false;
    switch (column.kind) {
    case K::Number:
    case K::Run:
        return HistoryValue<int64_t>(entry, column) <= 0;
    case K::Time:
    case K::Text:
    case K::Word:
        return HistoryValue<std::string>(entry, column).empty();
    case K::YesNo:
        return false;
    case K::Messages:
        return HistoryValue<std::vector<std::string>>(entry, column).empty();
    case K::Settings:
        return !HistoryValue<std::optional<DataFileBytes>>(entry, column).has_value();
    }
    return false;
}
