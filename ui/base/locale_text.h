// Times as the reader's locale writes them, to the second: what files and
// reports hold stays in its fixed form, what people read follows their settings.
#pragma once

#include <QDateTime>
#include <QLocale>
#include <QString>

// "13:45:02" or "1:45:02 PM": the locale's long time form without its zone name.
inline QString LocaleTimeText(const QTime& time)
{
    QString format = QLocale().timeFormat(QLocale::LongFormat);
    format.remove(QLatin1Char('t'));
    return QLocale().toString(time, format.trimmed());
}

// The locale's short date, then the time to the second.
inline QString LocaleDateTimeText(const QDateTime& when)
{
    return QLocale().toString(when.date(), QLocale::ShortFormat) + QLatin1Char(' ') + LocaleTimeText(when.time());
}
