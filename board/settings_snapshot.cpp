#include "board/settings_snapshot.h"

#include "board/modified_sink.h"
#include "board/option_board_data.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cstdio>
#include <functional>

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

namespace {

// Loads a data file into a record of its own while no document hears of it and
// the program's codeplug version stays as it is; `take` sees the record and the
// file's version.
bool LoadQuietly(const std::string& path, const std::function<void(COptionBoardData&, int32_t, int32_t)>& take)
{
    IModifiedSink* const sink = CurrentModifiedSink();
    const int32_t major = codeplugMajor;
    const int32_t minor = codeplugMinor;
    SetModifiedSink(nullptr);
    COptionBoardData other;
    const bool loaded = other.LoadFromFile(path);
    take(other, codeplugMajor, codeplugMinor);
    codeplugMajor = major;
    codeplugMinor = minor;
    SetModifiedSink(sink);
    return loaded;
}

} // namespace

bool LoadSnapshotFromFile(const std::string& path, SettingsSnapshot& snapshot)
{
    return LoadQuietly(path, [&](COptionBoardData& other, int32_t major, int32_t minor) {
        snapshot.major = major;
        snapshot.minor = minor;
        for (size_t i = 0; i < SETTING_COUNT; ++i)
            snapshot.values[i] = SettingValue(other, SETTINGS[i]);
    });
}

bool SnapshotFromDataFile(const uint8_t* bytes, SettingsSnapshot& snapshot)
{
    IModifiedSink* const sink = CurrentModifiedSink();
    SetModifiedSink(nullptr);
    COptionBoardData other;
    const bool valid = other.FromImage(bytes + DATA_FILE_HEADER_SIZE);
    SetModifiedSink(sink);
    snapshot.major = bytes[0];
    snapshot.minor = bytes[1];
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        snapshot.values[i] = SettingValue(other, SETTINGS[i]);
    return valid;
}

bool LoadImageFromFile(const std::string& path, uint8_t* image)
{
    return LoadQuietly(path, [&](COptionBoardData& other, int32_t, int32_t) { other.ToImage(image); });
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
