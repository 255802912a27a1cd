// Message boxes of the GUI: every box of the system shown as a QMessageBox over
// the main window.
#pragma once

#include "link/message_presenter.h"

#include <QPointer>
#include <QWidget>

class GuiPresenter : public IMessagePresenter {
public:
    GuiPresenter();
    ~GuiPresenter() override;
    void SetOwner(QWidget* owner) { m_owner = owner; }
    MsgAnswer Present(const MessageBoxRequest& request) override;

private:
    QPointer<QWidget> m_owner;
};
