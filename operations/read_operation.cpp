#include "operations/read_operation.h"

#include "board/codeplug_version.h"
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "operations/codeplug_read.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"

#include <algorithm>

ReadOutcome RunReadOperation(CRadioLink& link, const std::string& portName, const VersionedRecord& into, const std::function<void()>& onLoaded)
{
    ReadOutcome outcome;
    OperationCourse course(link, portName, "read", outcome.record);
    if (!course.Begin())
        return outcome;

    if (!course.IdentifyRadioAndBoard()) {
        link.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_READ_FAILED);
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    // The board's version goes straight into the record's codeplug version.
    if (!ReadCodeplugVersion(link, into.major, into.minor, &outcome.record.boardCodeplug)) {
        link.ResetRadio();
        ShowStatusText(MSG_ERROR, IDS_CODEPLUG_VERSION, CodeplugVersionMessage(into.major, into.minor));
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    uint8_t image[SETTINGS_IMAGE_SIZE + 1] = {};
    if (!link.ReadBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, image, sizeof(image), nullptr)) {
        link.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_READ_FAILED);
        return outcome;
    }
    // What came is kept even when its checksum is wrong: it is what the board holds.
    outcome.record.settingsRead = DataFileForm(into.major, into.minor, image);
    if (!into.record.FromImage(image)) {
        link.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_BOARD_DATA_CHECKSUM);
        return outcome;
    }
    if (!link.ResetRadio())
        return outcome;

    outcome.loaded = true;
    course.NoteResult("succeeded");
    std::copy(image, image + SETTINGS_IMAGE_SIZE, outcome.image);
    if (onLoaded)
        onLoaded();
    ShowStatusMessage(MSG_INFO, IDS_READ_OK);
    return outcome;
}
