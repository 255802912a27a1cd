// Options > Service History: where the history is kept and how many entries it
// holds, its export as CSV, and the removal of the entries older than a day.
#pragma once

#include <QDialog>

#include <memory>

class HistoryStore;
class QDateEdit;
class QLabel;
class QPushButton;

class HistoryOptionsDialog : public QDialog {
public:
    explicit HistoryOptionsDialog(QWidget* parent);
    ~HistoryOptionsDialog() override;

    QDateEdit* OlderThan() const { return m_olderThan; }
    QPushButton* RemoveButton() const { return m_remove; }
    QLabel* CountText() const { return m_count; }

private:
    void ShowCount();
    void RemoveOld();

    std::unique_ptr<HistoryStore> m_store;
    QLabel* m_count = nullptr;
    QDateEdit* m_olderThan = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_remove = nullptr;
};
