// The file dialogs seam: where the GUI asks the user for a file. Tests install
// their own answers.
#pragma once

#include <QString>

class QWidget;

class IFileDialogs {
public:
    virtual ~IFileDialogs() = default;
    // An existing data file to open; false when cancelled.
    virtual bool OpenDataFile(QWidget* parent, QString& path) = 0;
    // Where to save the data file, `proposed` shown first; asks before
    // overwriting. False when cancelled.
    virtual bool SaveDataFileAs(QWidget* parent, const QString& proposed, QString& path) = 0;
    // Where to save the calibration data export; false when cancelled.
    virtual bool SaveCalibrationFile(QWidget* parent, QString& path) = 0;
    // One of the backups of board settings, newest first; false when cancelled.
    virtual bool ChooseBackup(QWidget* parent, QString& path);
    // An exported calibration data file to look at; false when cancelled. The
    // platform's dialog unless overridden.
    virtual bool OpenCalibrationFile(QWidget* parent, QString& path);
    // A device a port is to stand for, `current` shown first; false when
    // cancelled. The platform's dialog (device files shown) unless overridden.
    virtual bool ChooseDevice(QWidget* parent, const QString& current, QString& path);
    // Where to export the service history as CSV, `proposed` shown first; asks
    // before overwriting. False when cancelled. The platform's dialog unless overridden.
    virtual bool SaveHistoryFile(QWidget* parent, const QString& proposed, QString& path);
    // Where to save a job sheet (PDF), `proposed` shown first; asks before
    // overwriting. False when cancelled. The platform's dialog unless overridden.
    virtual bool SaveJobSheet(QWidget* parent, const QString& proposed, QString& path);
    // Where to save the support bundle, `proposed` shown first; asks before
    // overwriting. False when cancelled. The platform's dialog unless overridden.
    virtual bool SaveSupportBundle(QWidget* parent, const QString& proposed, QString& path);
    // Where to save the serial trace; asks before overwriting. False when cancelled
    // (the default, for dialogs that never save one).
    virtual bool SaveTraceFile(QWidget* parent, QString& path)
    {
        (void)parent;
        (void)path;
        return false;
    }
};

// Kinds of file whose dialogs start in the folder one of them was chosen in
// last (remembered for the session), at first in the user's documents folder
// (else the home folder).
enum class FileKind { CalibrationData, HistoryCsv, SupportBundle, JobSheet };
QString StartFolder(FileKind kind);
// Remembers the folder of a file of that kind that was chosen and taken.
void RememberFolder(FileKind kind, const QString& chosenFile);

// True, after saying so, when a chosen target lies in the backups folder
// (nothing but the backups themselves is written there) or is one of the
// service history's files (the record of every operation is never saved over).
bool RefusedAsKeptFile(const QString& path);

// Installs the dialogs used from now on; nullptr restores the platform's.
void SetFileDialogs(IFileDialogs* dialogs);
IFileDialogs& FileDialogs();
