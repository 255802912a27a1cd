// One service history entry whole, read-only: a line for each column of
// HISTORY_COLUMNS that leads one (time, user, program, port and device, radio,
// board, operation, result, backup, fleet run), its messages, for a write what it
// changed from the settings the radio held before, and the settings read and
// written in the settings summary's form.
#pragma once

#include <QScrollArea>

#include <utility>
#include <vector>

class HistoryReader;
class QLabel;
class SettingsSummary;
struct HistoryColumn;
struct HistoryEntry;

class HistoryDetails : public QScrollArea {
public:
    explicit HistoryDetails(QWidget* parent = nullptr);
    // Shows the entry, read with its settings and messages.
    void Show(HistoryReader& store, const HistoryEntry& entry);
    // Says why no entry is shown.
    void ShowNone(const QString& why);
    // What the pane says, line by line in reading order.
    QString Text() const;

private:
    void ShowContent(bool entry);

    // A column's line, or its section of texts: a title and what it shows.
    struct Part {
        const HistoryColumn* column;
        QLabel* label;
        QLabel* value;
    };

    QWidget* m_content = nullptr;
    QLabel* m_none = nullptr;
    QLabel* m_heading = nullptr;
    std::vector<Part> m_fields;
    std::vector<Part> m_messages;
    QLabel* m_differencesTitle = nullptr;
    QLabel* m_differences = nullptr;
    std::vector<std::pair<const HistoryColumn*, SettingsSummary*>> m_settings;
};
