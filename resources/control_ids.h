// The ids of the dialogs' controls, named once: the templates place them and the
// dialogs find them by these names. Ids are unique within one dialog only.
#pragma once

// Common buttons.
enum : int {
    IDC_OK = 1,
    IDC_CANCEL = 2,
    IDC_HELP = 57670,
};

// About.
enum : int {
    IDC_ABOUT_COPYRIGHT = 1003,
};

// Configuration.
enum : int {
    IDC_SERIAL_PORT = 1000,
    IDC_PORT_DEVICES = 1001,
};

// Edit Option Board Data. A number setting has a label, an edit and, for a time,
// the up-down arrows that own the edit; the setting is bound to the arrows.
enum : int {
    IDC_TILT_ALARM = 1004,
    IDC_TILT_PRE_ALERT = 1005,
    IDC_TILT_PRE_ALERT_EDIT = 1006,
    IDC_TILT_PRE_ALERT_LABEL = 1007,
    IDC_TILT_ALERT = 1008,
    IDC_TILT_ALERT_EDIT = 1009,
    IDC_TILT_ALERT_LABEL = 1010,
    IDC_ANGLE = 1011,
    IDC_ANGLE_LABEL = 1012,
    IDC_ANTI_MOVEMENT_ALARM = 1013,
    IDC_ANTI_MOVEMENT_PRE_ALERT_LABEL = 1014,
    IDC_ANTI_MOVEMENT_PRE_ALERT_EDIT = 1015,
    IDC_ANTI_MOVEMENT_PRE_ALERT = 1016,
    IDC_ANTI_MOVEMENT_ALERT_LABEL = 1017,
    IDC_ANTI_MOVEMENT_ALERT_EDIT = 1018,
    IDC_ANTI_MOVEMENT_ALERT = 1019,
    IDC_MOVEMENT_ALARM = 1020,
    IDC_MOVEMENT_PRE_ALERT_LABEL = 1021,
    IDC_MOVEMENT_PRE_ALERT_EDIT = 1022,
    IDC_MOVEMENT_PRE_ALERT = 1023,
    IDC_MOVEMENT_ALERT_LABEL = 1024,
    IDC_MOVEMENT_ALERT_EDIT = 1025,
    IDC_MOVEMENT_ALERT = 1026,
    IDC_MOVEMENT_ALERT_ENABLE = 1027,
    IDC_ALERT_REPEAT = 1028,
    IDC_ALERT_REPEAT_TIME_LABEL = 1029,
    IDC_ALERT_REPEAT_TIME_EDIT = 1030,
    IDC_ALERT_REPEAT_TIME = 1031,
    IDC_SENSITIVITY_LABEL = 1032,
    IDC_SENSITIVITY = 1033,
    IDC_CLOCK_SHIFT = 1035,
};

// Option Board Information.
enum : int {
    IDC_INFO_TYPE = 1012,
    IDC_INFO_SOFTWARE = 1013,
    IDC_INFO_HARDWARE = 1014,
    IDC_INFO_CODEPLUG = 1015,
    IDC_INFO_REMARKS = 1017,
};

// The read-out's progress panel.
enum : int {
    IDC_PROGRESS_BAR = 1014,
    IDC_PROGRESS_TEXT = 1015,
    IDC_PROGRESS_TIME = 1016,
};
