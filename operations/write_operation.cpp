#include "operations/write_operation.h"

#include "board/codeplug_version.h"
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "link/status_message.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"

WriteOutcome RunWriteOperation(const std::string& portName, const std::function<void()>& onWritten)
{
    WriteOutcome outcome;
    if (AskQuestion(IDS_CONFIRM_WRITE, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return outcome;
    outcome.asked = true;

    OperationCourse course(portName);
    if (!course.Begin())
        return outcome;
    if (!course.IdentifyRadioAndBoard()) {
        theRadioLink.ResetRadio();
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    // The board's version is checked but never becomes the program's version.
    int32_t boardMajor = 0;
    int32_t boardMinor = 0;
    if (!ReadCodeplugVersion(boardMajor, boardMinor)) {
        theRadioLink.ResetRadio();
        ShowStatusText(MSG_ERROR, CodeplugVersionMessage(boardMajor, boardMinor));
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    uint8_t image[SETTINGS_IMAGE_SIZE];
    theOptionBoardData.ToImage(image);
    if (!theRadioLink.WriteBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, image)) {
        theRadioLink.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_WRITE_FAILED);
        return outcome;
    }
    if (!theRadioLink.ResetRadio())
        return outcome;

    outcome.written = true;
    if (onWritten)
        onWritten();
    ShowStatusMessage(MSG_INFO, IDS_WRITE_OK);
    return outcome;
}
