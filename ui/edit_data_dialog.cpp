#include "ui/edit_data_dialog.h"

#include "board/option_board_data.h"
#include "resources/string_ids.h"

#include <QCheckBox>

namespace {

enum : int {
    IDC_TILT_ALARM = 1004,
    IDC_TILT_PRE_ALERT = 1005,
    IDC_TILT_ALERT = 1008,
    IDC_ANGLE = 1011,
    IDC_ANTI_MOVEMENT_ALARM = 1013,
    IDC_ANTI_MOVEMENT_PRE_ALERT = 1016,
    IDC_ANTI_MOVEMENT_ALERT = 1019,
    IDC_MOVEMENT_ALARM = 1020,
    IDC_MOVEMENT_PRE_ALERT = 1023,
    IDC_MOVEMENT_ALERT = 1026,
    IDC_MOVEMENT_ALERT_ENABLE = 1027,
    IDC_ALERT_REPEAT = 1028,
    IDC_ALERT_REPEAT_TIME = 1031,
    IDC_SENSITIVITY = 1033,
    IDC_CLOCK_SHIFT = 1035,
};

constexpr unsigned ALARM_RULE = 1;

const unsigned TILT_GROUP[] = { 1007, 1006, 1005, 1010, 1009, 1008, 1012, 1011, 0 };
const unsigned ANTI_MOVEMENT_GROUP[] = { 1014, 1015, 1016, 1017, 1018, 1019, 0 };
const unsigned MOVEMENT_GROUP[] = { 1021, 1022, 1023, 1024, 1025, 1026, 1027, 0 };
const unsigned ALERT_REPEAT_GROUP[] = { 1029, 1030, 1031, 0 };
const unsigned ANGLES[] = { IDS_ANGLE_30, IDS_ANGLE_45, IDS_ANGLE_60, 0 };
const unsigned SENSITIVITIES[] = { IDS_SENSITIVITY_LOW, IDS_SENSITIVITY_MEDIUM, IDS_SENSITIVITY_HIGH, 0 };

} // namespace

CEditDataDialog::CEditDataDialog(QWidget* parent) : CTemplateDialog(DLG_EDIT_DATA, parent) {}

void CEditDataDialog::OnInitDialog()
{
    COptionBoardData& r = theOptionBoardData;
    m_tiltAlarm.Bind(&r.tiltAlarm, TILT_GROUP, ALARM_RULE);
    m_tiltAlarm.InitControl(this, IDC_TILT_ALARM);
    m_tiltPreAlertTime.Bind(&r.tiltPreAlertTime);
    m_tiltPreAlertTime.InitControl(this, IDC_TILT_PRE_ALERT);
    m_tiltAlertTime.Bind(&r.tiltAlertTime);
    m_tiltAlertTime.InitControl(this, IDC_TILT_ALERT);
    m_activationAngle.Bind(&r.activationAngle, ANGLES);
    m_activationAngle.InitControl(this, IDC_ANGLE);
    m_antiMovementAlarm.Bind(&r.antiMovementAlarm, ANTI_MOVEMENT_GROUP, ALARM_RULE);
    m_antiMovementAlarm.InitControl(this, IDC_ANTI_MOVEMENT_ALARM);
    m_antiMovementPreAlertTime.Bind(&r.antiMovementPreAlertTime);
    m_antiMovementPreAlertTime.InitControl(this, IDC_ANTI_MOVEMENT_PRE_ALERT);
    m_antiMovementAlertTime.Bind(&r.antiMovementAlertTime);
    m_antiMovementAlertTime.InitControl(this, IDC_ANTI_MOVEMENT_ALERT);
    m_movementAlarm.Bind(&r.movementAlarm, MOVEMENT_GROUP, ALARM_RULE);
    m_movementAlarm.InitControl(this, IDC_MOVEMENT_ALARM);
    m_movementPreAlertTime.Bind(&r.movementPreAlertTime);
    m_movementPreAlertTime.InitControl(this, IDC_MOVEMENT_PRE_ALERT);
    m_movementAlertTime.Bind(&r.movementAlertTime);
    m_movementAlertTime.InitControl(this, IDC_MOVEMENT_ALERT);
    m_movementAlertEnable.Bind(&r.movementAlertEnable, nullptr, 0);
    m_movementAlertEnable.InitControl(this, IDC_MOVEMENT_ALERT_ENABLE);
    m_alertRepeat.Bind(&r.alertRepeat, ALERT_REPEAT_GROUP, 0);
    m_alertRepeat.InitControl(this, IDC_ALERT_REPEAT);
    m_alertRepeatTime.Bind(&r.alertRepeatTime);
    m_alertRepeatTime.InitControl(this, IDC_ALERT_REPEAT_TIME);
    m_sensorSensitivity.Bind(&r.sensorSensitivity, SENSITIVITIES);
    m_sensorSensitivity.InitControl(this, IDC_SENSITIVITY);
    m_clockShift.Bind(&r.clockShift, nullptr, 0);
    m_clockShift.InitControl(this, IDC_CLOCK_SHIFT);
}

bool CEditDataDialog::event(QEvent* event)
{
    if (event->type() == CHECKBOX_NOTIFY_EVENT) {
        OnCheckBoxNotify(static_cast<CheckBoxNotifyEvent*>(event)->code);
        return true;
    }
    return CTemplateDialog::event(event);
}

void CEditDataDialog::OnCheckBoxNotify(unsigned code)
{
    if (code != ALARM_RULE)
        return;
    QWidget* tilt = Item(IDC_TILT_ALARM);
    QWidget* antiMovement = Item(IDC_ANTI_MOVEMENT_ALARM);
    QWidget* movement = Item(IDC_MOVEMENT_ALARM);
    const bool movementOn = static_cast<QCheckBox*>(movement)->isChecked();
    tilt->setEnabled(!movementOn);
    antiMovement->setEnabled(!movementOn);
    const bool otherOn = static_cast<QCheckBox*>(tilt)->isChecked() || static_cast<QCheckBox*>(antiMovement)->isChecked();
    movement->setEnabled(!otherOn);
}

void CEditDataDialog::OnOK()
{
    // Every control is stored, also after one has failed, in this order.
    bool ok = true;
    ok = m_tiltAlarm.Store() && ok;
    ok = m_tiltPreAlertTime.Store() && ok;
    ok = m_tiltAlertTime.Store() && ok;
    ok = m_activationAngle.Store() && ok;
    ok = m_antiMovementAlarm.Store() && ok;
    ok = m_antiMovementPreAlertTime.Store() && ok;
    ok = m_antiMovementAlertTime.Store() && ok;
    ok = m_movementAlarm.Store() && ok;
    ok = m_movementPreAlertTime.Store() && ok;
    ok = m_movementAlertTime.Store() && ok;
    ok = m_movementAlertEnable.Store() && ok;
    ok = m_alertRepeat.Store() && ok;
    ok = m_alertRepeatTime.Store() && ok;
    ok = m_sensorSensitivity.Store() && ok;
    ok = m_clockShift.Store() && ok;
    if (ok)
        EndDialog(Accepted);
}
