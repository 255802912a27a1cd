// The settings summary's words and order, apart from any widget: the main
// window's summary, the service history's details and the job sheet all show
// settings this way. Each column is the edit dialog's left or right one: a
// frame per switch that has settings of its own (the switch, then its settings
// indented), then the settings of no switch.
#pragma once

#include <string>
#include <vector>

struct SettingRow;
struct SettingsSnapshot;

struct SummaryLine {
    const SettingRow* row;
    bool member; // one of a switch's settings: indented under it
};

struct SummaryGroup {
    bool framed; // a switch with its settings; false: the settings of no switch
    std::vector<SummaryLine> lines;
};

constexpr int SUMMARY_COLUMNS = 2;

// The groups of each column, top to bottom.
std::vector<SummaryGroup> SummaryColumn(int column);

// A line's label as the edit dialog shows it.
std::string SummaryLabel(const SettingRow& row);
// A line's value in words: "on", "100 s", "45°".
std::string SummaryValue(const SettingRow& row, const SettingsSnapshot& settings);
// Whether the line is greyed: its switch is off.
bool SummaryGreyed(const SettingRow& row, const SettingsSnapshot& settings);
// "Codeplug Version: 01.00"
std::string SummaryVersion(const SettingsSnapshot& settings);
