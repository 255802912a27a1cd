// A text of the string table as Qt shows it.
#pragma once

#include "link/string_table.h"

#include <QString>

inline QString UiText(int id)
{
    return QString::fromStdString(LoadString(id));
}
