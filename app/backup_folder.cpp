#include "app/backup_folder.h"

#include "app/settings.h"
#include "storage/backups.h"

#include <QCoreApplication>
#include <QStandardPaths>

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

std::string CalibrationBackupFolder()
{
    return CalibrationFolderIn(BackupFolder());
}
