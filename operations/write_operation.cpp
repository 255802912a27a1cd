#include "operations/write_operation.h"

#include "board/codeplug_version.h"
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "operations/codeplug_read.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <cstring>

namespace {

// Reads the settings image at the settings address; false when the read failed
// (its message has been shown).
bool ReadSettingsImage(CRadioLink& link, uint8_t* image)
{
    uint8_t buffer[SETTINGS_IMAGE_SIZE + 1] = {};
    int length = 0;
    if (!link.ReadBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, buffer, sizeof(buffer), &length))
        return false;
    std::memcpy(image, buffer, SETTINGS_IMAGE_SIZE);
    return length == static_cast<int>(SETTINGS_IMAGE_SIZE);
}

} // namespace

WriteOutcome RunWriteOperation(CRadioLink& link, const std::string& portName, const uint8_t* image, const std::function<void()>& onWritten,
                               const WriteOptions& options)
{
    WriteOutcome outcome;
    if (options.ask && AskQuestion(link.Context(), IDS_CONFIRM_WRITE, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return outcome;
    outcome.asked = true;

    OperationCourse course(link, portName, "write", outcome.record);
    if (!course.Begin())
        return outcome;
    if (!course.IdentifyRadioAndBoard()) {
        course.Fail();
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    if (options.identity) {
        options.identity->type = BOARD_TYPE_TEXT;
        if (!ReadBoardRevisions(link, *options.identity)) {
            course.Fail(IDS_WRITE_FAILED);
            return outcome;
        }
        outcome.record.boardHardware = options.identity->hardware;
        outcome.record.boardSoftware = options.identity->software;
        if (course.StopBeforeNextRequest())
            return outcome;
    }
    // The board's version is checked but never becomes the program's version.
    int32_t boardMajor = 0;
    int32_t boardMinor = 0;
    const bool versionSupported = ReadCodeplugVersion(link, boardMajor, boardMinor, &outcome.record.boardCodeplug);
    if (options.identity && versionSupported)
        options.identity->codeplug = outcome.record.boardCodeplug;
    if (!versionSupported) {
        course.FailWithText(IDS_CODEPLUG_VERSION, CodeplugVersionMessage(boardMajor, boardMinor));
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    // What the board holds is kept before it is overwritten; without a backup
    // nothing is written.
    if (options.backupFirst) {
        uint8_t current[SETTINGS_IMAGE_SIZE] = {};
        const bool read = ReadSettingsImage(link, current);
        if (read)
            outcome.record.settingsRead = DataFileForm(boardMajor, boardMinor, current);
        std::string error;
        if (!read || !options.backupFirst(boardMajor, boardMinor, current, error)) {
            if (error.empty())
                course.Fail(IDS_BACKUP_FIRST_FAILED); // the read has said why
            else
                course.FailWithText(IDS_BACKUP_FIRST_NOT_KEPT, FormatString(IDS_BACKUP_FIRST_NOT_KEPT, error.c_str()));
            return outcome;
        }
        if (course.StopBeforeNextRequest())
            return outcome;
    }
    outcome.record.settingsWritten = DataFileForm(boardMajor, boardMinor, image);
    if (!link.WriteBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, image)) {
        course.Fail(IDS_WRITE_FAILED);
        return outcome;
    }
    // The board's confirmation is taken at its word only when not verifying.
    if (options.verify) {
        uint8_t readBack[SETTINGS_IMAGE_SIZE] = {};
        const bool read = ReadSettingsImage(link, readBack);
        const bool same = read && std::memcmp(readBack, image, SETTINGS_IMAGE_SIZE) == 0;
        if (!same) {
            course.Fail(read ? IDS_VERIFY_MISMATCH : IDS_VERIFY_UNREAD);
            ShowStatusMessage(link.Context(), MSG_ERROR, IDS_WRITE_FAILED);
            return outcome;
        }
        outcome.record.verified = true;
    }
    if (!course.ReleaseRadio())
        return outcome;

    outcome.written = true;
    course.NoteResult("succeeded");
    if (onWritten)
        onWritten();
    // A verified write says so in a line of its own under the usual text.
    ShowStatusMessage(link.Context(), MSG_INFO, IDS_WRITE_OK, outcome.record.verified ? LoadString(IDS_WRITE_VERIFIED) : std::string());
    return outcome;
}
