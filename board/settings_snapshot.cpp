#include "board/settings_snapshot.h"

#include "board/option_board_data.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cstdio>

SettingsSnapshot TakeSnapshot(const VersionedRecord& from)
{
    SettingsSnapshot snapshot;
    snapshot.major = from.major;
    snapshot.minor = from.minor;
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(from.record, SETTINGS[i]);
    return snapshot;
}

void ApplySnapshot(const SettingsSnapshot& snapshot, const VersionedRecord& to)
{
    to.major = snapshot.major;
    to.minor = snapshot.minor;
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        SetSettingValue(to.record, SETTINGS[i], snapshot.values[i]);
}

bool LoadSnapshotFromFile(const std::string& path, SettingsSnapshot& snapshot, OperationContext* context)
{
    COptionBoardData other;
    other.context = context;
    const bool loaded = other.LoadFromFile(path, &snapshot.major, &snapshot.minor);
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(other, SETTINGS[i]);
    return loaded;
}

bool SnapshotFromDataFile(const uint8_t* bytes, SettingsSnapshot& snapshot)
{
    COptionBoardData other;
    const bool valid = other.FromImage(bytes + DATA_FILE_HEADER_SIZE);
    snapshot.major = bytes[0];
    snapshot.minor = bytes[1];
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(other, SETTINGS[i]);
    return valid;
}

bool LoadImageFromFile(const std::string& path, uint8_t* image, OperationContext* context)
{
    COptionBoardData other;
    other.context = context;
    const bool loaded = other.LoadFromFile(path);
    other.ToImage(image);
    return loaded;
}

std::string VersionText(int32_t major, int32_t minor)
{
    char text[32];
    std::snprintf(text, sizeof(text), "%02d.%02d", static_cast<int>(major), static_cast<int>(minor));
    return text;
}

std::vector<std::string> DescribeDifferences(const SettingsSnapshot& a, const SettingsSnapshot& b)
{
    std::vector<std::string> lines;
    if (a.major != b.major || a.minor != b.minor) {
        lines.push_back(LoadString(IDS_LABEL_CODEPLUG_VERSION) + ": " + VersionText(a.major, a.minor) + " -> "
                        + VersionText(b.major, b.minor));
    }
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        if (a.values[i] == b.values[i])
            continue;
        const SettingRow& row = SETTINGS[i];
        lines.push_back(SettingFullLabel(row) + ": " + SettingValueText(row, a.values[i]) + " -> "
                        + SettingValueText(row, b.values[i]));
    }
    return lines;
}
