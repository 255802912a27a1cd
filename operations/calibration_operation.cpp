#include "operations/calibration_operation.h"

#include "link/radio_link.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"

bool RunCalibrationOperation(CRadioLink& link, const std::string& portName)
{
    if (AskQuestion(IDS_CONFIRM_CALIBRATE, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return false;
    OperationCourse course(link, portName, "calibration");
    if (!course.Begin())
        return false;
    if (!course.IdentifyRadioAndBoard()) {
        link.ResetRadio();
        return false;
    }
    if (course.StopBeforeNextRequest())
        return false;
    if (!link.StartCalibration()) {
        link.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_CALIBRATE_FAILED);
        return false;
    }
    // The board measures while the radio turns; nothing is sent meanwhile.
    AskQuestion(IDS_CALIBRATE_TURN, MsgButtons::Ok, MsgAnswer::Ok);
    if (course.StopBeforeNextRequest())
        return false;
    if (!link.CheckCalibration()) {
        link.ResetRadio();
        ShowStatusMessage(MSG_ERROR, IDS_CALIBRATE_FAILED);
        return false;
    }
    if (!link.ResetRadio())
        return false;
    course.NoteResult("succeeded");
    ShowStatusMessage(MSG_INFO, IDS_CALIBRATE_OK);
    return true;
}
