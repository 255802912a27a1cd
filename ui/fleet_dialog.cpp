#include "ui/fleet_dialog.h"

#include "link/port_resolver.h"
#include "link/status_message.h"
#include "link/string_table.h"
#include "operations/fleet_report.h"
#include "operations/stop_request.h"
#include "resources/string_ids.h"
#include "ui/file_dialogs.h"
#include "ui/gui_host.h"
#include "ui/ui_text.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

#include <utility>

namespace {

// A line edit with a Browse button beside it.
QWidget* WithBrowse(QLineEdit* edit, const std::function<void()>& browse, QWidget* parent)
{
    QWidget* row = new QWidget(parent);
    QHBoxLayout* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(edit, 1);
    QPushButton* button = new QPushButton(UiText(IDS_FLEET_BROWSE), row);
    QObject::connect(button, &QPushButton::clicked, browse);
    layout->addWidget(button);
    return row;
}

} // namespace

CFleetDialog::CFleetDialog(QWidget* parent, GuiHost& host, std::string portName,
                           std::function<bool(const QString& file)> useSettings, std::function<void()> restore, bool verify)
    : QDialog(parent), m_host(host), m_portName(std::move(portName)), m_useSettings(std::move(useSettings)),
      m_restore(std::move(restore))
{
    setWindowTitle(UiText(IDS_FLEET_TITLE));
    m_file = new QLineEdit(this);
    m_file->setPlaceholderText(UiText(IDS_FLEET_DOCUMENT));
    m_count = new QSpinBox(this);
    m_count->setRange(0, 9999);
    m_count->setSpecialValueText(UiText(IDS_FLEET_COUNT_ALL));
    m_verify = new QCheckBox(UiText(IDS_FLEET_VERIFY), this);
    m_verify->setChecked(verify);
    m_report = new QLineEdit(this);
    m_report->setPlaceholderText(UiText(IDS_FLEET_NO_REPORT));

    QFormLayout* form = new QFormLayout;
    form->addRow(UiText(IDS_FLEET_FILE_LABEL), WithBrowse(m_file, [this] {
                     QString path;
                     if (FileDialogs().OpenDataFile(this, path))
                         m_file->setText(path);
                 }, this));
    form->addRow(UiText(IDS_FLEET_COUNT_LABEL), m_count);
    form->addRow(QString(), m_verify);
    form->addRow(UiText(IDS_FLEET_REPORT_LABEL), WithBrowse(m_report, [this] {
                     const QString path = QFileDialog::getSaveFileName(this, UiText(IDS_FLEET_TITLE), m_report->text(),
                                                                       UiText(IDS_FLEET_FILE_FILTER), nullptr,
                                                                       QFileDialog::DontConfirmOverwrite);
                     if (!path.isEmpty())
                         m_report->setText(path);
                 }, this));

    m_tally = new QLabel(this);
    m_table = new QTableWidget(0, FLEET_COLUMNS, this);
    QStringList titles;
    for (int column = 0; column < FLEET_COLUMNS; ++column)
        titles.append(QString::fromStdString(FleetColumnTitle(column)));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->horizontalHeader()->setStretchLastSection(true);
    m_stage = new QLabel(this);

    QDialogButtonBox* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(UiText(IDS_FLEET_START), QDialogButtonBox::ActionRole);
    m_stop = buttons->addButton(UiText(IDS_FLEET_STOP), QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(UiText(IDS_FLEET_CLOSE), QDialogButtonBox::RejectRole);
    m_stop->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_stop, &QPushButton::clicked, this, [] { RequestStop(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &CFleetDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_tally);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_stage);
    layout->addWidget(buttons);
    resize(900, 420);
}

void CFleetDialog::reject()
{
    // Esc while the loop runs stops it; the dialog closes only when it is idle.
    if (m_running)
        RequestStop();
    else
        QDialog::reject();
}

void CFleetDialog::AddRow(const FleetRow& row)
{
    const int at = m_table->rowCount();
    m_table->insertRow(at);
    for (int column = 0; column < FLEET_COLUMNS; ++column)
        m_table->setItem(at, column, new QTableWidgetItem(QString::fromStdString(FleetRowField(row, column))));
    m_table->scrollToBottom();
}

void CFleetDialog::ShowTally(int programmed, int failed)
{
    m_tally->setText(QString::fromStdString(FormatString(IDS_FLEET_SUMMARY, programmed, failed)));
}

void CFleetDialog::Start()
{
    if (m_running)
        return;
    if (!m_useSettings(m_file->text())) {
        m_restore();
        return;
    }
    FleetReport report;
    const std::string reportPath = m_report->text().toStdString();
    if (!reportPath.empty() && !report.Open(reportPath)) {
        m_restore();
        ShowStatusText(MSG_ERROR, FormatString(IDS_FLEET_REPORT_FAILED, reportPath.c_str()));
        return;
    }

    // The table and the tally are this run's alone.
    m_table->setRowCount(0);
    int programmed = 0;
    int failed = 0;
    ShowTally(programmed, failed);
    bool reportFailed = false;

    m_running = true;
    for (QWidget* input : std::initializer_list<QWidget*>{ m_file, m_count, m_verify, m_report, m_start, m_close })
        input->setEnabled(false);
    m_stop->setEnabled(true);
    FleetOptions options;
    options.count = m_count->value();
    options.verify = m_verify->isChecked();
    options.onStage = [this](FleetStage, int, const std::string& text) { m_stage->setText(QString::fromStdString(text)); };
    options.onRow = [&](const FleetRow& row) {
        AddRow(row);
        ++(row.ok ? programmed : failed);
        ShowTally(programmed, failed);
        if (!reportPath.empty() && !report.Append(row)) {
            reportFailed = true;
            m_stage->setText(QString::fromStdString(FormatString(IDS_FLEET_REPORT_FAILED, reportPath.c_str())));
        }
    };

    // One operation for the whole run: the window takes no commands, but this
    // dialog keeps its Stop button.
    m_host.SetActivity(QString::fromStdString(
        FormatString(IDS_ACTIVITY_WRITE, m_portName.c_str(), ResolvePort(m_portName).c_str())));
    m_host.BeginWaitCursor();
    m_host.SetOpenWindow(this);
    const FleetOutcome outcome = RunFleetOperation(m_portName, options);
    m_host.EndWaitCursor();
    m_restore();

    ShowTally(outcome.programmed, outcome.failed);
    // The stages are over; a report that could not be written stays said.
    m_stage->setText(reportFailed ? QString::fromStdString(FormatString(IDS_FLEET_REPORT_FAILED, reportPath.c_str()))
                                  : QString());
    m_running = false;
    for (QWidget* input : std::initializer_list<QWidget*>{ m_file, m_count, m_verify, m_report, m_start, m_close })
        input->setEnabled(true);
    m_stop->setEnabled(false);
}
