#include "ui/gui_host.h"

#include "ui/board_dialogs.h"
#include "ui/file_dialogs.h"

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

void GuiHost::BeginProgress(int maximum)
{
    EndProgress();
    m_progress = new CReadCalProgressDialog(m_owner.data());
    m_progress->SetRange(maximum);
    m_progress->SetPosition(0);
    m_progress->show();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiHost::SetProgress(int position, const std::string& text)
{
    if (!m_progress)
        return;
    m_progress->SetPosition(position);
    m_progress->SetText(QString::fromStdString(text));
}

void GuiHost::EndProgress()
{
    if (!m_progress)
        return;
    m_progress->close();
    delete m_progress;
    m_progress = nullptr;
}

bool GuiHost::ChooseCalibrationExportFile(std::string& path)
{
    QString chosen;
    if (!FileDialogs().SaveCalibrationFile(m_owner.data(), chosen))
        return false;
    path = chosen.toStdString();
    return true;
}
