// Options > Service History: where the history is kept and how many entries it
// holds, its export as CSV, the removal of the entries older than a day, and
// the depot's record it is sent to with this bench's name there.
#pragma once

#include <QDialog>

#include <functional>
#include <memory>

class HistoryStore;
class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

class HistoryOptionsDialog : public QDialog {
public:
    // `sendNow` asks for the waiting entries to be sent (also after the record's address changed).
    explicit HistoryOptionsDialog(QWidget* parent, std::function<void()> sendNow = {});
    ~HistoryOptionsDialog() override;

    QDateEdit* OlderThan() const { return m_olderThan; }
    QPushButton* RemoveButton() const { return m_remove; }
    QLabel* CountText() const { return m_count; }
    QLineEdit* ServerField() const { return m_server; }
    QLineEdit* BenchField() const { return m_bench; }

private:
    void ShowCount();
    void RemoveOld();
    void KeepServer();

    std::function<void()> m_sendNow;
    std::unique_ptr<HistoryStore> m_store;
    QLabel* m_count = nullptr;
    QDateEdit* m_olderThan = nullptr;
    QPushButton* m_export = nullptr;
    QPushButton* m_remove = nullptr;
    QLineEdit* m_server = nullptr;
    QLineEdit* m_bench = nullptr;
    QPushButton* m_send = nullptr;
};
