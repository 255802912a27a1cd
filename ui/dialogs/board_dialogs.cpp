#include "ui/dialogs/board_dialogs.h"

#include "ui/base/program_objects.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/service_history.h"

#include "operations/calibration_operation.h"
#include "operations/info_operation.h"
#include "operations/operation_course.h"
#include "operations/readout_operation.h"
#include "resources/control_ids.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/ui_text.h"
#include "ui/windows/calibration_plot_window.h"

#include <QClipboard>
#include <QDir>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>

namespace {

QString FromBoard(const std::string& text)
{
    return QString::fromLatin1(text.data(), static_cast<int>(text.size()));
}

constexpr int INFO_FIELDS[] = { IDC_INFO_TYPE, IDC_INFO_HARDWARE, IDC_INFO_SOFTWARE, IDC_INFO_CODEPLUG,
                                IDC_INFO_REMARKS };

bool HasSelection(const QObject* field)
{
    if (const QLineEdit* edit = qobject_cast<const QLineEdit*>(field))
        return edit->hasSelectedText();
    if (const QPlainTextEdit* edit = qobject_cast<const QPlainTextEdit*>(field))
        return edit->textCursor().hasSelection();
    return false;
}

} // namespace

CBoardInfoDialog::CBoardInfoDialog(QWidget* parent, int portIndex)
    : CTemplateDialog(DLG_BOARD_INFO, parent), m_portIndex(portIndex)
{
    // A field takes Ctrl+C even with nothing selected; it is caught there first.
    for (int id : INFO_FIELDS)
        Item(id)->installEventFilter(this);
}

void CBoardInfoDialog::OnInitDialog()
{
    const InfoOutcome info = RunInfoOperation(theRadioLink, PortNameForIndex(m_portIndex));
    m_record = info.record;
    if (!info.show) {
        EndDialog(Rejected);
        return;
    }
    static_cast<QLineEdit*>(Item(IDC_INFO_TYPE))->setText(FromBoard(info.type));
    static_cast<QLineEdit*>(Item(IDC_INFO_HARDWARE))->setText(FromBoard(info.hardware));
    static_cast<QLineEdit*>(Item(IDC_INFO_SOFTWARE))->setText(FromBoard(info.software));
    static_cast<QLineEdit*>(Item(IDC_INFO_CODEPLUG))->setText(FromBoard(info.codeplug));
    // CR LF pairs are the board's line breaks.
    QString remarks = FromBoard(info.remarks);
    remarks.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    static_cast<QPlainTextEdit*>(Item(IDC_INFO_REMARKS))->setPlainText(remarks);
    for (int id : { IDC_INFO_TYPE, IDC_INFO_HARDWARE, IDC_INFO_SOFTWARE, IDC_INFO_CODEPLUG })
        static_cast<QLineEdit*>(Item(id))->setCursorPosition(0);
    if (QWidget* ok = Item(IDC_OK))
        ok->setFocus();
}

QString CBoardInfoDialog::FieldsText() const
{
    QStringList lines;
    const QList<QLabel*> labels = findChildren<QLabel*>();
    for (int id : INFO_FIELDS) {
        const QWidget* field = Item(id);
        QString label;
        for (const QLabel* candidate : labels) {
            if (candidate->buddy() == field)
                label = PlainText(candidate->text());
        }
        // "Vendor Remarks:" has its colon already; the line pattern brings its own.
        while (label.endsWith(QLatin1Char(':')) || label.endsWith(QLatin1Char(' ')))
            label.chop(1);
        const QLineEdit* edit = qobject_cast<const QLineEdit*>(field);
        const QString value = edit ? edit->text() : static_cast<const QPlainTextEdit*>(field)->toPlainText();
        lines.append(FormatUiText(IDS_INFO_COPY_LINE, label, value));
    }
    return lines.join(QLatin1Char('\n'));
}

void CBoardInfoDialog::keyPressEvent(QKeyEvent* event)
{
    if (event->matches(QKeySequence::Copy)) {
        QGuiApplication::clipboard()->setText(FieldsText());
        return;
    }
    CTemplateDialog::keyPressEvent(event);
}

bool CBoardInfoDialog::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->matches(QKeySequence::Copy)
        && !HasSelection(watched)) {
        QGuiApplication::clipboard()->setText(FieldsText());
        return true;
    }
    return CTemplateDialog::eventFilter(watched, event);
}

CCalibrateDialog::CCalibrateDialog(QWidget* parent, int portIndex)
    : CTemplateDialog(DLG_CALIBRATE, parent), m_portIndex(portIndex)
{
}

void CCalibrateDialog::OnOK()
{
    // The dialog goes away first; the questions and the link work follow.
    EndDialog(Accepted);
    hide();
    HistoryRecorder recorder(GuiContext(), GuiHistory());
    recorder.Record(RunCalibrationOperation(theRadioLink, PortNameForIndex(m_portIndex)).record);
}

CReadCalDataDialog::CReadCalDataDialog(QWidget* parent, int portIndex)
    : CTemplateDialog(DLG_READ_CAL, parent), m_portIndex(portIndex)
{
}

void CReadCalDataDialog::OnOK()
{
    EndDialog(Accepted);
    hide();
    const std::string port = PortNameForIndex(m_portIndex);
    HistoryRecorder recorder(GuiContext(), GuiHistory());
    const ReadoutOutcome outcome = RunCalibrationReadout(
        theRadioLink, port,
        [&port](const std::string& text, std::string& error) { return KeepCalibrationBackup(BackupFolder(), port, text, error); });
    // Whatever ended it after the last byte, the data are not lost: say where they are.
    if (outcome.result != ReadoutResult::Exported && !outcome.keptPath.empty())
        ShowStatusText(GuiContext(), MSG_INFO, FormatString(IDS_READOUT_KEPT,
                                              QDir::toNativeSeparators(QString::fromStdString(outcome.keptPath))
                                                  .toStdString()
                                                  .c_str()));
    else if (outcome.result == ReadoutResult::Stopped)
        ShowStatusText(GuiContext(), MSG_INFO, FormatString(IDS_READOUT_STOPPED, outcome.bytesRead, CAL_DATA_SIZE));
    // The entry follows what the read-out said of its end (a history that
    // cannot keep it is a warning after that), the plot follows the entry.
    recorder.Record(outcome.record);
    // The export just saved is plotted at once, with its figures.
    if (outcome.result == ReadoutResult::Exported)
        CCalibrationPlotWindow::Open(parentWidget(), QString::fromStdString(outcome.path));
}
