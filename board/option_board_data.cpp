#include "board/option_board_data.h"

#include <cstring>

int32_t codeplugMajor = supportedCodeplugMajor;
int32_t codeplugMinor = supportedCodeplugMinor;

COptionBoardData theOptionBoardData;

namespace {

// Defaults and ranges: both pre-alert times of the man down and anti-movement
// alarms run 0..600 s, every other time 1..99 s; the indexes 0..2.
const IntRange LONG_TIME = { 0, 600, 100 };
const IntRange SHORT_TIME = { 1, 99, 10 };
const IntRange INDEX_RANGE = { 0, 2, 1 };
const uint8_t SWITCH_ON = 1;
const uint8_t SWITCH_OFF = 0;

} // namespace

const SettingSlot SETTING_SLOTS[SETTING_COUNT] = {
    { "tiltAlarm", ImageField::Flag, 2, &COptionBoardData::tiltAlarm, nullptr },
    { "tiltPreAlertTime", ImageField::Word, 3, nullptr, &COptionBoardData::tiltPreAlertTime },
    { "tiltAlertTime", ImageField::Word, 5, nullptr, &COptionBoardData::tiltAlertTime },
    { "activationAngle", ImageField::Index, 7, nullptr, &COptionBoardData::activationAngle },
    { "antiMovementAlarm", ImageField::Flag, 8, &COptionBoardData::antiMovementAlarm, nullptr },
    { "antiMovementPreAlertTime", ImageField::Word, 9, nullptr, &COptionBoardData::antiMovementPreAlertTime },
    { "antiMovementAlertTime", ImageField::Word, 11, nullptr, &COptionBoardData::antiMovementAlertTime },
    { "movementAlarm", ImageField::Flag, 13, &COptionBoardData::movementAlarm, nullptr },
    { "movementPreAlertTime", ImageField::Word, 14, nullptr, &COptionBoardData::movementPreAlertTime },
    { "movementAlertTime", ImageField::Word, 16, nullptr, &COptionBoardData::movementAlertTime },
    { "movementAlertEnable", ImageField::Flag, 18, &COptionBoardData::movementAlertEnable, nullptr },
    { "alertRepeat", ImageField::Flag, 19, &COptionBoardData::alertRepeat, nullptr },
    { "alertRepeatTime", ImageField::Word, 20, nullptr, &COptionBoardData::alertRepeatTime },
    { "sensorSensitivity", ImageField::Index, 22, nullptr, &COptionBoardData::sensorSensitivity },
    { "clockShift", ImageField::Flag, 23, &COptionBoardData::clockShift, nullptr },
};

COptionBoardData::COptionBoardData() : checksum(0), fileHeader(), fileImage()
{
    tiltAlarm.Init(&SWITCH_ON);
    tiltPreAlertTime.Init(&LONG_TIME);
    tiltAlertTime.Init(&SHORT_TIME);
    activationAngle.Init(&INDEX_RANGE);
    antiMovementAlarm.Init(&SWITCH_ON);
    antiMovementPreAlertTime.Init(&LONG_TIME);
    antiMovementAlertTime.Init(&SHORT_TIME);
    movementAlarm.Init(&SWITCH_OFF);
    movementPreAlertTime.Init(&SHORT_TIME);
    movementAlertTime.Init(&SHORT_TIME);
    movementAlertEnable.Init(&SWITCH_OFF);
    alertRepeat.Init(&SWITCH_OFF);
    alertRepeatTime.Init(&SHORT_TIME);
    sensorSensitivity.Init(&INDEX_RANGE);
    clockShift.Init(&SWITCH_OFF);
}

void COptionBoardData::ResetAll()
{
    for (const SettingSlot& slot : SETTING_SLOTS) {
        if (slot.flag)
            (this->*slot.flag).Reset();
        else
            (this->*slot.number).Reset();
    }
}
