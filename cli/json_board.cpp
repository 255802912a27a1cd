#include "cli/json_board.h"

#include "board/settings_text.h"
#include "operations/info_operation.h"
#include "seams/string_table.h"

JsonValue SettingJson(const SettingRow& row, int32_t value)
{
    JsonValue setting = JsonValue::Object();
    if (row.kind == SettingKind::Flag)
        return setting.Set("value", value != 0);
    setting.Set("value", value);
    if (row.unitId)
        setting.Set("unit", LoadEnglishString(row.unitId));
    if (row.kind == SettingKind::Index && value >= row.range.minimum && value <= row.range.maximum)
        setting.Set("choice", LoadEnglishString(row.firstChoiceId + value - row.range.minimum));
    return setting;
}

JsonValue SettingsJson(const SettingsSnapshot& snapshot)
{
    JsonValue settings = JsonValue::Object();
    for (size_t i = 0; i < SETTING_COUNT; ++i)
        settings.Set(SETTINGS[i].key, SettingJson(SETTINGS[i], snapshot.values[i]));
    return settings;
}

void AddBoardIdentity(JsonValue& object, const BoardInfo& info)
{
    object.Set("boardType", info.type);
    object.Set("hardwareRevision", info.hardware);
    object.Set("softwareVersion", info.software);
    object.Set("codeplugVersion", info.codeplug);
}

JsonValue DifferencesJson(const SettingsSnapshot& a, const SettingsSnapshot& b)
{
    JsonValue differences = JsonValue::Object();
    if (a.major != b.major || a.minor != b.minor) {
        differences.Set(TEXT_VERSION_KEY, JsonValue::Object()
                                              .Set("a", VersionText(a.major, a.minor))
                                              .Set("b", VersionText(b.major, b.minor)));
    }
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        if (a.values[i] == b.values[i])
            continue;
        const SettingRow& row = SETTINGS[i];
        differences.Set(row.key, JsonValue::Object()
                                     .Set("a", SettingJson(row, a.values[i]))
                                     .Set("b", SettingJson(row, b.values[i])));
    }
    return differences;
}
