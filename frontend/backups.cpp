#include "frontend/backups.h"

#include "board/backup_store.h"
#include "frontend/settings.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <QCoreApplication>
#include <QStandardPaths>

#include <algorithm>
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

std::string CalibrationBackupFolder()
{
    return BackupFolder() + "/calibration";
}

std::string KeepBackup(const std::string& portName, int32_t major, int32_t minor, const uint8_t* image,
                       std::string& error)
{
    std::string path;
    if (!WriteBackup(BackupFolder(), portName, std::time(nullptr), major, minor, image, path, error))
        return std::string();
    return path;
}

std::string KeepBackup(OperationContext& context, const std::string& portName, int32_t major, int32_t minor,
                       const uint8_t* image)
{
    std::string error;
    const std::string path = KeepBackup(portName, major, minor, image, error);
    if (path.empty())
        ShowStatusText(context, MSG_WARNING, IDS_BACKUP_FAILED, FormatString(IDS_BACKUP_FAILED, error.c_str()));
    return path;
}

std::string KeepCalibrationBackup(const std::string& portName, const std::string& exportText, std::string& error)
{
    std::string path;
    if (!WriteBackupFile(CalibrationBackupFolder(), CALIBRATION_BACKUP, portName, std::time(nullptr),
                         reinterpret_cast<const uint8_t*>(exportText.data()), exportText.size(), path, error))
        return std::string();
    return path;
}

bool IsBackupPath(const std::string& path)
{
    return IsInsideFolder(path, BackupFolder());
}

std::vector<BackupEntry> AllBackups()
{
    std::vector<BackupEntry> all = ListBackups(BackupFolder());
    for (BackupEntry entry : ListBackups(CalibrationBackupFolder(), CALIBRATION_BACKUP)) {
        entry.name = "calibration/" + entry.name;
        all.push_back(entry);
    }
    std::stable_sort(all.begin(), all.end(), [](const BackupEntry& a, const BackupEntry& b) { return a.when > b.when; });
    return all;
}
