// The main window's commands in one place: the menu, the accelerators and the
// toolbar are built from these tables. Prompts and tooltips are the string-table
// entries with the command's id ("status bar prompt\ntooltip").
#pragma once

enum class MenuRowKind { Popup, EndPopup, Item, Separator, RecentFiles };

struct MenuRow {
    MenuRowKind kind;
    int id;           // command id (Item) or string id of the popup's title (Popup)
    const char* text; // item text, "\t" before the shortcut shown
};

struct AcceleratorRow {
    const char* keys; // in the form Qt's key sequences read ("Ctrl+O")
    int id;
};

struct ToolbarRow {
    int id;
    const char* icon; // resource path of the button image
};

extern const MenuRow MAIN_MENU[];
extern const int MAIN_MENU_ROWS;
extern const AcceleratorRow ACCELERATORS[];
extern const int ACCELERATOR_ROWS;
extern const ToolbarRow TOOLBAR[];
extern const int TOOLBAR_ROWS;
// The commands only lab mode keeps in the menu.
extern const int LAB_MODE_COMMANDS[];
extern const int LAB_MODE_COMMAND_COUNT;
