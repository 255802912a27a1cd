// The fifteen settings and the codeplug version as plain numbers: what the
// comparison and the text form work on, apart from the program-wide record.
#pragma once

#include "board/settings_table.h"

#include <cstdint>
#include <string>
#include <vector>

struct SettingsSnapshot {
    int32_t major = 0;
    int32_t minor = 0;
    int32_t values[SETTING_COUNT] = {};
};

// The record's values with the program-wide codeplug version.
SettingsSnapshot TakeSnapshot();
// Sets the record's values (each with Set) and the program-wide codeplug version.
void ApplySnapshot(const SettingsSnapshot& snapshot);

// The settings of a data file, checked as an open checks them (with the same
// messages), without touching the record, the document or the program's
// codeplug version. False when the file does not load.
bool LoadSnapshotFromFile(const std::string& path, SettingsSnapshot& snapshot);

// The settings of a data file's 26 bytes, quietly (no message, no document, the
// program's codeplug version untouched); false when the image's checksum is wrong.
bool SnapshotFromDataFile(const uint8_t* bytes, SettingsSnapshot& snapshot);

// The settings image of a data file, loaded the same way; false when the file
// does not load.
bool LoadImageFromFile(const std::string& path, uint8_t* image);

// One line per difference, in table order: the codeplug versions first when they
// differ, then "label: value in a -> value in b" for each setting that differs.
std::vector<std::string> DescribeDifferences(const SettingsSnapshot& a, const SettingsSnapshot& b);

// "01.00"
std::string VersionText(int32_t major, int32_t minor);
