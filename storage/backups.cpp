#include "storage/backups.h"

#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "storage/backup_store.h"

#include <algorithm>
#include <ctime>

std::string CalibrationFolderIn(const std::string& folder)
{
    return folder + "/calibration";
}

std::string KeepBackup(const std::string& folder, const std::string& portName, int32_t major, int32_t minor,
                       const uint8_t* image, std::string& error)
{
    std::string path;
    if (!WriteBackup(folder, portName, std::time(nullptr), major, minor, image, path, error))
        return std::string();
    return path;
}

std::string KeepBackup(OperationContext& context, const std::string& folder, const std::string& portName, int32_t major,
                       int32_t minor, const uint8_t* image)
{
    std::string error;
    const std::string path = KeepBackup(folder, portName, major, minor, image, error);
    if (path.empty())
        ShowStatusText(context, MSG_WARNING, IDS_BACKUP_FAILED, FormatString(IDS_BACKUP_FAILED, error.c_str()));
    return path;
}

std::string KeepCalibrationBackup(const std::string& folder, const std::string& portName, const std::string& exportText,
                                  std::string& error)
{
    std::string path;
    if (!WriteBackupFile(CalibrationFolderIn(folder), CALIBRATION_BACKUP, portName, std::time(nullptr),
                         reinterpret_cast<const uint8_t*>(exportText.data()), exportText.size(), path, error))
        return std::string();
    return path;
}

bool IsBackupPath(const std::string& folder, const std::string& path)
{
    return IsInsideFolder(path, folder);
}

std::vector<BackupEntry> AllBackups(const std::string& folder)
{
    std::vector<BackupEntry> all = ListBackups(folder);
    for (BackupEntry entry : ListBackups(CalibrationFolderIn(folder), CALIBRATION_BACKUP)) {
        entry.name = "calibration/" + entry.name;
        all.push_back(entry);
    }
    std::stable_sort(all.begin(), all.end(), [](const BackupEntry& a, const BackupEntry& b) { return a.when > b.when; });
    return all;
}
