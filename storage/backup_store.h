// Backups: files the tool keeps on its own in one folder, named by the local date
// and time and the port they came from ("2026-12-08_101502_COM1.vgd"), written
// like every data file (never half-written), read-only for everyone, the newest
// kept. Board settings are 26-byte data files; a calibration read-out is kept as
// its export text in a folder of its own.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

constexpr size_t BACKUPS_KEPT = 500;
constexpr size_t CALIBRATION_BACKUPS_KEPT = 20;

struct BackupEntry {
    std::string path;
    std::string name;
    std::string when; // "2026-12-08 10:15:02"
    std::string port; // as the file name carries it
};

// What a folder of backups holds: the name's ending, the size every one of them
// has (a file of another size is not one of ours) and how many are kept.
struct BackupKind {
    const char* extension;
    uintmax_t size;
    size_t kept;
};

extern const BackupKind SETTINGS_BACKUP;
extern const BackupKind CALIBRATION_BACKUP;

// Writes `bytes` as a new backup of `kind` into `folder` (made when missing),
// makes it read-only, checks that it is on disk as written, then removes the
// oldest backups beyond `kind.kept` (never the one just written, never a file the
// store did not make). On success `path` names the file; on failure `error` says why.
bool WriteBackupFile(const std::string& folder, const BackupKind& kind, const std::string& portName,
                     std::time_t when, const uint8_t* bytes, size_t count, std::string& path, std::string& error);

// Writes the codeplug version and the settings image as a settings backup.
bool WriteBackup(const std::string& folder, const std::string& portName, std::time_t when, int32_t major,
                 int32_t minor, const uint8_t* image, std::string& path, std::string& error);

// The backups of `kind` in `folder`, newest first.
std::vector<BackupEntry> ListBackups(const std::string& folder, const BackupKind& kind = SETTINGS_BACKUP);

// The file name a backup made at `when` (local time) from `portName` gets; a
// device path is reduced to the characters a file name can carry.
std::string BackupFileName(std::time_t when, const std::string& portName, const char* extension = ".vgd");

// Whether `path`, once its links are followed, lies in `folder` or below it.
bool IsInsideFolder(const std::string& path, const std::string& folder);
