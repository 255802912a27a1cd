#include "ui/host/gui_presenter.h"

#include "ui/host/gui_host.h"
#include "ui/base/program_objects.h"

#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "ui/base/ui_text.h"

#include <QApplication>
#include <QMessageBox>

GuiPresenter::GuiPresenter()
{
    GuiContext().presenter = this;
}

GuiPresenter::~GuiPresenter()
{
    GuiContext().ForgetPresenter(this);
}

namespace {

QMessageBox::Icon IconFor(MsgIcon icon)
{
    switch (icon) {
    case MsgIcon::Stop: return QMessageBox::Critical;
    case MsgIcon::Information: return QMessageBox::Information;
    case MsgIcon::Question: return QMessageBox::Question;
    case MsgIcon::Exclamation: return QMessageBox::Warning;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButton ButtonFor(MsgAnswer answer)
{
    switch (answer) {
    case MsgAnswer::Ok: return QMessageBox::Ok;
    case MsgAnswer::Yes: return QMessageBox::Yes;
    case MsgAnswer::No: return QMessageBox::No;
    case MsgAnswer::Cancel: return QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

MsgAnswer GuiPresenter::Present(const MessageBoxRequest& request)
{
    GuiHost::UserTurn turn(m_host);
    // A box a window of its own asks for (the service history's, the help's)
    // stands over that window, and the keyboard goes back to it afterwards.
    QWidget* active = QApplication::activeWindow();
    QWidget* owner = m_host && m_host->Busy() ? turn.Above()
                   : active && active != m_owner.data() && active->isVisible() ? active
                                                                                : m_owner.data();
    QMessageBox box(IconFor(request.icon), QString::fromStdString(request.caption),
                    QString::fromStdString(request.text), QMessageBox::NoButton, owner);
    if (turn.AboveThePanel())
        box.setWindowFlag(Qt::WindowStaysOnTopHint);
    switch (request.buttons) {
    case MsgButtons::Ok: box.setStandardButtons(QMessageBox::Ok); break;
    case MsgButtons::YesNo: box.setStandardButtons(QMessageBox::Yes | QMessageBox::No); break;
    case MsgButtons::YesNoCancel:
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
        break;
    }
    box.setDefaultButton(ButtonFor(request.defaultButton));
    QString details = QString::fromStdString(request.details);
    // An operation that lost its cable ends in its usual messages, which cannot
    // tell why; the first box after the pull says so.
    if (request.kind == MSG_ERROR && m_host && m_host->Busy() && GuiContext().FirstToSayCableUnplugged())
        details += (details.isEmpty() ? QString() : QStringLiteral("\n\n")) + UiText(IDS_CABLE_UNPLUGGED_LINE);
    if (!details.isEmpty())
        box.setInformativeText(details);
    box.setWindowModality(request.taskModal || owner ? Qt::ApplicationModal : Qt::NonModal);
    switch (box.exec()) {
    case QMessageBox::Yes: return MsgAnswer::Yes;
    case QMessageBox::No: return MsgAnswer::No;
    case QMessageBox::Cancel: return MsgAnswer::Cancel;
    default: break;
    }
    // Closing a question box without choosing is Cancel where it has one, else No.
    if (request.buttons == MsgButtons::YesNoCancel)
        return MsgAnswer::Cancel;
    return request.buttons == MsgButtons::YesNo ? MsgAnswer::No : MsgAnswer::Ok;
}
