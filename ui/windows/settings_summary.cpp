#include "ui/windows/settings_summary.h"

#include "ui/base/program_objects.h"

#include "board/settings_snapshot.h"
#include "board/settings_table.h"
#include "resources/dialog_templates.h"
#include "resources/string_ids.h"
#include "ui/base/ui_text.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

#include <cstring>

namespace {

// The edit dialog's right-hand column starts here (dialog units).
constexpr int RIGHT_COLUMN_X = 212;

bool InRightColumn(const SettingRow& row)
{
    for (int i = 0; i < DLG_EDIT_DATA.count; ++i) {
        if (DLG_EDIT_DATA.controls[i].id == row.controlId)
            return DLG_EDIT_DATA.controls[i].x >= RIGHT_COLUMN_X;
    }
    return false;
}

bool HasMembers(int index)
{
    for (const SettingRow& row : SETTINGS) {
        if (row.owner == index)
            return true;
    }
    return false;
}

QLabel* ValueLabel()
{
    QLabel* value = new QLabel;
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(value->fontMetrics().horizontalAdvance(QStringLiteral("000 (outside 0 to 600)")) / 2);
    return value;
}

} // namespace

SettingsSummary::SettingsSummary(QWidget* parent) : QWidget(parent)
{
    QVBoxLayout* outer = new QVBoxLayout(this);
    m_empty = new QLabel(UiText(IDS_SUMMARY_EMPTY));
    m_empty->setAlignment(Qt::AlignCenter);
    m_empty->setWordWrap(true);
    outer->addWidget(m_empty, 1);

    m_body = new QWidget;
    QVBoxLayout* body = new QVBoxLayout(m_body);
    body->setContentsMargins(0, 0, 0, 0);
    m_source = new QLabel;
    m_source->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_source->setTextFormat(Qt::PlainText); // a file's name is shown as it is
    m_version = new QLabel;
    m_state = new QLabel;
    QFont strong = m_source->font();
    strong.setBold(true);
    m_source->setFont(strong);
    body->addWidget(m_source);
    body->addWidget(m_version);
    body->addWidget(m_state);

    QHBoxLayout* columns = new QHBoxLayout;
    QVBoxLayout* column[2] = { new QVBoxLayout, new QVBoxLayout };
    columns->addLayout(column[0], 1);
    columns->addSpacing(12);
    columns->addLayout(column[1], 1);
    body->addLayout(columns);
    body->addStretch(1);
    outer->addWidget(m_body, 1);

    // One frame per switch that has settings of its own, as in the edit dialog;
    // a setting of no switch stands on its own line below the frames.
    m_lines.reserve(SETTING_COUNT);
    QGridLayout* loose[2] = { new QGridLayout, new QGridLayout };
    // Lines outside the frames line up with the lines inside them.
    const int left = style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 1;
    const int right = style()->pixelMetric(QStyle::PM_LayoutRightMargin) + 1;
    for (QGridLayout* grid : loose)
        grid->setContentsMargins(left, 0, right, 0);
    for (size_t i = 0; i < SETTING_COUNT; ++i) {
        const SettingRow& row = SETTINGS[i];
        if (row.owner >= 0)
            continue;
        const int side = InRightColumn(row) ? 1 : 0;
        QGridLayout* grid = loose[side];
        if (HasMembers(static_cast<int>(i))) {
            QGroupBox* frame = new QGroupBox;
            grid = new QGridLayout(frame);
            column[side]->addWidget(frame);
        }
        const auto addLine = [&](const SettingRow& line, bool indented) {
            QLabel* label = new QLabel(UiText(line.labelId));
            label->setIndent(indented ? 16 : 0);
            if (!indented)
                label->setFont(strong);
            QLabel* value = ValueLabel();
            const int at = grid->rowCount();
            grid->addWidget(label, at, 0);
            grid->addWidget(value, at, 1);
            m_lines.push_back({ &line, label, value });
        };
        addLine(row, false);
        for (const SettingRow& member : SETTINGS) {
            if (member.owner == static_cast<int>(i))
                addLine(member, true);
        }
    }
    for (int side = 0; side < 2; ++side) {
        column[side]->addLayout(loose[side]);
        column[side]->addStretch(1);
    }
}

void SettingsSummary::Refresh(const SummaryFacts& facts)
{
    m_empty->setVisible(!facts.loaded);
    m_body->setVisible(facts.loaded);
    if (!facts.loaded)
        return;
    m_source->setText(facts.source);
    QString state = UiText(facts.changed ? IDS_SUMMARY_CHANGED : IDS_SUMMARY_UNCHANGED);
    if (facts.modified)
        state += QStringLiteral(" ") + UiText(IDS_SUMMARY_NOT_SAVED);
    else if (!facts.savedAs.isEmpty())
        state += QStringLiteral(" ") + FormatUiText(IDS_SUMMARY_SAVED_AS, facts.savedAs);
    m_state->setText(state);
    m_state->setVisible(true);
    Fill(TakeSnapshot(ProgramRecord()));
}

void SettingsSummary::ShowSettings(const QString& title, const SettingsSnapshot& settings)
{
    m_empty->setVisible(false);
    m_body->setVisible(true);
    m_source->setText(title);
    m_state->setVisible(false);
    Fill(settings);
}

void SettingsSummary::Fill(const SettingsSnapshot& settings)
{
    m_version->setText(UiText(IDS_LABEL_CODEPLUG_VERSION) + QStringLiteral(": ")
                       + QString::fromStdString(VersionText(settings.major, settings.minor)));
    for (const Line& line : m_lines) {
        const int32_t value = settings.values[line.row - SETTINGS];
        line.value->setText(QString::fromStdString(SettingValueText(*line.row, value)));
        const bool on = line.row->owner < 0 || settings.values[line.row->owner] != 0;
        line.label->setEnabled(on);
        line.value->setEnabled(on);
    }
}

const SettingsSummary::Line* SettingsSummary::Find(const char* key) const
{
    for (const Line& line : m_lines) {
        if (std::strcmp(line.row->key, key) == 0)
            return &line;
    }
    return nullptr;
}

QString SettingsSummary::ValueText(const char* key) const
{
    const Line* line = Find(key);
    return line && m_body->isVisibleTo(this) ? line->value->text() : QString();
}

bool SettingsSummary::IsGreyed(const char* key) const
{
    const Line* line = Find(key);
    return line && !line->value->isEnabled();
}

QString SettingsSummary::HeaderText() const
{
    return m_body->isVisibleTo(this) ? m_source->text() + QLatin1Char('\n') + m_state->text() : m_empty->text();
}
