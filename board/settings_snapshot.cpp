#include "board/settings_snapshot.h"

#include "board/modified_sink.h"
#include "board/option_board_data.h"
#include "link/string_table.h"
#include "resources/string_ids.h"

#include <cstdio>

SettingsSnapshot TakeSnapshot()
{
    SettingsSnapshot snapshot;
    snapshot.major = codeplugMajor;
    snapshot.minor = codeplugMinor;
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(theOptionBoardData, SETTINGS[i]);
    return snapshot;
}

void ApplySnapshot(const SettingsSnapshot& snapshot)
{
    codeplugMajor = snapshot.major;
    codeplugMinor = snapshot.minor;
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        SetSettingValue(theOptionBoardData, SETTINGS[i], snapshot.values[i]);
}

bool LoadSnapshotFromFile(const std::string& path, SettingsSnapshot& snapshot)
{
    // A record of its own, loaded while no document hears of it.
    IModifiedSink* const sink = CurrentModifiedSink();
    const int32_t major = codeplugMajor;
    const int32_t minor = codeplugMinor;
    SetModifiedSink(nullptr);
    COptionBoardData other;
    const bool loaded = other.LoadFromFile(path);
    snapshot.major = codeplugMajor;
    snapshot.minor = codeplugMinor;
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(other, SETTINGS[i]);
    codeplugMajor = major;
    codeplugMinor = minor;
    SetModifiedSink(sink);
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
