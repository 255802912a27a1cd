#include "resources/dialog_templates.h"
#include "resources/translatable.h"

#define DIALOG(name, id, caption, w, h, points, controls) \
    const DialogTemplate name = { id, caption, w, h, points, controls, sizeof(controls) / sizeof(controls[0]) }

namespace {

using K = ControlKind;

const ControlTemplate ABOUT[] = {
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Vigilon OSS"), 8, 8, 119, 8, 0 },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Version:  R01.01.01,  11.Jan.2001"), 8, 24, 170, 8, 0 },
    { IDC_ABOUT_COPYRIGHT, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Copyright (C) Ardentec. All rights reserved."), 8, 40, 212, 8, 0 },
    { IDC_OK, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 188, 4, 32, 14, 0 },
};

const ControlTemplate CONFIGURATION[] = {
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "&Serial Port:"), 8, 12, 55, 8, 0 },
    { IDC_SERIAL_PORT, K::DropDownList, nullptr, 68, 8, 48, 60, CS_VSCROLL },
    { IDC_OK, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 144, 4, 50, 14, 0 },
    { IDC_CANCEL, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "C&ancel"), 144, 24, 50, 14, 0 },
    // Beyond the dialog's first form: the device each port stands for.
    { IDC_PORT_DEVICES, K::Label, nullptr, 8, 46, 186, 40, 0 },
};

const ControlTemplate EDIT_DATA[] = {
    { IDC_TILT_ALARM, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Man &Down Alarm"), 12, 17, 132, 10, 0 },
    { IDC_TILT_PRE_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "&Pre Alert Time (s)"), 24, 33, 120, 8, 0 },
    { IDC_TILT_PRE_ALERT_EDIT, K::Edit, nullptr, 148, 29, 40, 14, 0 },
    { IDC_TILT_PRE_ALERT, K::UpDown, nullptr, 188, 29, 11, 14, CS_WRAP },
    { IDC_TILT_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "&Alert Time (s)"), 24, 49, 120, 8, 0 },
    { IDC_TILT_ALERT_EDIT, K::Edit, nullptr, 148, 45, 40, 14, 0 },
    { IDC_TILT_ALERT, K::UpDown, nullptr, 188, 45, 11, 14, CS_WRAP },
    { IDC_ANGLE_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Activation An&gle"), 24, 64, 120, 8, 0 },
    { IDC_ANGLE, K::DropDownList, nullptr, 148, 60, 52, 60, CS_VSCROLL },
    { IDC_ANTI_MOVEMENT_ALARM, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Anti-Mo&vement Alarm"), 12, 96, 132, 10, 0 },
    { IDC_ANTI_MOVEMENT_PRE_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "P&re Alert Time (s)"), 24, 112, 120, 8, 0 },
    { IDC_ANTI_MOVEMENT_PRE_ALERT_EDIT, K::Edit, nullptr, 148, 108, 40, 14, 0 },
    { IDC_ANTI_MOVEMENT_PRE_ALERT, K::UpDown, nullptr, 188, 108, 11, 14, CS_WRAP },
    { IDC_ANTI_MOVEMENT_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "A&lert Time (s)"), 24, 128, 120, 8, 0 },
    { IDC_ANTI_MOVEMENT_ALERT_EDIT, K::Edit, nullptr, 148, 124, 40, 14, 0 },
    { IDC_ANTI_MOVEMENT_ALERT, K::UpDown, nullptr, 188, 124, 11, 14, CS_WRAP },
    { IDC_SENSITIVITY_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "&Sensor Sensitivity"), 12, 156, 120, 8, 0 },
    { IDC_SENSITIVITY, K::DropDownList, nullptr, 148, 152, 52, 60, CS_VSCROLL },
    { IDC_MOVEMENT_ALARM, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "&Movement Alarm"), 224, 16, 132, 10, 0 },
    { IDC_MOVEMENT_PRE_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Pr&e Alert Time (s)"), 236, 32, 120, 8, 0 },
    { IDC_MOVEMENT_PRE_ALERT_EDIT, K::Edit, nullptr, 360, 28, 40, 14, 0 },
    { IDC_MOVEMENT_PRE_ALERT, K::UpDown, nullptr, 400, 28, 11, 14, CS_WRAP },
    { IDC_MOVEMENT_ALERT_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Alert &Time (s)"), 236, 48, 120, 8, 0 },
    { IDC_MOVEMENT_ALERT_EDIT, K::Edit, nullptr, 360, 44, 40, 14, 0 },
    { IDC_MOVEMENT_ALERT, K::UpDown, nullptr, 400, 44, 11, 14, CS_WRAP },
    { IDC_MOVEMENT_ALERT_ENABLE, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Alert E&nable"), 234, 64, 122, 10, 0 },
    { IDC_ALERT_REPEAT, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Alert Repeat Ena&ble"), 224, 96, 132, 10, 0 },
    { IDC_ALERT_REPEAT_TIME_LABEL, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Alert Repeat T&ime (s)"), 236, 112, 120, 8, 0 },
    { IDC_ALERT_REPEAT_TIME_EDIT, K::Edit, nullptr, 360, 108, 40, 14, 0 },
    { IDC_ALERT_REPEAT_TIME, K::UpDown, nullptr, 400, 108, 11, 14, CS_WRAP },
    { IDC_CLOCK_SHIFT, K::CheckBox, QT_TRANSLATE_NOOP("DialogTemplates", "Cloc&k Shift"), 224, 140, 192, 10, 0 },
    { IDC_OK, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 252, 184, 50, 14, 0 },
    { IDC_CANCEL, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&Cancel"), 308, 184, 50, 14, 0 },
    { IDC_HELP, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&Help"), 364, 184, 50, 14, 0 },
    { -1, K::GroupBox, nullptr, 4, 4, 204, 76, 0 },
    { -1, K::GroupBox, nullptr, 4, 84, 204, 60, 0 },
    { -1, K::GroupBox, nullptr, 216, 4, 204, 76, 0 },
    { -1, K::GroupBox, nullptr, 216, 84, 204, 44, 0 },
};

// The values are read-only, not disabled: greyed text would be hard to read.
const ControlTemplate BOARD_INFO[] = {
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Option Board Type"), 8, 8, 120, 8, 0 },
    { IDC_INFO_TYPE, K::Edit, nullptr, 132, 4, 72, 14, CS_READONLY },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Hardware Revision"), 8, 24, 120, 8, 0 },
    { IDC_INFO_HARDWARE, K::Edit, nullptr, 132, 20, 72, 14, CS_READONLY },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Software Version"), 8, 40, 120, 8, 0 },
    { IDC_INFO_SOFTWARE, K::Edit, nullptr, 132, 36, 72, 14, CS_READONLY },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Codeplug Version"), 8, 56, 120, 8, 0 },
    { IDC_INFO_CODEPLUG, K::Edit, nullptr, 132, 52, 72, 14, CS_READONLY },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "&Vendor Remarks:"), 8, 72, 120, 8, 0 },
    { IDC_INFO_REMARKS, K::MultiLineEdit, nullptr, 8, 84, 196, 84, CS_READONLY | CS_HSCROLL | CS_VSCROLL },
    { IDC_OK, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 52, 176, 50, 14, 0 },
    { IDC_HELP, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&Help"), 111, 176, 50, 14, 0 },
};

// Cancel is the default: Enter closes the dialog without calibrating.
const ControlTemplate CALIBRATE[] = {
    { IDC_CANCEL, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&Cancel"), 112, 120, 50, 14, 0 },
    { IDC_HELP, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&Help"), 168, 120, 50, 14, 0 },
    { -1, K::CentredLabel,
      QT_TRANSLATE_NOOP("DialogTemplates", "WARNING !\nThe accelerometer sensor is already calibrated in the factory.\nAn initial calibration is not "
      "needed.\nIf you really want to calibrate the accelerometer, follow the instructions below:"),
      8, 8, 260, 32, 0 },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "4. When you are prompted turn the radio very slowly for at least 360 degrees."), 12, 100, 256, 8,
      0 },
    { IDC_OK, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 56, 120, 50, 14, 0 },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "1. Place the radio in the vertical positon."), 12, 48, 248, 8, 0 },
    { -1, K::Label,
      QT_TRANSLATE_NOOP("DialogTemplates", "2. Make sure that the radio with the connected programming cable can now be\n    turned arround for at least "
      "360 degrees."),
      12, 60, 248, 16, 0 },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "3. Press the OK button."), 12, 84, 248, 8, 0 },
};

const ControlTemplate READ_CAL[] = {
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Reading the accelerometer calibration data will take about 20 minutes."), 25, 9, 224, 11, 0 },
    { -1, K::Label, QT_TRANSLATE_NOOP("DialogTemplates", "Are you sure you want to do this ?"), 73, 24, 111, 12, 0 },
    { IDC_OK, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&OK"), 56, 44, 50, 14, 0 },
    { IDC_CANCEL, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&Cancel"), 112, 44, 50, 14, 0 },
    { IDC_HELP, K::Button, QT_TRANSLATE_NOOP("DialogTemplates", "&Help"), 168, 44, 50, 14, 0 },
};

const ControlTemplate READ_CAL_PROGRESS[] = {
    { -1, K::CentredLabel,
      QT_TRANSLATE_NOOP("DialogTemplates", "Reading the accelerometer calibration data...\nStop (Esc) ends the read-out."), 8, 4, 260, 16, 0 },
    { IDC_PROGRESS_BAR, K::ProgressBar, nullptr, 4, 28, 260, 10, 0 },
    { IDC_PROGRESS_TEXT, K::CentredLabel, nullptr, 8, 48, 258, 11, 0 },
    // Beyond the panel's first form: the time taken and still to go, and Stop.
    { IDC_PROGRESS_TIME, K::CentredLabel, nullptr, 8, 60, 258, 11, 0 },
    { IDC_CANCEL, K::DefaultButton, QT_TRANSLATE_NOOP("DialogTemplates", "&Stop"), 111, 76, 50, 14, 0 },
};

} // namespace

DIALOG(DLG_ABOUT, 100, QT_TRANSLATE_NOOP("DialogTemplates", "About Vigilon OSS"), 228, 57, 8, ABOUT);
DIALOG(DLG_CONFIGURATION, 130, QT_TRANSLATE_NOOP("DialogTemplates", "Configuration"), 200, 92, 8, CONFIGURATION);
DIALOG(DLG_EDIT_DATA, 134, QT_TRANSLATE_NOOP("DialogTemplates", "Edit Option Board Data"), 424, 205, 8, EDIT_DATA);
DIALOG(DLG_BOARD_INFO, 135, QT_TRANSLATE_NOOP("DialogTemplates", "Option Board Information"), 212, 197, 8, BOARD_INFO);
DIALOG(DLG_CALIBRATE, 136, QT_TRANSLATE_NOOP("DialogTemplates", "Option Board Calibration"), 276, 145, 8, CALIBRATE);
DIALOG(DLG_READ_CAL, 137, QT_TRANSLATE_NOOP("DialogTemplates", "Read the Accelerometer Calibration Data"), 276, 65, 8, READ_CAL);
DIALOG(DLG_READ_CAL_PROGRESS, 142, nullptr, 272, 96, 10, READ_CAL_PROGRESS);
