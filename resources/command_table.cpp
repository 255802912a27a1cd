#include "resources/command_table.h"

#include "resources/command_ids.h"
#include "resources/string_ids.h"

const MenuRow MAIN_MENU[] = {
    { MenuRowKind::Popup, IDS_MENU_FILE, nullptr },
    { MenuRowKind::Item, ID_FILE_OPEN, "&Open\tCtrl+O" },
    { MenuRowKind::Item, ID_FILE_SAVE, "&Save\tCtrl+S" },
    { MenuRowKind::Item, ID_FILE_SAVE_AS, "Save &As" },
    { MenuRowKind::Item, ID_FILE_OPEN_BACKUP, "Open &Backup..." },
    { MenuRowKind::Item, ID_FILE_COMPARE, "Co&mpare With File..." },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_FILE_READ, "&Read Option Board\tCtrl+R" },
    { MenuRowKind::Item, ID_FILE_WRITE, "&Write Option Board\tCtrl+W" },
    { MenuRowKind::Item, ID_FILE_READ_CAL, "Read &Calibration Data" },
    { MenuRowKind::Item, ID_FILE_VIEW_CAL, "&View Calibration Data..." },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::RecentFiles, ID_FILE_MRU_FIRST, "Recent files" },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_APP_EXIT, "E&xit" },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_OPTION_BOARD, nullptr },
    { MenuRowKind::Item, ID_BOARD_EDIT, "&Edit Data..." },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_BOARD_INFO, "&Info..." },
    { MenuRowKind::Item, ID_BOARD_CHECK, "C&heck Connection..." },
    { MenuRowKind::Item, ID_BOARD_FLEET, "Program &Several Radios..." },
    { MenuRowKind::Item, ID_BOARD_CALIBRATE, "&Calibrate..." },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_OPTIONS, nullptr },
    { MenuRowKind::Item, ID_OPTIONS_CONFIGURATION, "&Configuration..." },
    { MenuRowKind::Item, ID_OPTIONS_VERIFY, "&Verify After Write" },
    { MenuRowKind::Item, ID_OPTIONS_BACKUP_FIRST, "&Back Up Before Write" },
    { MenuRowKind::Popup, IDS_MENU_WINDOW_SIZE, nullptr },
    { MenuRowKind::Item, ID_WINDOW_640, "640x480" },
    { MenuRowKind::Item, ID_WINDOW_800, "800x600" },
    { MenuRowKind::Item, ID_WINDOW_1024, "1024x768" },
    { MenuRowKind::EndPopup, 0, nullptr },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_VIEW, nullptr },
    { MenuRowKind::Item, ID_VIEW_TOOLBAR, "&Toolbar" },
    { MenuRowKind::Item, ID_VIEW_STATUS_BAR, "&Status Bar" },
    { MenuRowKind::Item, ID_VIEW_SUMMARY, "Settings S&ummary" },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_HELP, nullptr },
    { MenuRowKind::Item, ID_HELP_FINDER, "&Help Topics" },
    { MenuRowKind::Item, ID_HELP_SAVE_TRACE, "Save Serial &Trace..." },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_APP_ABOUT, "&About Vigilon OSS..." },
    { MenuRowKind::EndPopup, 0, nullptr },
};
const int MAIN_MENU_ROWS = sizeof(MAIN_MENU) / sizeof(MAIN_MENU[0]);

// Shift+F1 (context help) and F6 / Shift+F6 (pane switching) are taken and do
// nothing: there is no context help mode and no split view.
const AcceleratorRow ACCELERATORS[] = {
    { "Ctrl+O", ID_FILE_OPEN },     { "Ctrl+R", ID_FILE_READ },     { "Ctrl+S", ID_FILE_SAVE },
    { "Ctrl+W", ID_FILE_WRITE },    { "F1", ID_HELP_FINDER },       { "Shift+F1", ID_CONTEXT_HELP },
    { "F6", ID_NEXT_PANE },         { "Shift+F6", ID_PREV_PANE },   { "Ctrl+E", ID_BOARD_EDIT },
    { "Ctrl+I", ID_BOARD_INFO },    { "Ctrl+,", ID_OPTIONS_CONFIGURATION },
};
const int ACCELERATOR_ROWS = sizeof(ACCELERATORS) / sizeof(ACCELERATORS[0]);

const ToolbarRow TOOLBAR[] = {
    { ID_FILE_OPEN, ":/icons/open.png" },
    { ID_FILE_READ, ":/icons/read.png" },
    { ID_FILE_SAVE, ":/icons/save.png" },
    { ID_FILE_WRITE, ":/icons/write.png" },
    { ID_APP_ABOUT, ":/icons/about.png" },
};
const int TOOLBAR_ROWS = sizeof(TOOLBAR) / sizeof(TOOLBAR[0]);

const int LAB_MODE_COMMANDS[] = { ID_BOARD_CALIBRATE, ID_FILE_READ_CAL, ID_FILE_VIEW_CAL };
const int LAB_MODE_COMMAND_COUNT = sizeof(LAB_MODE_COMMANDS) / sizeof(LAB_MODE_COMMANDS[0]);
