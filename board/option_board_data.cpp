#include "board/option_board_data.h"

#include "board/settings_table.h"

int32_t codeplugMajor = supportedCodeplugMajor;
int32_t codeplugMinor = supportedCodeplugMinor;

COptionBoardData theOptionBoardData;

COptionBoardData::COptionBoardData() : checksum(0), fileHeader(), fileImage()
{
    // Each member from its own default or range triple, in member order.
    for (const SettingRow& row : SETTINGS) {
        if (row.kind == SettingKind::Flag)
            (this->*row.flag).Init(&row.flagDefault);
        else
            (this->*row.number).Init(&row.range);
    }
}

void COptionBoardData::ResetAll()
{
    for (const SettingRow& row : SETTINGS) {
        if (row.kind == SettingKind::Flag)
            (this->*row.flag).Reset();
        else
            (this->*row.number).Reset();
    }
}

SettingsImage ImageOf(COptionBoardData& record)
{
    SettingsImage image;
    record.ToImage(image.data());
    return image;
}
