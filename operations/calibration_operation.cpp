#include "operations/calibration_operation.h"

#include "link/radio_link.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"

CalibrationOutcome RunCalibrationOperation(CRadioLink& link, const std::string& portName)
{
    CalibrationOutcome outcome;
    if (AskQuestion(link.Context(), IDS_CONFIRM_CALIBRATE, MsgButtons::YesNo, MsgAnswer::No) != MsgAnswer::Yes)
        return outcome;
    OperationCourse course(link, portName, "calibration", outcome.record);
    if (!course.Begin())
        return outcome;
    if (!course.IdentifyRadioAndBoard()) {
        course.Fail();
        return outcome;
    }
    if (course.StopBeforeNextRequest())
        return outcome;
    if (!link.StartCalibration()) {
        course.Fail(IDS_CALIBRATE_FAILED);
        return outcome;
    }
    // The board measures while the radio turns; nothing is sent meanwhile.
    AskQuestion(link.Context(), IDS_CALIBRATE_TURN, MsgButtons::Ok, MsgAnswer::Ok);
    if (course.StopBeforeNextRequest())
        return outcome;
    if (!link.CheckCalibration()) {
        course.Fail(IDS_CALIBRATE_FAILED);
        return outcome;
    }
    if (!course.ReleaseRadio())
        return outcome;
    course.NoteResult("succeeded");
    outcome.calibrated = true;
    ShowStatusMessage(link.Context(), MSG_INFO, IDS_CALIBRATE_OK);
    return outcome;
}
