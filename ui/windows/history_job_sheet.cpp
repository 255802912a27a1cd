#include "ui/windows/history_job_sheet.h"

#include "ui/base/program_objects.h"

#include "jobsheet/job_sheet.h"
#include "jobsheet/job_sheet_sources.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/host/file_dialogs.h"

#include <QApplication>
#include <QDir>
#include <QFile>

#include <string>

namespace {

// Whether the sheet is to hold the entry's whole run: asked only of a radio of one.
bool WholeRunWanted(const HistoryEntry& entry, bool& cancelled)
{
    cancelled = false;
    if (entry.fleetRun <= 0)
        return false;
    MessageBoxRequest question;
    question.caption = LoadString(IDS_APP_TITLE);
    question.icon = MsgIcon::Question;
    question.buttons = MsgButtons::YesNoCancel;
    question.defaultButton = MsgAnswer::Yes;
    question.messageId = IDS_JOBSHEET_WHOLE_RUN;
    question.text = FormatString(IDS_JOBSHEET_WHOLE_RUN, std::to_string(entry.id).c_str(),
                                 std::to_string(entry.fleetRun).c_str());
    const MsgAnswer answer = GuiContext().Present(question);
    cancelled = answer == MsgAnswer::Cancel;
    return answer == MsgAnswer::Yes;
}

} // namespace

bool ExportJobSheet(QWidget* parent, HistoryReader& store, const HistoryEntry& entry)
{
    bool cancelled = false;
    const bool wholeRun = WholeRunWanted(entry, cancelled);
    if (cancelled)
        return false;
    JobSheet sheet;
    if (wholeRun && !RunJobSheet(store, entry, sheet)) {
        const std::string run = std::to_string(entry.fleetRun);
        if (!store.Error().empty())
            ShowStatusText(GuiContext(), MSG_ERROR, IDS_HISTORY_UNREADABLE,
                           FormatString(IDS_HISTORY_UNREADABLE, store.Place().c_str(), store.Error().c_str()));
        else
            ShowStatusText(GuiContext(), MSG_ERROR, IDS_JOBSHEET_NO_RUN, FormatString(IDS_JOBSHEET_NO_RUN, run.c_str()));
        return false;
    }
    if (!wholeRun)
        sheet.entries.push_back(entry);

    const std::string number = std::to_string(wholeRun ? entry.fleetRun : entry.id);
    const QString name = QString::fromStdString(
        FormatString(wholeRun ? IDS_JOBSHEET_RUN_NAME : IDS_JOBSHEET_ENTRY_NAME, number.c_str()));
    QString path;
    if (!FileDialogs().SaveJobSheet(parent, QDir(StartFolder(FileKind::JobSheet)).filePath(name), path)
        || RefusedAsKeptFile(path))
        return false;
    RememberFolder(FileKind::JobSheet, path);
    const std::string shown = QDir::toNativeSeparators(path).toStdString();
    std::string error;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    const bool written = WriteJobSheet(QFile::encodeName(path).toStdString(), sheet, error);
    QApplication::restoreOverrideCursor();
    if (!written) {
        ShowStatusText(GuiContext(), MSG_ERROR, IDS_JOBSHEET_WRITE_FAILED,
                       FormatString(IDS_JOBSHEET_WRITE_FAILED, error.c_str()));
        return false;
    }
    ShowStatusText(GuiContext(), MSG_INFO, IDS_JOBSHEET_WRITTEN, FormatString(IDS_JOBSHEET_WRITTEN, shown.c_str()));
    return true;
}
