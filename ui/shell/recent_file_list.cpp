#include "ui/shell/recent_file_list.h"

#include "app/settings.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>

namespace {

const char* const SECTION = "Recent File List";

QString Key(int index)
{
    return QStringLiteral("%1/File%2").arg(QString::fromLatin1(SECTION)).arg(index + 1);
}

bool SamePath(const QString& a, const QString& b)
{
#ifdef Q_OS_WIN
    return QString::compare(QDir::cleanPath(a), QDir::cleanPath(b), Qt::CaseInsensitive) == 0;
#else
    return QDir::cleanPath(a) == QDir::cleanPath(b);
#endif
}

} // namespace

void RecentFileList::Load()
{
    QSettings settings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION));
    m_paths.clear();
    for (int i = 0; i < SIZE; ++i) {
        const QString path = settings.value(Key(i)).toString();
        if (!path.isEmpty())
            m_paths.append(path);
    }
}

void RecentFileList::Save() const
{
    QSettings settings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION));
    for (int i = 0; i < SIZE; ++i) {
        if (i < m_paths.size())
            settings.setValue(Key(i), m_paths[i]);
        else
            settings.remove(Key(i));
    }
}

void RecentFileList::Add(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    for (int i = 0; i < m_paths.size(); ++i) {
        if (SamePath(m_paths[i], full)) {
            m_paths.removeAt(i);
            break;
        }
    }
    m_paths.prepend(full);
    while (m_paths.size() > SIZE)
        m_paths.removeLast();
}

void RecentFileList::Remove(const QString& path)
{
    const QString full = QFileInfo(path).absoluteFilePath();
    for (int i = 0; i < m_paths.size(); ++i) {
        if (SamePath(m_paths[i], full)) {
            m_paths.removeAt(i);
            return;
        }
    }
}

QString RecentFileList::Abbreviate(const QString& path, int maximum)
{
    const QString native = QDir::toNativeSeparators(path);
    if (native.size() <= maximum)
        return native;
    const QChar separator = QDir::separator();
    const QString name = QFileInfo(path).fileName();
    // The root ("/" or "C:\") stays, folders give way from the left to "...".
    const int rootEnd = native.indexOf(separator) + 1;
    const QString root = native.left(rootEnd);
    QString tail = native.mid(rootEnd);
    const QString dots = QStringLiteral("...") + separator;
    while (root.size() + dots.size() + tail.size() > maximum) {
        const int next = tail.indexOf(separator);
        if (next < 0)
            return name; // not even root, dots and name fit: the name alone
        tail = tail.mid(next + 1);
    }
    return root + dots + tail;
}
