#include "resources/command_table.h"

#include "resources/command_ids.h"
#include "resources/string_ids.h"
#include "resources/translatable.h"

const MenuRow MAIN_MENU[] = {
    { MenuRowKind::Popup, IDS_MENU_FILE, nullptr },
    { MenuRowKind::Item, ID_FILE_OPEN, QT_TRANSLATE_NOOP("CommandTable", "&Open\tCtrl+O") },
    { MenuRowKind::Item, ID_FILE_SAVE, QT_TRANSLATE_NOOP("CommandTable", "&Save\tCtrl+S") },
    { MenuRowKind::Item, ID_FILE_SAVE_AS, QT_TRANSLATE_NOOP("CommandTable", "Save &As") },
    { MenuRowKind::Item, ID_FILE_OPEN_BACKUP, QT_TRANSLATE_NOOP("CommandTable", "Open &Backup...") },
    { MenuRowKind::Item, ID_FILE_COMPARE, QT_TRANSLATE_NOOP("CommandTable", "Co&mpare With File...") },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_FILE_READ, QT_TRANSLATE_NOOP("CommandTable", "&Read Option Board\tCtrl+R") },
    { MenuRowKind::Item, ID_FILE_WRITE, QT_TRANSLATE_NOOP("CommandTable", "&Write Option Board\tCtrl+W") },
    { MenuRowKind::Item, ID_FILE_READ_CAL, QT_TRANSLATE_NOOP("CommandTable", "Read &Calibration Data") },
    { MenuRowKind::Item, ID_FILE_VIEW_CAL, QT_TRANSLATE_NOOP("CommandTable", "&View Calibration Data...") },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::RecentFiles, ID_FILE_MRU_FIRST, QT_TRANSLATE_NOOP("CommandTable", "Recent files") },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_APP_EXIT, QT_TRANSLATE_NOOP("CommandTable", "E&xit") },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_OPTION_BOARD, nullptr },
    { MenuRowKind::Item, ID_BOARD_EDIT, QT_TRANSLATE_NOOP("CommandTable", "&Edit Data...") },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_BOARD_INFO, QT_TRANSLATE_NOOP("CommandTable", "&Info...") },
    { MenuRowKind::Item, ID_BOARD_CHECK, QT_TRANSLATE_NOOP("CommandTable", "C&heck Connection...") },
    { MenuRowKind::Item, ID_BOARD_FLEET, QT_TRANSLATE_NOOP("CommandTable", "Program &Several Radios...") },
    { MenuRowKind::Item, ID_BOARD_CALIBRATE, QT_TRANSLATE_NOOP("CommandTable", "&Calibrate...") },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_OPTIONS, nullptr },
    { MenuRowKind::Item, ID_OPTIONS_CONFIGURATION, QT_TRANSLATE_NOOP("CommandTable", "&Configuration...") },
    { MenuRowKind::Item, ID_OPTIONS_VERIFY, QT_TRANSLATE_NOOP("CommandTable", "&Verify After Write") },
    { MenuRowKind::Item, ID_OPTIONS_BACKUP_FIRST, QT_TRANSLATE_NOOP("CommandTable", "&Back Up Before Write") },
    { MenuRowKind::Item, ID_OPTIONS_ASK_RADIO_ID, QT_TRANSLATE_NOOP("CommandTable", "Ask For &Radio ID") },
    { MenuRowKind::Item, ID_OPTIONS_LANGUAGE, QT_TRANSLATE_NOOP("CommandTable", "&Language...") },
    { MenuRowKind::Item, ID_OPTIONS_HISTORY, QT_TRANSLATE_NOOP("CommandTable", "Service &History...") },
    { MenuRowKind::Popup, IDS_MENU_WINDOW_SIZE, nullptr },
    { MenuRowKind::Item, ID_WINDOW_640, QT_TRANSLATE_NOOP("CommandTable", "640x480") },
    { MenuRowKind::Item, ID_WINDOW_800, QT_TRANSLATE_NOOP("CommandTable", "800x600") },
    { MenuRowKind::Item, ID_WINDOW_1024, QT_TRANSLATE_NOOP("CommandTable", "1024x768") },
    { MenuRowKind::EndPopup, 0, nullptr },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_VIEW, nullptr },
    { MenuRowKind::Item, ID_VIEW_TOOLBAR, QT_TRANSLATE_NOOP("CommandTable", "&Toolbar") },
    { MenuRowKind::Item, ID_VIEW_STATUS_BAR, QT_TRANSLATE_NOOP("CommandTable", "&Status Bar") },
    { MenuRowKind::Item, ID_VIEW_SUMMARY, QT_TRANSLATE_NOOP("CommandTable", "Settings S&ummary") },
    { MenuRowKind::Item, ID_VIEW_HISTORY, QT_TRANSLATE_NOOP("CommandTable", "Service &History...") },
    { MenuRowKind::EndPopup, 0, nullptr },

    { MenuRowKind::Popup, IDS_MENU_HELP, nullptr },
    { MenuRowKind::Item, ID_HELP_FINDER, QT_TRANSLATE_NOOP("CommandTable", "&Help Topics") },
    { MenuRowKind::Item, ID_HELP_SAVE_TRACE, QT_TRANSLATE_NOOP("CommandTable", "Save Serial &Trace...") },
    { MenuRowKind::Item, ID_HELP_SUPPORT_BUNDLE, QT_TRANSLATE_NOOP("CommandTable", "Create Support &Bundle...") },
    { MenuRowKind::Separator, 0, nullptr },
    { MenuRowKind::Item, ID_APP_ABOUT, QT_TRANSLATE_NOOP("CommandTable", "&About Vigilon OSS...") },
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
