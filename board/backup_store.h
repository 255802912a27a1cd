// Backups of board settings: 26-byte data files in one folder, named by the local
// date and time and the port they came from ("2026-12-08_101502_COM1.vgd"),
// written like every data file (never half-written), the newest kept.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <string>
#include <vector>

constexpr size_t BACKUPS_KEPT = 500;

struct BackupEntry {
    std::string path;
    std::string name;
    std::string when; // "2026-12-08 10:15:02"
    std::string port; // as the file name carries it
};

// Writes the codeplug version and the settings image as a backup into `folder`
// (made when missing), then removes all but the newest BACKUPS_KEPT. On
// success `path` names the file; on failure `error` says why.
bool WriteBackup(const std::string& folder, const std::string& portName, std::time_t when, int32_t major,
                 int32_t minor, const uint8_t* image, std::string& path, std::string& error);

// The backups in `folder`, newest first.
std::vector<BackupEntry> ListBackups(const std::string& folder);

// The file name a backup made at `when` (local time) from `portName` gets; a
// device path is reduced to the characters a file name can carry.
std::string BackupFileName(std::time_t when, const std::string& portName);
