#include "board/option_board_data.h"

#include "board/settings_table.h"

COptionBoardData::COptionBoardData()
    : checksum(0),
      fileHeader{ static_cast<uint8_t>(supportedCodeplugMajor), static_cast<uint8_t>(supportedCodeplugMinor) },
      fileImage()
{
    // Each member from its own default or range triple, in member order.
    for (const SettingRow& row : SETTINGS) {
        if (row.kind == SettingKind::Flag) {
            (this->*row.flag).Init(&row.flagDefault);
            (this->*row.flag).AttachSink(&modifiedSink);
        } else {
            (this->*row.number).Init(&row.range);
            (this->*row.number).AttachSink(&modifiedSink);
        }
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
