// The fifteen settings, one row each, in member order: where the value lives in
// the record and in the settings image, its range and default, and how it is
// shown (label, edit dialog control, unit). The record, the image conversion,
// the edit dialog and every listing loop over this table, so a new setting is a
// row here and a control in the dialog's template.
#pragma once

#include "board/values.h"

#include <cstddef>
#include <cstdint>
#include <string>

class COptionBoardData;

// How a setting is kept in the settings image.
enum class SettingKind {
    Flag,  // one byte, bit 0
    Word,  // unsigned 16-bit, big-endian
    Index, // unsigned 8-bit, an entry of a list of choices
};

struct SettingRow {
    const char* key; // the member's name, also the key of the text form
    SettingKind kind;
    size_t offset; // in the settings image
    CBoolValue COptionBoardData::*flag;  // Flag settings
    CIntValue COptionBoardData::*number; // Word and Index settings
    IntRange range;                      // Word and Index settings: minimum, maximum, default
    uint8_t flagDefault;                 // Flag settings
    int labelId;                         // label text, as the edit dialog shows it
    int unitId;                          // unit text of a number, 0 for none
    int firstChoiceId;                   // Index settings: text of choice 0, the others follow
    int controlId;                       // the edit dialog's control bound to the setting
    int owner;                           // row of the switch this setting belongs to, -1 for none
    bool exclusiveAlarm;                 // one of the alarms the edit dialog keeps exclusive
};

constexpr size_t SETTING_COUNT = 15;
extern const SettingRow SETTINGS[SETTING_COUNT];

// The row whose key is `key`, or nullptr.
const SettingRow* FindSetting(const std::string& key);

// A setting's value as a number (a flag as 0 or 1), and setting it with Set.
int32_t SettingValue(const COptionBoardData& record, const SettingRow& row);
void SetSettingValue(COptionBoardData& record, const SettingRow& row, int32_t value);
// The limits of a setting as the edit dialog enforces them (0..1 for a flag).
int32_t SettingMinimum(const SettingRow& row);
int32_t SettingMaximum(const SettingRow& row);

// The value in words: "on"/"off", "100 s" (or "100" without the unit), "45°";
// a number outside its range is shown with its limits.
std::string SettingValueText(const SettingRow& row, int32_t value, bool withUnit = true);
// The label, after its switch's label where it belongs to one ("Man Down Alarm:
// Pre Alert Time (s)"), so that it names one setting alone.
std::string SettingFullLabel(const SettingRow& row, bool english = false);
