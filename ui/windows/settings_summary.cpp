#include "ui/windows/settings_summary.h"

#include "ui/base/program_objects.h"

#include "app/settings_summary_text.h"
#include "board/settings_snapshot.h"
#include "board/settings_table.h"
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
    // Lines outside the frames line up with the lines inside them.
    const int left = style()->pixelMetric(QStyle::PM_LayoutLeftMargin) + 1;
    const int right = style()->pixelMetric(QStyle::PM_LayoutRightMargin) + 1;
    for (int side = 0; side < SUMMARY_COLUMNS; ++side) {
        for (const SummaryGroup& group : SummaryColumn(side)) {
            QGridLayout* grid = new QGridLayout;
            if (group.framed) {
                QGroupBox* frame = new QGroupBox;
                frame->setLayout(grid);
                column[side]->addWidget(frame);
            } else {
                grid->setContentsMargins(left, 0, right, 0);
                column[side]->addLayout(grid);
            }
            for (const SummaryLine& line : group.lines) {
                QLabel* label = new QLabel(QString::fromStdString(SummaryLabel(*line.row)));
                label->setIndent(line.member ? 16 : 0);
                if (!line.member)
                    label->setFont(strong);
                QLabel* value = ValueLabel();
                const int at = grid->rowCount();
                grid->addWidget(label, at, 0);
                grid->addWidget(value, at, 1);
                m_lines.push_back({ line.row, label, value });
            }
        }
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
    m_version->setText(QString::fromStdString(SummaryVersion(settings)));
    for (const Line& line : m_lines) {
        line.value->setText(QString::fromStdString(SummaryValue(*line.row, settings)));
        const bool on = !SummaryGreyed(*line.row, settings);
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
