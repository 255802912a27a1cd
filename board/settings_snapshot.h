// The fifteen settings and the codeplug version as plain numbers: the settings
// value that operations return and the comparison and the text form work on,
// apart from any document's record.
#pragma once

#include "board/option_board_data.h"
#include "board/settings_table.h"

#include <cstdint>
#include <string>
#include <vector>

struct SettingsSnapshot {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t values[SETTING_COUNT] = {};
};

// A record's values with the codeplug version that goes with them.
SettingsSnapshot TakeSnapshot(const VersionedRecord& from);
// Sets the record's values (each with Set, so its document hears of a change)
// and the codeplug version beside it.
void ApplySnapshot(const SettingsSnapshot& snapshot, const VersionedRecord& to);

// The settings of a data file, checked as an open checks them (with the same
// messages, through `context`), in a record of their own. False when the file
// does not load.
bool LoadSnapshotFromFile(const std::string& path, SettingsSnapshot& snapshot, OperationContext* context = nullptr);

// The settings of a data file's 26 bytes, quietly (no message); false when the
// image's checksum is wrong.
bool SnapshotFromDataFile(const uint8_t* bytes, SettingsSnapshot& snapshot);

// The settings image of a data file, loaded the same way; false when the file
// does not load.
bool LoadImageFromFile(const std::string& path, uint8_t* image, OperationContext* context = nullptr);

// One line per difference, in table order: the codeplug versions first when they
// differ, then "label: value in a -> value in b" for each setting that differs.
std::vector<std::string> DescribeDifferences(const SettingsSnapshot& a, const SettingsSnapshot& b);

// "01.00"
std::string VersionText(int32_t major, int32_t minor);
