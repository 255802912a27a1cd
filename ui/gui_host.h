// The operation host of the GUI: the wait cursor, and the idle call that keeps
// the windows painted while the link waits for the radio (user input is held
// back until the operation ends).
#pragma once

#include "link/operation_host.h"

#include <QPointer>
#include <QWidget>

class CReadCalProgressDialog;

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

    void SetOwner(QWidget* owner) { m_owner = owner; }
    CReadCalProgressDialog* Progress() const { return m_progress; }
    // Whether a board operation holds the radio right now.
    bool Busy() const { return m_busy > 0; }

private:
    int m_busy = 0;
    QPointer<QWidget> m_owner;
    CReadCalProgressDialog* m_progress = nullptr;
};
