// The backups in a backups folder (the front ends give the one in the program's
// data folder): the board settings of every read, and each calibration read-out
// in `calibration/` below it. Keeping a backup never fails the operation it came
// from: it is warned about instead.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

class OperationContext;
struct BackupEntry;

// The calibration read-outs' folder below a backups folder.
std::string CalibrationFolderIn(const std::string& folder);

// Keeps the settings image a read brought as a backup; a warning when it cannot.
// The path of the backup, or an empty text.
std::string KeepBackup(OperationContext& context, const std::string& folder, const std::string& portName, int32_t major,
                       int32_t minor, const uint8_t* image);
// The same without the warning: why it could not goes into `error`, for an
// operation that still holds the radio to say once it has released it.
std::string KeepBackup(const std::string& folder, const std::string& portName, int32_t major, int32_t minor,
                       const uint8_t* image, std::string& error);

// Keeps a calibration read-out's export text. The path of the kept copy, or an
// empty text with why in `error`; nothing is shown (the read-out says it after
// the reset).
std::string KeepCalibrationBackup(const std::string& folder, const std::string& portName, const std::string& exportText,
                                  std::string& error);

// The backups of settings and of calibration data together, newest first; a
// calibration copy's name is shown with its folder ("calibration/...").
std::vector<BackupEntry> AllBackups(const std::string& folder);

// Whether a path names a backup or anything else in the backups folder: nothing
// the tool writes goes there but the backups themselves.
bool IsBackupPath(const std::string& folder, const std::string& path);
