#include "operations/codeplug_read.h"

#include "board/codeplug_version.h"
#include "board/settings_snapshot.h"

namespace {

constexpr int32_t FAILED_READ_MAJOR = 255;

} // namespace

bool ReadCodeplugVersion(CRadioLink& link, int32_t& major, int32_t& minor, std::string* learnt)
{
    major = FAILED_READ_MAJOR;
    minor = 0;
    uint8_t text[CODEPLUG_VERSION_TEXT_SIZE + 1] = {};
    if (!link.ReadBoard(CODEPLUG_VERSION_ADDRESS, CODEPLUG_VERSION_TEXT_SIZE, text, sizeof(text), nullptr))
        return false;
    ParseCodeplugVersion(reinterpret_cast<const char*>(text), major, minor);
    if (learnt)
        *learnt = VersionText(major, minor);
    return IsSupportedBoardMajor(major);
}
