// Dialog templates: each dialog's controls with their ids, kinds, texts, positions
// and sizes in dialog units, in template order (which is the tab order). One
// builder lays them out (ui/controls/template_dialog). A '&' in a text marks its
// mnemonic; a label's mnemonic goes to the edit or list right after it.
#pragma once

#include "resources/control_ids.h"

enum class ControlKind {
    Label,        // static text, left aligned
    CentredLabel, // static text, centred
    Edit,         // single-line edit
    MultiLineEdit,
    UpDown,       // arrows for the edit before it (its buddy)
    DropDownList, // combo box without typing
    CheckBox,     // automatic check box
    Button,
    DefaultButton,
    GroupBox,
    ProgressBar,
};

// Style flags of a control.
enum : unsigned {
    CS_DISABLED = 1u << 0,
    CS_READONLY = 1u << 1,
    CS_HSCROLL = 1u << 2,
    CS_VSCROLL = 1u << 3,
    CS_WRAP = 1u << 4, // up-down: steps past one limit to the other
};

struct ControlTemplate {
    int id; // -1 for controls nobody addresses
    ControlKind kind;
    const char* text;
    int x, y, w, h;
    unsigned style;
};

struct DialogTemplate {
    int id;
    const char* caption; // nullptr: no caption bar
    int w, h;
    int fontPoints;
    const ControlTemplate* controls;
    int count;
};


extern const DialogTemplate DLG_ABOUT;          // 100
extern const DialogTemplate DLG_CONFIGURATION;  // 130
extern const DialogTemplate DLG_EDIT_DATA;      // 134
extern const DialogTemplate DLG_BOARD_INFO;     // 135
extern const DialogTemplate DLG_CALIBRATE;      // 136
extern const DialogTemplate DLG_READ_CAL;       // 137
extern const DialogTemplate DLG_READ_CAL_PROGRESS; // 142
