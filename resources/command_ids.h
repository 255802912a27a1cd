// Command identifiers: menu items, toolbar buttons and accelerators send these.
#pragma once

enum : int {
    ID_OPTIONS_CONFIGURATION = 32773,
    ID_FILE_OPEN = 32776,
    ID_FILE_SAVE_ACCEL = 32777, // the old Ctrl+S command; here Ctrl+S saves
    ID_FILE_READ = 32778,
    ID_FILE_WRITE = 32779,
    ID_BOARD_INFO = 32780,
    ID_BOARD_EDIT = 32781,
    ID_BOARD_CALIBRATE = 32782,
    ID_WINDOW_640 = 32786,
    ID_WINDOW_800 = 32787,
    ID_WINDOW_1024 = 32788,
    ID_FILE_READ_CAL = 32790,
    ID_FILE_SAVE = 57603,
    ID_FILE_SAVE_AS = 57604,
    ID_FILE_MRU_FIRST = 57616,
    ID_FILE_MRU_LAST = 57631,
    ID_APP_ABOUT = 57664,
    ID_APP_EXIT = 57665,
    ID_CONTEXT_HELP = 57669,
    ID_HELP_FINDER = 57670,
    ID_NEXT_PANE = 57680,
    ID_PREV_PANE = 57681,
    ID_VIEW_TOOLBAR = 59392,
    ID_VIEW_STATUS_BAR = 59393,
};
