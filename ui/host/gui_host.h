// The operation host of the GUI: the wait cursor over the program's windows while
// the link works, the status bar saying what is being done, the read-out's
// progress panel with its Stop button, and the idle call that keeps the windows
// painted while the link waits (user input is dropped until the operation ends).
#pragma once

#include "seams/operation_host.h"

#include <QElapsedTimer>
#include <QMainWindow>
#include <QPointer>
#include <QString>
#include <QWidget>

#include <memory>

class CReadCalProgressDialog;
class InputGate;

class GuiHost : public IOperationHost {
public:
    GuiHost();
    ~GuiHost() override;
    void BeginWaitCursor() override;
    void EndWaitCursor() override;
    void Idle() override;
    void BeginProgress(int maximum) override;
    void SetProgress(int position, const std::string& text) override;
    void EndProgress() override;
    bool ChooseCalibrationExportFile(std::string& path) override;

    void SetOwner(QMainWindow* owner) { m_owner = owner; }
    // What the status bar says while the next operation works.
    void SetActivity(const QString& text) { m_activity = text; }
    CReadCalProgressDialog* Progress() const { return m_progress; }
    // A window of the running operation that keeps taking input (the fleet's dialog).
    void SetOpenWindow(QWidget* window);
    // Whether a board operation holds the radio right now.
    bool Busy() const { return m_busy > 0; }

    // While the user is asked something during an operation: the normal pointer
    // everywhere, and the window to put the question above.
    class UserTurn {
    public:
        explicit UserTurn(GuiHost* host);
        ~UserTurn();
        UserTurn(const UserTurn&) = delete;
        UserTurn& operator=(const UserTurn&) = delete;
        QWidget* Above() const;
        bool AboveThePanel() const;

    private:
        GuiHost* m_host;
        bool m_paused = false;
    };

private:
    void ShowWaitCursor(bool on);

    int m_busy = 0;
    int m_userTurns = 0;
    QPointer<QMainWindow> m_owner;
    QString m_activity;
    std::unique_ptr<InputGate> m_gate;
    CReadCalProgressDialog* m_progress = nullptr;
    QElapsedTimer m_progressClock;
    int m_progressMaximum = 0;
};
