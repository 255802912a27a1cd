// Where both front ends keep backups of board settings (the backups folder in the
// program's data folder, shared by the GUI and the command-line tool), and the
// backup of a read, which never fails the read: it is warned about instead.
#pragma once

#include <cstdint>
#include <string>

std::string BackupFolder();

// Keeps the settings image a read brought as a backup; a warning when it cannot.
// The path of the backup, or an empty text.
std::string KeepBackup(const std::string& portName, int32_t major, int32_t minor, const uint8_t* image);
