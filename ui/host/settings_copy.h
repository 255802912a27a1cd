// Settings kept somewhere no file of their own stands for (a service history
// entry), to open as an untitled copy: the document never saves over where they
// came from, so Save asks where.
#pragma once

#include "operations/operation_record.h"

#include <QString>

struct SettingsCopy {
    DataFileBytes bytes{};
    QString title;    // the document's name, as the save question says it
    QString caption;  // after the program's name in the main window's caption
    QString source;   // where the settings came from, as the summary says it
    QString fileName; // proposed when the copy is saved
};
