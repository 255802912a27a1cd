#include "operations/read_operation.h"

#include "board/codeplug_version.h"
#include "link/radio_link.h"
#include "operations/codeplug_read.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"

#include <algorithm>

ReadOutcome RunReadOperation(CRadioLink& link, const std::string& portName,
                             const std::function<void(const ReadOutcome&)>& onLoaded)
{
    ReadOutcome outcome;
    OperationCourse course(link, portName, "read", outcome.record);
    if (!course.Begin())
        return outcome;

    if (!course.IdentifyRadioAndBoard()) {
        course.Fail(IDS_READ_FAILED);
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    SettingsSnapshot& settings = outcome.settings;
    outcome.versionRead = true;
    if (!ReadCodeplugVersion(link, settings.major, settings.minor, &outcome.record.boardCodeplug)) {
        course.FailWithText(IDS_CODEPLUG_VERSION, CodeplugVersionMessage(settings.major, settings.minor));
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    uint8_t image[SETTINGS_IMAGE_SIZE + 1] = {};
    if (!link.ReadBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, image, sizeof(image), nullptr)) {
        course.Fail(IDS_READ_FAILED);
        return outcome;
    }
    // What came is kept even when its checksum is wrong: it is what the board holds.
    outcome.record.settingsRead = DataFileForm(settings.major, settings.minor, image);
    COptionBoardData board;
    if (!board.FromImage(image)) {
        course.Fail(IDS_BOARD_DATA_CHECKSUM);
        return outcome;
    }
    settings = TakeSnapshot({ board, settings.major, settings.minor });
    outcome.valuesRead = true;
    if (!course.ReleaseRadio())
        return outcome;

    outcome.loaded = true;
    course.NoteResult("succeeded");
    std::copy(image, image + SETTINGS_IMAGE_SIZE, outcome.image);
    if (onLoaded)
        onLoaded(outcome);
    ShowStatusMessage(link.Context(), MSG_INFO, IDS_READ_OK);
    return outcome;
}

void TakeReadInto(const ReadOutcome& outcome, const VersionedRecord& into)
{
    if (outcome.versionRead) {
        into.major = outcome.settings.major;
        into.minor = outcome.settings.minor;
    }
    if (outcome.valuesRead)
        ApplySnapshot(outcome.settings, into);
}
