#include "app/settings_summary_text.h"

#include "board/settings_snapshot.h"
#include "board/settings_table.h"
#include "resources/dialog_templates.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

namespace {

// The edit dialog's right-hand column starts here (dialog units).
constexpr int RIGHT_COLUMN_X = 212;

bool InRightColumn(const SettingRow& row)
{
    for (int i = 0; i < DLG_EDIT_DATA.count; ++i) {
        if (DLG_EDIT_DATA.controls[i].id == row.controlId)
            return DLG_EDIT_DATA.controls[i].x >= RIGHT_COLUMN_X;
    }
    return false;
}

} // namespace

std::vector<SummaryGroup> SummaryColumn(int column)
{
    std::vector<SummaryGroup> groups;
    SummaryGroup loose{ false, {} };
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        const SettingRow& row = SETTINGS[i];
        if (row.owner >= 0 || (InRightColumn(row) ? 1 : 0) != column)
            continue;
        SummaryGroup framed{ true, { { &row, false } } };
        for (const SettingRow& member : SETTINGS) {
            if (member.owner == static_cast<int>(i))
                framed.lines.push_back({ &member, true });
        }
        if (framed.lines.size() > 1)
            groups.push_back(framed);
        else
            loose.lines.push_back({ &row, false });
    }
    if (!loose.lines.empty())
        groups.push_back(loose);
    return groups;
}

std::string SummaryLabel(const SettingRow& row)
{
    return LoadString(row.labelId);
}

std::string SummaryValue(const SettingRow& row, const SettingsSnapshot& settings)
{
    return SettingValueText(row, settings.values[&row - SETTINGS]);
}

bool SummaryGreyed(const SettingRow& row, const SettingsSnapshot& settings)
{
    return row.owner >= 0 && settings.values[row.owner] == 0;
}

std::string SummaryVersion(const SettingsSnapshot& settings)
{
    return LoadString(IDS_LABEL_CODEPLUG_VERSION) + ": " + VersionText(settings.major, settings.minor);
}
