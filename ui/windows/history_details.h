// One service history entry whole, read-only: its fields (time, user, program,
// port and device, radio, board, operation, result, backup, fleet run), its
// messages, for a write what it changed from the settings the radio held before,
// and the settings read and written in the settings summary's form.
#pragma once

#include <QScrollArea>

#include <utility>
#include <vector>

class HistoryStore;
class QLabel;
class SettingsSummary;
struct HistoryEntry;

class HistoryDetails : public QScrollArea {
public:
    explicit HistoryDetails(QWidget* parent = nullptr);
    // Shows the entry, read with its settings and messages.
    void Show(HistoryStore& store, const HistoryEntry& entry);
    // Says why no entry is shown.
    void ShowNone(const QString& why);
    // What the pane says, line by line in reading order.
    QString Text() const;

private:
    void ShowContent(bool entry);

    QWidget* m_content = nullptr;
    QLabel* m_none = nullptr;
    QLabel* m_heading = nullptr;
    std::vector<std::pair<QLabel*, QLabel*>> m_fields; // label, value
    QLabel* m_time = nullptr;
    QLabel* m_user = nullptr;
    QLabel* m_program = nullptr;
    QLabel* m_port = nullptr;
    QLabel* m_radio = nullptr;
    QLabel* m_board = nullptr;
    QLabel* m_operation = nullptr;
    QLabel* m_result = nullptr;
    QLabel* m_backup = nullptr;
    QLabel* m_run = nullptr;
    QLabel* m_messagesTitle = nullptr;
    QLabel* m_messages = nullptr;
    QLabel* m_differencesTitle = nullptr;
    QLabel* m_differences = nullptr;
    SettingsSummary* m_read = nullptr;
    SettingsSummary* m_written = nullptr;
};
