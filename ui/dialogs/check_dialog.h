// Option Board > Check Connection...: goes along the chain from the port to the
// board and shows one line per stage, ticked or crossed, as it is known; the
// first crossed line says what to do. Check Again runs it once more.
#pragma once

#include <QDialog>

#include <string>

class QListWidget;
class QPushButton;

class CCheckDialog : public QDialog {
public:
    CCheckDialog(QWidget* parent, std::string portName);

    // Runs the check (the dialog runs it once when it is first shown); true when every stage passed.
    bool Run();
    QListWidget* Lines() const { return m_lines; }

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    std::string m_portName;
    QListWidget* m_lines;
    QPushButton* m_again;
    QPushButton* m_close;
    bool m_running = false;
    bool m_shown = false;
};
