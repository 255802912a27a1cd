#include "frontend/backups.h"

#include "board/backup_store.h"
#include "frontend/settings.h"
#include "link/status_message.h"
#include "link/string_table.h"
#include "resources/string_ids.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <ctime>

std::string BackupFolder()
{
    // The GUI's data folder, also when the command-line tool asks under its own name.
    const QString organisation = QCoreApplication::organizationName();
    const QString application = QCoreApplication::applicationName();
    QCoreApplication::setOrganizationName(QString::fromLatin1(SETTINGS_ORGANISATION));
    QCoreApplication::setApplicationName(QString::fromLatin1(SETTINGS_APPLICATION));
    const QString data = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    QCoreApplication::setOrganizationName(organisation);
    QCoreApplication::setApplicationName(application);
    return (data + QStringLiteral("/backups")).toStdString();
}

std::string KeepBackup(const std::string& portName, int32_t major, int32_t minor, const uint8_t* image)
{
    std::string path;
    std::string error;
    if (!WriteBackup(BackupFolder(), portName, std::time(nullptr), major, minor, image, path, error)) {
        ShowStatusText(MSG_WARNING, FormatString(IDS_BACKUP_FAILED, error.c_str()));
        return std::string();
    }
    return path;
}
