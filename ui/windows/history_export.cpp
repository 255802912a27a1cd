#include "ui/windows/history_export.h"

#include "ui/base/program_objects.h"

#include "storage/output_target.h"
#include "app/history_text.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/host/file_dialogs.h"
#include "ui/base/ui_text.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstdio>
#include <cstring>

bool ExportHistoryCsv(QWidget* parent, HistoryReader& store, const HistoryFilter& filter)
{
    QString path;
    const QString proposed = QDir(StartFolder(FileKind::HistoryCsv)).filePath(UiText(IDS_HISTORY_CSV_NAME));
    if (!FileDialogs().SaveHistoryFile(parent, proposed, path) || RefusedAsKeptFile(path))
        return false;
    RememberFolder(FileKind::HistoryCsv, path);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    const auto failed = [&](const std::string& why) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_EXPORT_FAILED,
                       FormatString(IDS_HISTORY_EXPORT_FAILED, shown.c_str(), why.c_str()));
        return false;
    };
    const QByteArray file = QFile::encodeName(path);
    // Checked before it is opened: a named pipe would hold the open for ever.
    const struct {
        TargetProblem problem;
        int textId;
    } problems[] = {
        { TargetProblem::NotAFile, IDS_TARGET_NOT_FILE },
        { TargetProblem::WriteProtected, IDS_TARGET_PROTECTED },
        { TargetProblem::NoFolder, IDS_TARGET_NO_FOLDER },
        { TargetProblem::NoSpace, IDS_TARGET_NO_SPACE },
    };
    const TargetProblem problem = CheckOutputTarget(file.toStdString(), 4096);
    for (const auto& known : problems) {
        if (problem == known.problem) {
            ShowStatusText(GuiContext(), MSG_ERROR, known.textId, FormatString(known.textId, shown.c_str()));
            return false;
        }
    }
    // Written beside the chosen name and moved into place only when whole, so
    // that a failure leaves an earlier export of that name as it was.
    const QByteArray part = file + ".part";
    std::FILE* out = std::fopen(part.constData(), "wb");
    if (!out)
        return failed(std::strerror(errno));
    QApplication::setOverrideCursor(Qt::WaitCursor);
    errno = 0;
    const bool written = WriteHistoryCsv(store, filter, out);
    const int writeError = errno;
    const bool closed = std::fclose(out) == 0;
    QApplication::restoreOverrideCursor();
    if (!written || !closed || std::rename(part.constData(), file.constData()) != 0) {
        // A list cut short is no export of it.
        std::remove(part.constData());
        const std::string why = !store.Error().empty() ? store.Error()
                                : writeError != 0      ? std::strerror(writeError)
                                                       : std::strerror(errno);
        return failed(why);
    }
    ShowStatusText(GuiContext(), MSG_INFO, IDS_HISTORY_EXPORTED, FormatString(IDS_HISTORY_EXPORTED, shown.c_str()));
    return true;
}
