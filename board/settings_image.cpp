// The settings image: 24 bytes of board memory, big-endian, a 16-bit checksum of
// the 22 field bytes first. The same bytes travel over the link and stand in the
// data file.
#include "board/option_board_data.h"

#include "board/settings_table.h"

#include <cstring>

namespace {

constexpr size_t FIELDS_BEGIN = 2;

unsigned ReadWord(const uint8_t* at)
{
    return static_cast<unsigned>(at[0]) << 8 | at[1];
}

void WriteWord(uint8_t* at, unsigned value)
{
    at[0] = static_cast<uint8_t>((value >> 8) & 0xFF);
    at[1] = static_cast<uint8_t>(value & 0xFF);
}

} // namespace

void COptionBoardData::SumImage(const uint8_t* buffer)
{
    int32_t sum = 0;
    for (size_t i = FIELDS_BEGIN; i < SETTINGS_IMAGE_SIZE; ++i)
        sum += buffer[i];
    checksum = sum;
}

bool COptionBoardData::CheckImage(const uint8_t* buffer)
{
    const int32_t stored = static_cast<int32_t>(ReadWord(buffer));
    SumImage(buffer);
    const int32_t computed = checksum;
    checksum = stored;
    // An image of all-zero fields sums to zero and is never valid.
    return stored == computed && computed != 0;
}

void COptionBoardData::ClearImage(uint8_t* buffer)
{
    std::memset(buffer, 0, SETTINGS_IMAGE_SIZE);
}

void COptionBoardData::ToImage(uint8_t* buffer)
{
    for (const SettingRow& row : SETTINGS) {
        uint8_t* at = buffer + row.offset;
        switch (row.kind) {
        case SettingKind::Flag:
            *at = (this->*row.flag).Get(); // the stored byte, whole
            break;
        case SettingKind::Word:
            WriteWord(at, static_cast<uint32_t>((this->*row.number).Get()) & 0xFFFF);
            break;
        case SettingKind::Index:
            *at = static_cast<uint8_t>(static_cast<uint32_t>((this->*row.number).Get()) & 0xFF);
            break;
        }
    }
    SumImage(buffer);
    WriteWord(buffer, static_cast<unsigned>(checksum));
}

bool COptionBoardData::FromImage(const uint8_t* buffer)
{
    if (!CheckImage(buffer))
        return false;
    // No range check on the way in: a board or file may hold any value.
    for (const SettingRow& row : SETTINGS) {
        const uint8_t* at = buffer + row.offset;
        switch (row.kind) {
        case SettingKind::Flag:
            (this->*row.flag).Set(static_cast<uint8_t>(*at & 0x01));
            break;
        case SettingKind::Word:
            (this->*row.number).Set(static_cast<int32_t>(ReadWord(at)));
            break;
        case SettingKind::Index:
            (this->*row.number).Set(*at);
            break;
        }
    }
    return true;
}
