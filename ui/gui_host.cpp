#include "ui/gui_host.h"

#include <QApplication>
#include <QCursor>

GuiHost::GuiHost()
{
    SetOperationHost(this);
}

GuiHost::~GuiHost()
{
    SetOperationHost(nullptr);
}

void GuiHost::BeginWaitCursor()
{
    ++m_busy;
    QApplication::setOverrideCursor(QCursor(Qt::WaitCursor));
}

void GuiHost::EndWaitCursor()
{
    if (m_busy == 0)
        return;
    --m_busy;
    QApplication::restoreOverrideCursor();
}

void GuiHost::Idle()
{
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}
