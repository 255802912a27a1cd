#include "board/settings_table.h"

#include "board/option_board_data.h"
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

namespace {

using K = SettingKind;
using R = COptionBoardData;

// Both pre-alert times of the man down and anti-movement alarms run 0..600 s,
// every other time 1..99 s; the indexes 0..2.
constexpr IntRange LONG_TIME = { 0, 600, 100 };
constexpr IntRange SHORT_TIME = { 1, 99, 10 };
constexpr IntRange INDEX_RANGE = { 0, 2, 1 };
constexpr IntRange NO_RANGE = { 0, 0, 0 };
constexpr uint8_t ON = 1;
constexpr uint8_t OFF = 0;
constexpr int S = IDS_UNIT_SECONDS;

// Rows of the switches the others belong to.
constexpr int TILT = 0;
constexpr int ANTI_MOVEMENT = 4;
constexpr int MOVEMENT = 7;
constexpr int ALERT_REPEAT = 11;

} // namespace

// clang-format off
// Constant-initialised, so the record built at start-up can rely on it.
constexpr SettingRow SETTINGS[SETTING_COUNT] = {
    { "tiltAlarm", K::Flag, 2, &R::tiltAlarm, nullptr, NO_RANGE, ON,
      IDS_LABEL_MAN_DOWN_ALARM, 0, 0, IDC_TILT_ALARM, -1, true },
    { "tiltPreAlertTime", K::Word, 3, nullptr, &R::tiltPreAlertTime, LONG_TIME, 0,
      IDS_LABEL_PRE_ALERT_TIME, S, 0, IDC_TILT_PRE_ALERT, TILT, false },
    { "tiltAlertTime", K::Word, 5, nullptr, &R::tiltAlertTime, SHORT_TIME, 0,
      IDS_LABEL_ALERT_TIME, S, 0, IDC_TILT_ALERT, TILT, false },
    { "activationAngle", K::Index, 7, nullptr, &R::activationAngle, INDEX_RANGE, 0,
      IDS_LABEL_ACTIVATION_ANGLE, 0, IDS_ANGLE_30, IDC_ANGLE, TILT, false },
    { "antiMovementAlarm", K::Flag, 8, &R::antiMovementAlarm, nullptr, NO_RANGE, ON,
      IDS_LABEL_ANTI_MOVEMENT_ALARM, 0, 0, IDC_ANTI_MOVEMENT_ALARM, -1, true },
    { "antiMovementPreAlertTime", K::Word, 9, nullptr, &R::antiMovementPreAlertTime, LONG_TIME, 0,
      IDS_LABEL_PRE_ALERT_TIME, S, 0, IDC_ANTI_MOVEMENT_PRE_ALERT, ANTI_MOVEMENT, false },
    { "antiMovementAlertTime", K::Word, 11, nullptr, &R::antiMovementAlertTime, SHORT_TIME, 0,
      IDS_LABEL_ALERT_TIME, S, 0, IDC_ANTI_MOVEMENT_ALERT, ANTI_MOVEMENT, false },
    { "movementAlarm", K::Flag, 13, &R::movementAlarm, nullptr, NO_RANGE, OFF,
      IDS_LABEL_MOVEMENT_ALARM, 0, 0, IDC_MOVEMENT_ALARM, -1, true },
    { "movementPreAlertTime", K::Word, 14, nullptr, &R::movementPreAlertTime, SHORT_TIME, 0,
      IDS_LABEL_PRE_ALERT_TIME, S, 0, IDC_MOVEMENT_PRE_ALERT, MOVEMENT, false },
    { "movementAlertTime", K::Word, 16, nullptr, &R::movementAlertTime, SHORT_TIME, 0,
      IDS_LABEL_ALERT_TIME, S, 0, IDC_MOVEMENT_ALERT, MOVEMENT, false },
    { "movementAlertEnable", K::Flag, 18, &R::movementAlertEnable, nullptr, NO_RANGE, OFF,
      IDS_LABEL_ALERT_ENABLE, 0, 0, IDC_MOVEMENT_ALERT_ENABLE, MOVEMENT, false },
    { "alertRepeat", K::Flag, 19, &R::alertRepeat, nullptr, NO_RANGE, OFF,
      IDS_LABEL_ALERT_REPEAT_ENABLE, 0, 0, IDC_ALERT_REPEAT, -1, false },
    { "alertRepeatTime", K::Word, 20, nullptr, &R::alertRepeatTime, SHORT_TIME, 0,
      IDS_LABEL_ALERT_REPEAT_TIME, S, 0, IDC_ALERT_REPEAT_TIME, ALERT_REPEAT, false },
    { "sensorSensitivity", K::Index, 22, nullptr, &R::sensorSensitivity, INDEX_RANGE, 0,
      IDS_LABEL_SENSOR_SENSITIVITY, 0, IDS_SENSITIVITY_LOW, IDC_SENSITIVITY, -1, false },
    { "clockShift", K::Flag, 23, &R::clockShift, nullptr, NO_RANGE, OFF,
      IDS_LABEL_CLOCK_SHIFT, 0, 0, IDC_CLOCK_SHIFT, -1, false },
};
// clang-format on

const SettingRow* FindSetting(const std::string& key)
{
    for (const SettingRow& row : SETTINGS) {
        if (key == row.key)
            return &row;
    }
    return nullptr;
}

int32_t SettingValue(const COptionBoardData& record, const SettingRow& row)
{
    return row.kind == SettingKind::Flag ? (record.*row.flag).Get() : (record.*row.number).Get();
}

void SetSettingValue(COptionBoardData& record, const SettingRow& row, int32_t value)
{
    if (row.kind == SettingKind::Flag)
        (record.*row.flag).Set(static_cast<uint8_t>(value));
    else
        (record.*row.number).Set(value);
}

int32_t SettingMinimum(const SettingRow& row)
{
    return row.kind == SettingKind::Flag ? 0 : row.range.minimum;
}

int32_t SettingMaximum(const SettingRow& row)
{
    return row.kind == SettingKind::Flag ? 1 : row.range.maximum;
}

std::string SettingValueText(const SettingRow& row, int32_t value, bool withUnit)
{
    if (row.kind == SettingKind::Flag)
        return LoadString(value ? IDS_CLI_ON : IDS_CLI_OFF);
    if (value < row.range.minimum || value > row.range.maximum)
        return FormatString(IDS_CLI_OUT_OF_RANGE, value, row.range.minimum, row.range.maximum);
    if (row.kind == SettingKind::Index)
        return LoadString(row.firstChoiceId + value - row.range.minimum);
    std::string text = std::to_string(value);
    if (withUnit && row.unitId)
        text += " " + LoadString(row.unitId);
    return text;
}

std::string SettingFullLabel(const SettingRow& row, bool english)
{
    const auto load = english ? LoadEnglishString : LoadString;
    std::string label = load(row.labelId);
    if (row.owner >= 0)
        label = load(SETTINGS[row.owner].labelId) + ": " + label;
    return label;
}
