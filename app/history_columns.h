// The service history's columns, one row each: the column's name and type in
// the file, its CSV title, its JSON key, the line it leads in `history show` and
// the details pane, and what kind of value it holds. Adding and reading entries,
// the CSV form, --json, `history show` and the details pane loop over this
// table, in its order (JSON: the columns a list reads, then the others). A new
// field is a member of HistoryEntry and a row here whose `since` is the next
// schema version, HISTORY_SCHEMA_VERSION raised to it: opening an older file
// adds the column.
#pragma once

#include "app/history_store.h"

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <variant>
#include <vector>

// The form of the file this program writes; a file with a lower number is
// brought up to it when opened, one version at a time.
constexpr int HISTORY_SCHEMA_VERSION = 3;

// What a column holds, which decides how it is kept, written and shown.
enum class HistoryKind {
    Number,   // a whole number
    Run,      // the number of the fleet run the entry belongs to, shown as the run's text
    Time,     // HistoryTimeNow's form; people see it in local time
    Text,     // bytes from the radio, the board or the system: escaped wherever a terminal may see them
    Word,     // a word of this program's own ("read", "succeeded"): shown in the user's language
    YesNo,    // 0 or 1 in the file, "yes" or "no" in the CSV form; shown within another column's line
    Messages, // texts in order: a JSON array in the file, one per line in the CSV form, a section when shown
    Settings, // a data file's bytes, or none: hexadecimal in the CSV form, a section when shown
};

enum HistoryColumnFlag : unsigned {
    HISTORY_KEY = 1u << 0,  // the entry's number, given by the file: never added
    HISTORY_NONE = 1u << 1, // an empty value is none (HistoryValueIsNone)
};

// Where the column's value lives in an entry; the alternative follows the kind.
using HistoryField = std::variant<int64_t HistoryEntry::*, std::string HistoryEntry::*, bool HistoryEntry::*,
                                  std::vector<std::string> HistoryEntry::*, std::optional<DataFileBytes> HistoryEntry::*>;

struct HistoryColumn {
    const char* name;     // in the entries table
    const char* sqlType;  // its declaration; one added later needs a default when NOT NULL
    const char* csvTitle;
    const char* jsonKey;  // "board.type": the member "type" of the object "board"
    int labelId;          // the line (or section) it leads; 0: shown within the line before it, or not at all
    HistoryKind kind;
    HistoryField field;
    unsigned flags;
    int since; // the schema version that added the column
    // The text of its line where the line gathers the columns after it, or
    // shows the value otherwise than its kind does; nullptr for neither.
    std::string (*line)(const HistoryEntry& entry);
};

constexpr size_t HISTORY_COLUMN_COUNT = 23; // a row more or less fails to compile
extern const HistoryColumn HISTORY_COLUMNS[HISTORY_COLUMN_COUNT];

// Whether a list reads the column: messages and settings are read only with the entry whole.
constexpr bool HistoryColumnListed(const HistoryColumn& column)
{
    return column.kind != HistoryKind::Messages && column.kind != HistoryKind::Settings;
}

// Whether the entry has no value in a column that may have none: an empty
// text, a number of 0 or below, no settings. JSON gives such a value as null,
// the CSV form as nothing and the file, for a number or settings, as NULL.
bool HistoryValueIsNone(const HistoryEntry& entry, const HistoryColumn& column);

// Whether `history show` and the details pane give the column a section of
// its own after the fields' lines, rather than a line.
constexpr bool HistoryColumnIsSection(const HistoryColumn& column)
{
    return column.kind == HistoryKind::Messages || column.kind == HistoryKind::Settings;
}

// A column's value in an entry; T is the field's type.
template <typename T>
const T& HistoryValue(const HistoryEntry& entry, const HistoryColumn& column)
{
    return entry.*std::get<T HistoryEntry::*>(column.field);
}

template <typename T>
T& HistoryValue(HistoryEntry& entry, const HistoryColumn& column)
{
    return entry.*std::get<T HistoryEntry::*>(column.field);
}
