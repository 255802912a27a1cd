// Edit Option Board Data: the fifteen settings in four groups, bound to the
// record, with the movement alarm kept exclusive of the other two alarms.
#pragma once

#include "ui/fld_controls.h"
#include "ui/template_dialog.h"

class CEditDataDialog : public CTemplateDialog {
public:
    explicit CEditDataDialog(QWidget* parent);

    // The alarm rule, run once per notification with code 1.
    void OnCheckBoxNotify(unsigned code);

protected:
    void OnInitDialog() override;
    void OnOK() override;
    bool event(QEvent* event) override;

private:
    CFldCheckBox m_tiltAlarm;
    CFldIntSpin m_tiltPreAlertTime;
    CFldIntSpin m_tiltAlertTime;
    CFldComboBox m_activationAngle;
    CFldCheckBox m_antiMovementAlarm;
    CFldIntSpin m_antiMovementPreAlertTime;
    CFldIntSpin m_antiMovementAlertTime;
    CFldCheckBox m_movementAlarm;
    CFldIntSpin m_movementPreAlertTime;
    CFldIntSpin m_movementAlertTime;
    CFldCheckBox m_movementAlertEnable;
    CFldCheckBox m_alertRepeat;
    CFldIntSpin m_alertRepeatTime;
    CFldComboBox m_sensorSensitivity;
    CFldCheckBox m_clockShift;
};
