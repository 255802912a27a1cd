#include "board/codeplug_version.h"

#include "board/option_board_data.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

namespace {

constexpr int FIELD_WIDTH = 2;
constexpr int MINOR_OFFSET = 3;

} // namespace

int32_t ParseVersionField(const char* field)
{
    int i = 0;
    while (i < FIELD_WIDTH && (field[i] == ' ' || field[i] == '\t'))
        ++i;
    bool negative = false;
    if (i < FIELD_WIDTH && (field[i] == '+' || field[i] == '-')) {
        negative = field[i] == '-';
        ++i;
    }
    int32_t value = 0;
    while (i < FIELD_WIDTH && field[i] >= '0' && field[i] <= '9') {
        value = value * 10 + (field[i] - '0');
        ++i;
    }
    return negative ? -value : value;
}

void ParseCodeplugVersion(const char* text, int32_t& major, int32_t& minor)
{
    major = ParseVersionField(text);
    minor = ParseVersionField(text + MINOR_OFFSET);
}

bool IsSupportedBoardMajor(int32_t major)
{
    return major <= supportedCodeplugMajor && major != 0;
}

std::string CodeplugVersionMessage(int32_t major, int32_t minor)
{
    return FormatString(IDS_CODEPLUG_VERSION, major, minor, supportedCodeplugMajor, supportedCodeplugMinor);
}
