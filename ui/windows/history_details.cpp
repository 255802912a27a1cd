#include "ui/windows/history_details.h"

#include "board/settings_snapshot.h"
#include "app/history_columns.h"
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
QString RunText(HistoryReader& store, const HistoryEntry& entry, QString& whole)
{
    const std::optional<HistoryRun> run = store.RunOf(entry);
    if (!run)
        return QString::number(entry.fleetRun);
    constexpr int SHORT_HASH = 16;
    whole = QString::fromStdString(run->settingsSha256);
    const QString hash = whole.size() > SHORT_HASH ? whole.left(SHORT_HASH) + QChar(0x2026) : whole;
    const QString ended = run->ended.empty() ? UiText(IDS_HISTORY_RUN_NOT_ENDED) : HistoryLocaleTime(run->ended);
    return FormatUiText(IDS_HISTORY_RUN_TEXT, QString::number(run->id), Shown(run->settingsFile), hash,
                        Shown(run->ports), HistoryLocaleTime(run->started), ended);
}

// A field's value: times in the locale's form, a run with its hash cut short
// (whole in `tip`), texts from the radio, the board and the system escaped.
QString FieldText(HistoryReader& store, const HistoryEntry& entry, const HistoryColumn& column, QString& tip)
{
    switch (column.kind) {
    case HistoryKind::Time: {
        const std::string& time = HistoryValue<std::string>(entry, column);
        return HistoryLocaleTime(time) + QStringLiteral(" (") + QString::fromStdString(time) + QLatin1Char(')');
    }
    case HistoryKind::Run:
        return HistoryValueIsNone(entry, column) ? QString()
                                                 : RunText(store, entry, tip);
    case HistoryKind::Word:
        return QString::fromStdString(HistoryLineText(store, entry, column));
    default:
        return Shown(HistoryLineText(store, entry, column));
    }
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
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (!column.labelId || HistoryColumnIsSection(column))
            continue;
        QLabel* label = new QLabel(UiText(column.labelId) + QLatin1Char(':'));
        label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        QLabel* value = PlainLabel();
        const int row = fields->rowCount();
        fields->addWidget(label, row, 0);
        fields->addWidget(value, row, 1);
        m_fields.push_back({ &column, label, value });
    }

    const auto section = [&](int titleId, QLabel*& title, QLabel*& text) {
        title = new QLabel(UiText(titleId) + QLatin1Char(':'));
        title->setFont(strong);
        text = PlainLabel();
        text->setIndent(12);
        left->addSpacing(6);
        left->addWidget(title);
        left->addWidget(text);
    };
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.kind == HistoryKind::Messages) {
            Part messages{ &column, nullptr, nullptr };
            section(column.labelId, messages.label, messages.value);
            m_messages.push_back(messages);
        }
    }
    section(IDS_HISTORY_DIFFERENCES, m_differencesTitle, m_differences);
    left->addStretch(1);

    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.kind == HistoryKind::Settings) {
            SettingsSummary* summary = new SettingsSummary;
            right->addWidget(summary);
            m_settings.emplace_back(&column, summary);
        }
    }
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

void HistoryDetails::Show(HistoryReader& store, const HistoryEntry& entry)
{
    ShowContent(true);
    m_heading->setText(FormatUiText(IDS_HISTORY_ENTRY, QString::number(entry.id)));
    // A field the entry does not know is left out, as the command line leaves it out.
    for (const Part& field : m_fields) {
        QString tip;
        field.value->setText(FieldText(store, entry, *field.column, tip));
        field.value->setToolTip(tip);
        field.label->setVisible(!field.value->text().isEmpty());
        field.value->setVisible(!field.value->text().isEmpty());
    }

    for (const Part& section : m_messages) {
        QStringList messages;
        for (const std::string& message : HistoryValue<std::vector<std::string>>(entry, *section.column))
            messages.append(Shown(message));
        section.value->setText(messages.join(QLatin1Char('\n')));
        section.label->setVisible(!messages.isEmpty());
        section.value->setVisible(!messages.isEmpty());
    }

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
    for (const auto& [column, summary] : m_settings)
        ShowSettings(summary, column->labelId, HistoryValue<std::optional<DataFileBytes>>(entry, *column));
}

QString HistoryDetails::Text() const
{
    if (m_none->isVisibleTo(this))
        return m_none->text();
    QStringList lines{ m_heading->text() };
    for (const Part& field : m_fields) {
        if (field.value->isVisibleTo(this))
            lines.append(field.label->text() + QLatin1Char(' ') + field.value->text());
    }
    std::vector<const QLabel*> sections;
    for (const Part& section : m_messages)
        sections.insert(sections.end(), { section.label, section.value });
    sections.insert(sections.end(), { m_differencesTitle, m_differences });
    for (const QLabel* label : sections) {
        if (label->isVisibleTo(this))
            lines.append(label->text());
    }
    return lines.join(QLatin1Char('\n'));
}
