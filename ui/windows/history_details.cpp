#include "ui/windows/history_details.h"

#include "board/settings_snapshot.h"
#include "app/history_text.h"
#include "resources/string_ids.h"
#include "seams/visible_text.h"
#include "ui/base/ui_text.h"
#include "ui/windows/history_model.h"
#include "ui/windows/settings_summary.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace {

QString Shown(const std::string& text)
{
    return QString::fromStdString(VisibleText(text, true));
}

QLabel* PlainLabel()
{
    QLabel* label = new QLabel;
    label->setTextFormat(Qt::PlainText);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    label->setWordWrap(true);
    return label;
}

// The run's text, its settings file's SHA-256 cut short (whole in `whole`): a
// word that long would widen the pane beyond its window.
QString RunText(HistoryStore& store, int64_t id, QString& whole)
{
    const std::optional<HistoryRun> run = store.Run(id);
    if (!run)
        return QString::number(id);
    constexpr int SHORT_HASH = 16;
    whole = QString::fromStdString(run->settingsSha256);
    const QString hash = whole.size() > SHORT_HASH ? whole.left(SHORT_HASH) + QChar(0x2026) : whole;
    const QString ended = run->ended.empty() ? UiText(IDS_HISTORY_RUN_NOT_ENDED) : HistoryLocaleTime(run->ended);
    return FormatUiText(IDS_HISTORY_RUN_TEXT, QString::number(run->id), Shown(run->settingsFile), hash,
                        Shown(run->ports), HistoryLocaleTime(run->started), ended);
}

// The settings' title, and that their checksum is wrong when it is.
void ShowSettings(SettingsSummary* summary, int titleId, const std::optional<DataFileBytes>& bytes)
{
    summary->setVisible(bytes.has_value());
    if (!bytes)
        return;
    SettingsSnapshot settings;
    QString title = UiText(titleId);
    if (!HistorySettings(*bytes, settings))
        title += QLatin1Char('\n') + UiText(IDS_HISTORY_BAD_CHECKSUM);
    summary->ShowSettings(title, settings);
}

} // namespace

HistoryDetails::HistoryDetails(QWidget* parent) : QScrollArea(parent)
{
    setWidgetResizable(true);
    // The pane takes the focus for its contents: its arrow keys scroll.
    setFocusPolicy(Qt::StrongFocus);
    m_content = new QWidget;
    QVBoxLayout* outer = new QVBoxLayout(m_content);
    m_none = PlainLabel();
    m_none->setAlignment(Qt::AlignCenter);
    outer->addWidget(m_none);
    m_heading = PlainLabel();
    QFont strong = m_heading->font();
    strong.setBold(true);
    m_heading->setFont(strong);
    outer->addWidget(m_heading);

    QHBoxLayout* columns = new QHBoxLayout;
    QVBoxLayout* left = new QVBoxLayout;
    QVBoxLayout* right = new QVBoxLayout;
    columns->addLayout(left, 2);
    columns->addSpacing(12);
    columns->addLayout(right, 3);
    outer->addLayout(columns, 1);

    QGridLayout* fields = new QGridLayout;
    fields->setColumnStretch(1, 1);
    left->addLayout(fields);
    const auto field = [&](int labelId) {
        QLabel* label = new QLabel(UiText(labelId) + QLatin1Char(':'));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QLabel* value = PlainLabel();
        const int row = fields->rowCount();
        fields->addWidget(label, row, 0);
        fields->addWidget(value, row, 1);
        m_fields.emplace_back(label, value);
        return value;
    };
    m_time = field(IDS_HISTORY_TIME);
    m_user = field(IDS_HISTORY_USER);
    m_program = field(IDS_HISTORY_PROGRAM);
    m_port = field(IDS_HISTORY_PORT);
    m_radio = field(IDS_HISTORY_RADIO);
    m_board = field(IDS_HISTORY_BOARD);
    m_operation = field(IDS_HISTORY_OPERATION);
    m_result = field(IDS_HISTORY_RESULT);
    m_backup = field(IDS_HISTORY_BACKUP);
    m_run = field(IDS_HISTORY_FLEET_RUN);

    const auto section = [&](int titleId, QLabel*& title, QLabel*& text) {
        title = new QLabel(UiText(titleId) + QLatin1Char(':'));
        title->setFont(strong);
        text = PlainLabel();
        text->setIndent(12);
        left->addSpacing(6);
        left->addWidget(title);
        left->addWidget(text);
    };
    section(IDS_HISTORY_MESSAGES, m_messagesTitle, m_messages);
    section(IDS_HISTORY_DIFFERENCES, m_differencesTitle, m_differences);
    left->addStretch(1);

    m_read = new SettingsSummary;
    m_written = new SettingsSummary;
    right->addWidget(m_read);
    right->addWidget(m_written);
    right->addStretch(1);
    setWidget(m_content);
    ShowNone(UiText(IDS_HISTORY_NO_SELECTION));
}

void HistoryDetails::ShowContent(bool entry)
{
    for (QWidget* child : m_content->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly))
        child->setVisible(entry);
    m_none->setVisible(!entry);
}

void HistoryDetails::ShowNone(const QString& why)
{
    m_none->setText(why);
    ShowContent(false);
}

void HistoryDetails::Show(HistoryStore& store, const HistoryEntry& entry)
{
    ShowContent(true);
    m_heading->setText(FormatUiText(IDS_HISTORY_ENTRY, QString::number(entry.id)));
    m_time->setText(HistoryLocaleTime(entry.time) + QStringLiteral(" (") + QString::fromStdString(entry.time)
                    + QLatin1Char(')'));
    m_user->setText(Shown(FormatString(IDS_HISTORY_USER_AT, entry.user.c_str(), entry.host.c_str())));
    m_program->setText(Shown(entry.program));
    const bool sameDevice = entry.device.empty() || entry.device == entry.port;
    m_port->setText(Shown(sameDevice ? entry.port : entry.port + " (" + entry.device + ")"));
    m_radio->setText(Shown(entry.radioInfo));
    m_board->setText(Shown(HistoryBoardText(entry)));
    m_operation->setText(QString::fromStdString(HistoryWord(entry.operation)));
    m_result->setText(QString::fromStdString(HistoryResultText(entry)));
    m_backup->setText(Shown(entry.backupFile));
    QString hash;
    m_run->setText(entry.fleetRun > 0 ? RunText(store, entry.fleetRun, hash) : QString());
    m_run->setToolTip(hash);
    // A field the entry does not know is left out, as the command line leaves it out.
    for (const auto& [label, value] : m_fields) {
        label->setVisible(!value->text().isEmpty());
        value->setVisible(!value->text().isEmpty());
    }

    QStringList messages;
    for (const std::string& message : entry.messages)
        messages.append(Shown(message));
    m_messages->setText(messages.join(QLatin1Char('\n')));
    m_messagesTitle->setVisible(!messages.isEmpty());
    m_messages->setVisible(!messages.isEmpty());

    m_differencesTitle->setVisible(entry.settingsWritten.has_value());
    m_differences->setVisible(entry.settingsWritten.has_value());
    if (entry.settingsWritten) {
        QStringList lines;
        for (const std::string& line : HistoryWriteDifferences(store, entry))
            lines.append(QString::fromStdString(line));
        if (!store.SettingsBefore(entry))
            lines = QStringList{ UiText(IDS_HISTORY_DIFFERENCES_UNKNOWN) };
        else if (lines.isEmpty())
            lines = QStringList{ UiText(IDS_HISTORY_NO_DIFFERENCES) };
        m_differences->setText(lines.join(QLatin1Char('\n')));
    }
    ShowSettings(m_read, IDS_HISTORY_SETTINGS_READ, entry.settingsRead);
    ShowSettings(m_written, IDS_HISTORY_SETTINGS_WRITTEN, entry.settingsWritten);
}

QString HistoryDetails::Text() const
{
    if (m_none->isVisibleTo(this))
        return m_none->text();
    QStringList lines{ m_heading->text() };
    for (const auto& [label, value] : m_fields) {
        if (value->isVisibleTo(this))
            lines.append(label->text() + QLatin1Char(' ') + value->text());
    }
    for (const QLabel* label : { m_messagesTitle, m_messages, m_differencesTitle, m_differences }) {
        if (label->isVisibleTo(this))
            lines.append(label->text());
    }
    return lines.join(QLatin1Char('\n'));
}
