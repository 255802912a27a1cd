// Message boxes of the GUI: every box of the system shown as a QMessageBox over
// the main window.
#pragma once

#include "seams/message_presenter.h"

#include <QPointer>
#include <QWidget>

class GuiHost;

class GuiPresenter : public IMessagePresenter {
public:
    GuiPresenter();
    ~GuiPresenter() override;
    void SetOwner(QWidget* owner) { m_owner = owner; }
    // The host of the running operation: boxes then show the normal pointer
    // and open above the read-out's panel.
    void SetHost(GuiHost* host) { m_host = host; }
    MsgAnswer Present(const MessageBoxRequest& request) override;

private:
    QPointer<QWidget> m_owner;
    GuiHost* m_host = nullptr;
};
