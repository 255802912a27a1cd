// Where both front ends keep backups: the backups folder in the program's data
// folder, shared by the GUI and the command-line tool.
#pragma once

#include <string>

std::string BackupFolder();
// Calibration read-outs, in `calibration/` below the backups folder.
std::string CalibrationBackupFolder();
