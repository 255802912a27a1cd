#include "ui/dialogs/fleet_dialog.h"

#include "ui/base/program_objects.h"
#include "ui/dialogs/radio_id_dialog.h"

#include "board/option_board_data.h"
#include "link/port_resolver.h"
#include "link/same_device.h"
#include "app/service_history.h"
#include "app/fleet_report.h"
#include "app/fleet_run.h"
#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "ui/controls/label_buddy.h"
#include "ui/base/screen_fit.h"
#include "ui/host/file_dialogs.h"
#include "ui/host/gui_host.h"
#include "ui/base/locale_text.h"
#include "ui/base/ui_text.h"

#include <QCheckBox>
#include <QCoreApplication>
#include <QDateTime>
#include <QLocale>
#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMetaObject>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QThread>
#include <QSpinBox>
#include <QStyle>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>
#include <map>
#include <memory>
#include <cstdlib>
#include <utility>

namespace {

constexpr int TIME_COLUMN = 0;
constexpr int RESULT_COLUMN = 7;
constexpr int REASON_COLUMN = 8;
constexpr int SECONDS_COLUMN = 9;
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
    if (!time.isValid())
        return QString::fromStdString(utc);
    return LocaleTimeText(time.toLocalTime().time());
}

// A line edit with its Browse button beside it; both stay children of the
// dialog, beside the label that names the edit.
QHBoxLayout* WithBrowse(QLineEdit* edit, QPushButton* browse)
{
    QHBoxLayout* row = new QHBoxLayout;
    row->addWidget(edit, 1);
    row->addWidget(browse);
    return row;
}

// A port's name with its digit as the mnemonic of its box: "COM&1".
QString PortBoxText(int index)
{
    QString name = QString::fromStdString(PortNameForIndex(index));
    name.insert(name.size() - 1, QLatin1Char('&'));
    return name;
}

// Sets a label's text from any thread: the change is made on the label's own.
void SetLineText(QLabel* line, const QString& text)
{
    QMetaObject::invokeMethod(line, [line, text] { line->setText(text); }, Qt::QueuedConnection);
}

// A port's messages (a port that does not open, say) go to its status line:
// a box per port and outage would stop the other ports' technicians.
class PortLinePresenter : public IMessagePresenter {
public:
    PortLinePresenter(QLabel* line, std::string port) : m_line(line), m_port(std::move(port)) {}
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        std::string text = request.text;
        if (!request.details.empty())
            text += " " + request.details;
        SetLineText(m_line, QString::fromStdString(FormatString(IDS_FLEET_ON_PORT, m_port.c_str(), text.c_str())));
        return request.defaultButton;
    }

private:
    QLabel* m_line;
    std::string m_port;
};

} // namespace

CFleetDialog::CFleetDialog(QWidget* parent, GuiHost& host, int portIndex, SettingsSource settingsImage, bool verify,
                           bool askRadioId)
    : QDialog(parent), m_host(host), m_settingsImage(std::move(settingsImage))
{
    setWindowTitle(UiText(IDS_FLEET_TITLE));
    m_file = new QLineEdit(this);
    m_file->setPlaceholderText(UiText(IDS_FLEET_DOCUMENT));
    m_count = new QSpinBox(this);
    m_count->setRange(0, 9999);
    m_count->setSpecialValueText(UiText(IDS_FLEET_COUNT_ALL));
    m_verify = new QCheckBox(UiText(IDS_FLEET_VERIFY_KEYED), this);
    m_verify->setChecked(verify);
    m_askRadioId = new QCheckBox(UiText(IDS_FLEET_ASK_RADIO_ID_BOX), this);
    m_askRadioId->setChecked(askRadioId);
    m_report = new QLineEdit(this);
    m_report->setPlaceholderText(UiText(IDS_FLEET_NO_REPORT));

    QLabel* fileLabel = new QLabel(UiText(IDS_FLEET_FILE_KEYED), this);
    LabelFor(fileLabel, m_file);
    QLabel* countLabel = new QLabel(UiText(IDS_FLEET_COUNT_KEYED), this);
    LabelFor(countLabel, m_count);
    QLabel* reportLabel = new QLabel(UiText(IDS_FLEET_REPORT_KEYED), this);
    LabelFor(reportLabel, m_report);
    // Both Browse buttons say what they look for, so a screen reader tells them apart.
    m_browseFile = new QPushButton(UiText(IDS_FLEET_BROWSE_FILE), this);
    m_browseFile->setAccessibleName(UiText(IDS_FLEET_BROWSE_FILE_NAME));
    connect(m_browseFile, &QPushButton::clicked, this, [this] {
        QString path;
        if (FileDialogs().OpenDataFile(this, path))
            m_file->setText(path);
    });
    m_browseReport = new QPushButton(UiText(IDS_FLEET_BROWSE_REPORT), this);
    m_browseReport->setAccessibleName(UiText(IDS_FLEET_BROWSE_REPORT_NAME));
    connect(m_browseReport, &QPushButton::clicked, this, [this] {
        const QString path = QFileDialog::getSaveFileName(this, UiText(IDS_FLEET_TITLE), m_report->text(),
                                                          UiText(IDS_FLEET_FILE_FILTER), nullptr,
                                                          QFileDialog::DontConfirmOverwrite);
        if (!path.isEmpty())
            m_report->setText(path);
    });
    QFormLayout* form = new QFormLayout;
    form->addRow(fileLabel, WithBrowse(m_file, m_browseFile));
    QWidget* ports = new QWidget(this);
    QHBoxLayout* portRow = new QHBoxLayout(ports);
    portRow->setContentsMargins(0, 0, 0, 0);
    for (int index = 0; index < PORT_COUNT; ++index) {
        m_ports[index] = new QCheckBox(PortBoxText(index), ports);
        m_ports[index]->setChecked(index == portIndex);
        portRow->addWidget(m_ports[index]);
        m_portLines[index] = new QLabel(this);
        m_portLines[index]->setVisible(false);
    }
    portRow->addStretch(1);
    form->addRow(UiText(IDS_FLEET_PORTS_LABEL), ports);
    form->addRow(countLabel, m_count);
    form->addRow(QString(), m_verify);
    form->addRow(QString(), m_askRadioId);
    form->addRow(reportLabel, WithBrowse(m_report, m_browseReport));

    m_tally = new QLabel(this);
    m_table = new QTableWidget(0, FLEET_COLUMNS, this);
    QStringList titles;
    for (int column = 0; column < FLEET_COLUMNS; ++column)
        titles.append(OnTwoLines(column == TIME_COLUMN ? UiText(IDS_FLEET_COL_LOCAL_TIME)
                                                       : QString::fromStdString(FleetColumnTitle(column))));
    m_table->setHorizontalHeaderLabels(titles);
    m_table->setAccessibleName(UiText(IDS_FLEET_TABLE_NAME));
    m_table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_table->setWordWrap(true);
    m_table->verticalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    QHeaderView* header = m_table->horizontalHeader();
    header->setSectionResizeMode(QHeaderView::ResizeToContents);
    header->setSectionResizeMode(REASON_COLUMN, QHeaderView::Stretch);
    m_stage = new QLabel(this);

    QDialogButtonBox* buttons = new QDialogButtonBox(this);
    m_start = buttons->addButton(UiText(IDS_FLEET_START_KEYED), QDialogButtonBox::ActionRole);
    m_stop = buttons->addButton(UiText(IDS_FLEET_STOP_KEYED), QDialogButtonBox::ActionRole);
    m_close = buttons->addButton(UiText(IDS_KEYED_CLOSE), QDialogButtonBox::RejectRole);
    m_stop->setEnabled(false);
    connect(m_start, &QPushButton::clicked, this, [this] { Start(); });
    connect(m_stop, &QPushButton::clicked, this, [] { GuiContext().stop->Request(); });
    connect(buttons, &QDialogButtonBox::rejected, this, &CFleetDialog::reject);

    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(m_tally);
    for (QLabel* line : m_portLines)
        layout->addWidget(line);
    layout->addWidget(m_table, 1);
    layout->addWidget(m_stage);
    layout->addWidget(buttons);

    // Down the form, each Browse button right after its field, then the table and the buttons.
    QList<QWidget*> order{ m_file, m_browseFile };
    for (QCheckBox* port : m_ports)
        order.append(port);
    order += { m_count, m_verify, m_askRadioId, m_report, m_browseReport, m_table, m_start, m_stop, m_close };
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

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
    KeepOnScreen(this);
}

void CFleetDialog::reject()
{
    // Esc while the loop runs stops it; the dialog closes only when it is idle.
    if (m_running)
        GuiContext().stop->Request();
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
        if (column == SECONDS_COLUMN)
            item->setText(QLocale().toString(row.seconds, 'f', 1));
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

void CFleetDialog::ShowTally(int programmed, int failed, int ports)
{
    m_tally->setText(QString::fromStdString(
        ports > 1 ? FormatString(CountedTextId(programmed, IDS_FLEET_ALL_PORTS_ONE, IDS_FLEET_ALL_PORTS), programmed, failed, ports)
                  : FormatString(CountedTextId(programmed, IDS_FLEET_SUMMARY_ONE, IDS_FLEET_SUMMARY), programmed, failed)));
}

// What the run tells the dialog: the stage (or a port's line), each row into
// the table and the tally, a report that stopped taking rows. Loops on ports of
// their own call from their threads: their rows come here through the dialog's
// event queue, copied, while the loops go on.
class CFleetDialog::RunView : public IFleetRunView {
public:
    RunView(CFleetDialog& dialog, const std::vector<int>& ports, std::string reportPath)
        : m_dialog(dialog), m_portCount(static_cast<int>(ports.size())), m_reportPath(std::move(reportPath))
    {
        for (int index : ports)
            m_lines[PortNameForIndex(index)] = dialog.m_portLines[index];
    }

    void Stage(const std::string& port, const std::string& text) override
    {
        if (port.empty())
            m_dialog.m_stage->setText(QString::fromStdString(text));
        else
            SetLineText(m_lines.at(port), QString::fromStdString(FormatString(IDS_FLEET_ON_PORT, port.c_str(), text.c_str())));
    }
    void Row(const std::string&, const FleetRow& row) override
    {
        OnDialogThread([this, row] {
            m_dialog.AddRow(row);
            ++(row.ok ? m_programmed : m_failed);
            m_dialog.ShowTally(m_programmed, m_failed, m_portCount);
        });
    }
    void ReportStopped(ReportAppend problem) override
    {
        OnDialogThread([this, problem] {
            m_reportProblem = ReportProblemText(m_reportPath, problem);
            m_dialog.m_stage->setText(QString::fromStdString(m_reportProblem));
        });
    }
    IMessagePresenter* PresenterFor(const std::string& port) override
    {
        m_presenters.push_back(std::make_unique<PortLinePresenter>(m_lines.at(port), port));
        return m_presenters.back().get();
    }
    void Waiting() override { m_dialog.m_host.Idle(); }
    // The dialog asks; a port's loop on a thread of its own waits for the answer,
    // one port at a time.
    bool AskRadioId(const std::string& port, int radio, std::string& radioId) override
    {
        const std::string asked = FormatString(IDS_FLEET_ASK_RADIO_ID, radio);
        const QString prompt = QString::fromStdString(
            port.empty() ? asked : FormatString(IDS_FLEET_ON_PORT, port.c_str(), asked.c_str()));
        bool given = false;
        const auto ask = [&] { given = ::AskRadioId(&m_dialog, prompt, radioId); };
        if (QThread::currentThread() == m_dialog.thread()) {
            ask();
        } else {
            const std::lock_guard<std::mutex> one(m_asking);
            QMetaObject::invokeMethod(&m_dialog, ask, Qt::BlockingQueuedConnection);
        }
        // Cancel stops the run, on every port: Stop cannot be reached while the question is open.
        if (!given)
            GuiContext().stop->Request();
        return given;
    }

    // Why rows no longer go into the report; empty while they do.
    const std::string& ReportProblem() const { return m_reportProblem; }

private:
    void OnDialogThread(const std::function<void()>& work)
    {
        if (QThread::currentThread() == m_dialog.thread())
            work();
        else
            QMetaObject::invokeMethod(&m_dialog, work, Qt::QueuedConnection);
    }

    CFleetDialog& m_dialog;
    int m_portCount;
    std::string m_reportPath;
    std::map<std::string, QLabel*> m_lines;
    std::vector<std::unique_ptr<PortLinePresenter>> m_presenters;
    int m_programmed = 0;
    int m_failed = 0;
    std::string m_reportProblem;
    std::mutex m_asking;
};

void CFleetDialog::Start()
{
    if (m_running)
        return;
    // The run has an image of its own: the document's record is never touched.
    uint8_t image[SETTINGS_IMAGE_SIZE] = {};
    std::vector<int> ports;
    for (int index = 0; index < PORT_COUNT; ++index) {
        if (m_ports[index]->isChecked())
            ports.push_back(index);
    }
    if (ports.empty()) {
        ShowStatusText(GuiContext(), MSG_ERROR, LoadString(IDS_FLEET_NO_PORT));
        return;
    }
    std::vector<std::string> names;
    for (int index : ports)
        names.push_back(PortNameForIndex(index));
    // Two ports set to one cable (its stable link and its tty) would fight over it.
    SharedDevice shared;
    if (FindSharedDevice(GuiContext().ports, names, shared)) {
        ShowStatusText(GuiContext(), MSG_ERROR, FormatString(IDS_FLEET_SAME_DEVICE, shared.first.c_str(), shared.second.c_str(),
                                               shared.device.c_str()));
        return;
    }
    if (!m_settingsImage(m_file->text(), image))
        return;
    FleetRunPlan plan;
    plan.settingsFile = QFile::encodeName(m_file->text()).toStdString();
    plan.ports = names;
    plan.count = m_count->value();
    plan.verify = m_verify->isChecked();
    plan.reportPath = QFile::encodeName(m_report->text()).toStdString();
    plan.history = GuiHistory();
    plan.askRadioId = m_askRadioId->isChecked();
    if (!plan.reportPath.empty() && RefusedAsKeptFile(m_report->text()))
        return;
    FleetRun run(plan);
    if (!run.Begin()) {
        ShowStatusText(GuiContext(), MSG_ERROR, FormatString(IDS_FLEET_REPORT_FAILED, plan.reportPath.c_str()));
        return;
    }

    // The table and the tally are this run's alone.
    m_table->setRowCount(0);
    const int portCount = static_cast<int>(ports.size());
    ShowTally(0, 0, portCount);
    m_running = true;
    SetInputsEnabled(false);
    // Several ports: a line for each above the table; the lines stay for the last run.
    for (int index = 0; index < PORT_COUNT; ++index) {
        const bool inRun = ports.size() > 1 && m_ports[index]->isChecked();
        m_portLines[index]->setVisible(inRun);
        m_portLines[index]->clear();
    }

    // One operation for the whole run: the window takes no commands, but this
    // dialog keeps its Stop button.
    std::string named, devices;
    for (const std::string& name : names) {
        named += (named.empty() ? "" : ", ") + name;
        devices += (devices.empty() ? "" : ", ") + ResolvePort(GuiContext().ports, name);
    }
    m_host.SetActivity(QString::fromStdString(FormatString(IDS_ACTIVITY_WRITE, named.c_str(), devices.c_str())));
    m_host.BeginWaitCursor();
    m_host.SetOpenWindow(this);
    RunView view(*this, ports, plan.reportPath);
    const std::vector<FleetOutcome> outcomes = run.Run(theRadioLink, image, view);
    m_host.EndWaitCursor();
    // The last rows and lines are still in the queue: they reach the table
    // before the run's tally is shown.
    QCoreApplication::sendPostedEvents(this);
    for (QLabel* line : m_portLines)
        QCoreApplication::sendPostedEvents(line);
    if (ports.size() > 1) {
        for (size_t i = 0; i < outcomes.size(); ++i) {
            m_portLines[ports[i]]->setText(QString::fromStdString(
                FormatString(CountedTextId(outcomes[i].programmed, IDS_FLEET_PORT_ENDED_ONE, IDS_FLEET_PORT_ENDED),
                             names[i].c_str(), outcomes[i].programmed, outcomes[i].failed)));
        }
    }
    const FleetOutcome total = FleetRun::Total(outcomes);
    ShowTally(total.programmed, total.failed, portCount);
    // The stages are over; a report that could not be written stays said.
    m_stage->setText(QString::fromStdString(view.ReportProblem()));
    m_running = false;
    SetInputsEnabled(true);
    // After the run's own tally: what went wrong with the history, if anything.
    // Entries still waiting for a held history get their time with the window
    // painted and taking no input.
    run.End(GuiContext(), [] { QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 20); });
}

void CFleetDialog::SetInputsEnabled(bool enabled)
{
    // A file chosen during a run would show one file while the radios get another.
    for (QWidget* input : std::initializer_list<QWidget*>{ m_file, m_browseFile, m_count, m_verify, m_askRadioId, m_report,
                                                           m_browseReport, m_start, m_close })
        input->setEnabled(enabled);
    for (QCheckBox* port : m_ports)
        port->setEnabled(enabled);
    m_stop->setEnabled(!enabled);
}
