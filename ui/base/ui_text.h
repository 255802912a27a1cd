// A text of the string table as Qt shows it.
#pragma once

#include "seams/string_table.h"

#include <QString>

inline QString UiText(int id)
{
    return QString::fromStdString(LoadString(id));
}

// The text with this id with its %s fields filled, in order, by `args`.
template <typename... Args>
QString FormatUiText(int id, const Args&... args)
{
    return QString::fromStdString(FormatString(id, args.toStdString().c_str()...));
}
