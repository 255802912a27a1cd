#include "ui/dialogs/fleet_dialog.h"

#include "board/option_board_data.h"
#include "board/output_target.h"
#include "link/port_resolver.h"
#include "operations/fleet_report.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/stop_request.h"
#include "seams/string_table.h"
#include "ui/host/file_dialogs.h"
#include "ui/host/gui_host.h"
#include "ui/host/ui_text.h"

#include <QCheckBox>
#include <QDateTime>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

constexpr int TIME_COLUMN = 0;
constexpr int RESULT_COLUMN = 7;
constexpr int REASON_COLUMN = 8;
// Room the reason column keeps beside the others at the default size; longer
// reasons wrap, and the item's tooltip holds the whole text.
constexpr int REASON_WIDTH = 160;

// A column title of several words on two lines, broken at the space nearest
// its middle: the titles are wider than what the columns hold.
QString OnTwoLines(QString title)
{
    int best = -1;
    for (int at = title.indexOf(QLatin1Char(' ')); at >= 0; at = title.indexOf(QLatin1Char(' '), at + 1)) {
        if (best < 0 || std::abs(2 * at - int(title.size())) < std::abs(2 * best - int(title.size())))
            best = at;
    }
    if (best >= 0)
        title[best] = QLatin1Char('\n');
    return title;
}

// The report's UTC time as the local time of day: a technician at the bench
// compares it with the clock on the wall, not with the file.
QString LocalTimeOfDay(const std::string& utc)
{
    const QDateTime time = QDateTime::fromString(QString::fromStdString(utc), Qt::ISODate);
    return time.isValid() ? time.toLocalTime().toString(QStringLiteral("hh:mm:ss")) : QString::fromStdString(utc);
}

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

CFleetDialog::CFleetDialog(QWidget* parent, GuiHost& host, std::string portName, SettingsSource settingsImage,
                           bool verify)
    : QDialog(parent), m_host(host), m_portName(std::move(portName)), m_settingsImage(std::move(settingsImage))
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
        titles.append(OnTwoLines(column == TIME_COLUMN ? UiText(IDS_FLEET_COL_LOCAL_TIME)
                                                       : QString::fromStdString(FleetColumnTitle(column))));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(REASON_COLUMN, QHeaderView::Stretch);
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

    // Wide enough for every column's title with room for the reason, as far
    // as the screen allows.
    int width = m_table->verticalHeader()->sizeHint().width() + m_table->frameWidth() * 2
              + m_table->verticalScrollBar()->sizeHint().width() + REASON_WIDTH;
    for (int column = 0; column < FLEET_COLUMNS; ++column) {
        if (column != REASON_COLUMN)
            width += header->sectionSizeHint(column);
    }
    width += layout->contentsMargins().left() + layout->contentsMargins().right();
    QSize size(std::max(900, width), 420);
    if (const QScreen* screen = this->screen())
        size = size.boundedTo(screen->availableSize());
    resize(size);
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
    for (int column = 0; column < FLEET_COLUMNS; ++column) {
        QTableWidgetItem* item = new QTableWidgetItem(QString::fromStdString(FleetRowField(row, column)));
        if (column == TIME_COLUMN) {
            item->setText(LocalTimeOfDay(row.time));
            item->setToolTip(QString::fromStdString(row.time));
        }
        if (column == REASON_COLUMN)
            item->setToolTip(item->text());
        if (!row.ok) {
            // Seen at a glance, and read out by a screen reader on the result.
            item->setBackground(FailedTint());
            if (column == RESULT_COLUMN) {
                item->setIcon(style()->standardIcon(QStyle::SP_MessageBoxWarning));
                if (!row.reason.empty())
                    item->setData(Qt::AccessibleTextRole,
                                  FormatUiText(IDS_FLEET_ROW_FAILED, QString::fromStdString(row.reason)));
            }
        }
        m_table->setItem(at, column, item);
    }
    m_table->scrollToBottom();
}

QColor CFleetDialog::FailedTint() const
{
    // Red over the table's own background, so the text keeps its contrast in
    // light and dark palettes alike.
    const QColor base = m_table->palette().color(QPalette::Base);
    const QColor red(Qt::red);
    constexpr double MIX = 0.25;
    return QColor::fromRgbF(static_cast<float>(base.redF() * (1 - MIX) + red.redF() * MIX),
                            static_cast<float>(base.greenF() * (1 - MIX) + red.greenF() * MIX),
                            static_cast<float>(base.blueF() * (1 - MIX) + red.blueF() * MIX));
}

void CFleetDialog::ShowTally(int programmed, int failed)
{
    m_tally->setText(QString::fromStdString(FormatString(IDS_FLEET_SUMMARY, programmed, failed)));
}

void CFleetDialog::Start()
{
    if (m_running)
        return;
    // The run has an image of its own: the document's record is never touched.
    uint8_t image[SETTINGS_IMAGE_SIZE] = {};
    if (!m_settingsImage(m_file->text(), image))
        return;
    FleetReport report;
    const std::string reportPath = QFile::encodeName(m_report->text()).toStdString();
    if (!reportPath.empty() && RefusedAsBackup(m_report->text()))
        return;
    // Checked before it is opened: a named pipe would hold the open for ever.
    constexpr size_t REPORT_START = 4096;
    if (!reportPath.empty()
        && (CheckOutputTarget(reportPath, REPORT_START) != TargetProblem::None || !report.Open(reportPath))) {
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
    const FleetOutcome outcome = RunFleetOperation(theRadioLink, m_portName, image, options);
    m_host.EndWaitCursor();

    ShowTally(outcome.programmed, outcome.failed);
    // The stages are over; a report that could not be written stays said.
    m_stage->setText(reportFailed ? QString::fromStdString(FormatString(IDS_FLEET_REPORT_FAILED, reportPath.c_str()))
                                  : QString());
    m_running = false;
    for (QWidget* input : std::initializer_list<QWidget*>{ m_file, m_count, m_verify, m_report, m_start, m_close })
        input->setEnabled(true);
    m_stop->setEnabled(false);
}
