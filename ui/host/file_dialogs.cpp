#include "ui/host/file_dialogs.h"

#include "ui/base/program_objects.h"

#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "ui/host/backup_dialog.h"
#include "ui/base/ui_text.h"

#include "seams/status_message.h"

#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

#include <map>

namespace {

// "All files (*.*)" means every file; outside Windows not every name has a dot.
QString AllFilesFilter(int id)
{
    QString filter = UiText(id);
#ifndef Q_OS_WIN
    filter.replace(QStringLiteral("(*.*)"), QStringLiteral("(*)"));
#endif
    return filter;
}

std::map<FileKind, QString>& RememberedFolders()
{
    static std::map<FileKind, QString> folders;
    return folders;
}

class PlatformFileDialogs : public IFileDialogs {
public:
    bool OpenDataFile(QWidget* parent, QString& path) override
    {
        QFileDialog dialog(parent, QString(), QStringLiteral("."));
        dialog.setFileMode(QFileDialog::ExistingFile);
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setNameFilters({ UiText(IDS_DOC_FILTER), AllFilesFilter(IDS_ALL_FILES_OPEN) });
        dialog.setDefaultSuffix(QStringLiteral("vgd"));
        return Run(dialog, path);
    }

    bool SaveDataFileAs(QWidget* parent, const QString& proposed, QString& path) override
    {
        QFileDialog dialog(parent, UiText(IDS_SAVE_AS_CAPTION));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({ UiText(IDS_DOC_FILTER), AllFilesFilter(IDS_ALL_FILES_SAVE) });
        dialog.setDefaultSuffix(QStringLiteral("vgd"));
        dialog.selectFile(proposed);
        return Run(dialog, path);
    }

    bool SaveCalibrationFile(QWidget* parent, QString& path) override
    {
        QFileDialog dialog(parent, QString(), StartFolder(FileKind::CalibrationData));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({ UiText(IDS_CALFILE_FILTER), AllFilesFilter(IDS_ALL_FILES_OPEN) });
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        return Run(dialog, path);
    }

    bool SaveTraceFile(QWidget* parent, QString& path) override
    {
        QFileDialog dialog(parent, QString(), QStringLiteral("."));
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setNameFilters({ UiText(IDS_TRACE_FILTER), AllFilesFilter(IDS_ALL_FILES_SAVE) });
        dialog.setDefaultSuffix(QStringLiteral("txt"));
        return Run(dialog, path);
    }

private:
    static bool Run(QFileDialog& dialog, QString& path)
    {
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return false;
        path = dialog.selectedFiles().first();
        return true;
    }
};

PlatformFileDialogs g_platformDialogs;
IFileDialogs* g_dialogs = &g_platformDialogs;

// A Save As for one kind of file, proposing a name and adding the kind's suffix
// to a name typed without one.
bool SaveWithSuffix(QWidget* parent, int caption, int filter, const QString& suffix, const QString& proposed,
                    QString& path)
{
    QFileDialog dialog(parent, UiText(caption));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilters({ UiText(filter), AllFilesFilter(IDS_ALL_FILES_SAVE) });
    dialog.setDefaultSuffix(suffix);
    dialog.selectFile(proposed);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    return true;
}

} // namespace

bool IFileDialogs::ChooseBackup(QWidget* parent, QString& path)
{
    const std::string folder = BackupFolder();
    BackupDialog dialog(parent, AllBackups(folder), QFile::decodeName(folder.c_str()));
    if (dialog.exec() != QDialog::Accepted || dialog.ChosenPath().isEmpty())
        return false;
    path = dialog.ChosenPath();
    return true;
}

QString StartFolder(FileKind kind)
{
    const auto remembered = RememberedFolders().find(kind);
    if (remembered != RememberedFolders().end() && QDir(remembered->second).exists())
        return remembered->second;
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QDir(documents).exists() ? documents : QDir::homePath();
}

void RememberFolder(FileKind kind, const QString& chosenFile)
{
    if (!chosenFile.isEmpty())
        RememberedFolders()[kind] = QFileInfo(chosenFile).absolutePath();
}

bool IFileDialogs::OpenCalibrationFile(QWidget* parent, QString& path)
{
    QFileDialog dialog(parent, QString(), StartFolder(FileKind::CalibrationData));
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setNameFilters({ UiText(IDS_CALFILE_FILTER), AllFilesFilter(IDS_ALL_FILES_OPEN) });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    return true;
}

bool IFileDialogs::SaveHistoryFile(QWidget* parent, const QString& proposed, QString& path)
{
    return SaveWithSuffix(parent, IDS_HISTORY_EXPORT_CAPTION, IDS_HISTORY_CSV_FILTER, QStringLiteral("csv"), proposed, path);
}

bool IFileDialogs::SaveJobSheet(QWidget* parent, const QString& proposed, QString& path)
{
    return SaveWithSuffix(parent, IDS_JOBSHEET_CAPTION, IDS_JOBSHEET_FILTER, QStringLiteral("pdf"), proposed, path);
}

bool IFileDialogs::SaveSupportBundle(QWidget* parent, const QString& proposed, QString& path)
{
    return SaveWithSuffix(parent, IDS_BUNDLE_CAPTION, IDS_BUNDLE_FILTER, QStringLiteral("zip"), proposed, path);
}

bool IFileDialogs::ChooseDevice(QWidget* parent, const QString& current, QString& path)
{
    // Device files are not regular files: the platform's own dialog hides them.
    const QString byId = QStringLiteral("/dev/serial/by-id");
    const QString folder = !current.isEmpty() ? QFileInfo(current).absolutePath()
                           : QDir(byId).exists() ? byId
                                                 : QStringLiteral("/dev");
    QFileDialog dialog(parent, UiText(IDS_CONFIG_CHOOSE_DEVICE), folder);
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFilter(QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot);
    dialog.setOption(QFileDialog::DontResolveSymlinks);
    if (!current.isEmpty())
        dialog.selectFile(current);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
        return false;
    path = dialog.selectedFiles().first();
    return true;
}

bool RefusedAsKeptFile(const QString& path)
{
    if (IsServiceHistoryPath(QFile::encodeName(path).toStdString())) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_TARGET_IS_HISTORY, FormatUiText(IDS_TARGET_IS_HISTORY, QDir::toNativeSeparators(path)).toStdString());
        return true;
    }
    if (!IsBackupPath(BackupFolder(), QFile::encodeName(path).toStdString()))
        return false;
    const QString folder = QDir::toNativeSeparators(QString::fromStdString(BackupFolder()));
    ShowStatusText(GuiContext(), MSG_ERROR, FormatUiText(IDS_TARGET_IS_BACKUP, QDir::toNativeSeparators(path), folder).toStdString());
    return true;
}

void SetFileDialogs(IFileDialogs* dialogs)
{
    g_dialogs = dialogs ? dialogs : &g_platformDialogs;
}

IFileDialogs& FileDialogs()
{
    return *g_dialogs;
}
