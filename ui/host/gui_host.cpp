#include "ui/host/gui_host.h"

#include "ui/base/program_objects.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "ui/host/readout_progress.h"
#include "ui/host/file_dialogs.h"
#include "ui/host/input_gate.h"
#include "ui/base/ui_text.h"

#include <QFile>

#include <QApplication>
#include <QCursor>
#include <QMainWindow>
#include <QStatusBar>

namespace {

QString Duration(qint64 ms)
{
    const qint64 seconds = ms / 1000;
    return QStringLiteral("%1:%2").arg(seconds / 60).arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

} // namespace

GuiHost::GuiHost()
{
    GuiContext().host = this;
}

GuiHost::~GuiHost()
{
    GuiContext().ForgetHost(this);
}

void GuiHost::ShowWaitCursor(bool on)
{
    for (QWidget* window : { static_cast<QWidget*>(m_owner.data()), static_cast<QWidget*>(m_progress) }) {
        if (!window)
            continue;
        if (on)
            window->setCursor(Qt::WaitCursor);
        else
            window->unsetCursor();
    }
}

void GuiHost::BeginWaitCursor()
{
    if (m_busy++ > 0)
        return;
    // Only a Stop pressed during this operation may stop it.
    GuiContext().stop->Clear();
    m_gate.reset(new InputGate);
    ShowWaitCursor(true);
    if (m_owner && !m_activity.isEmpty())
        m_owner->statusBar()->showMessage(m_activity);
}

void GuiHost::EndWaitCursor()
{
    if (m_busy == 0 || --m_busy > 0)
        return;
    GuiContext().stop->Clear();
    ShowWaitCursor(false);
    m_gate.reset();
    if (m_owner)
        m_owner->statusBar()->clearMessage();
}

void GuiHost::Idle()
{
    // Everything is processed; the gate drops what the user does meanwhile.
    QCoreApplication::processEvents(m_gate ? QEventLoop::AllEvents : QEventLoop::ExcludeUserInputEvents);
}

void GuiHost::SetOpenWindow(QWidget* window)
{
    if (m_gate)
        m_gate->SetOpenWindow(window);
}

void GuiHost::BeginProgress(int maximum)
{
    EndProgress();
    m_progress = new CReadCalProgressDialog(m_owner.data());
    m_progress->SetRange(maximum);
    m_progress->SetPosition(0);
    m_progressMaximum = maximum;
    m_progressClock.start();
    if (m_gate)
        m_gate->SetOpenWindow(m_progress);
    if (m_busy > 0 && m_userTurns == 0)
        m_progress->setCursor(Qt::WaitCursor);
    m_progress->show();
    m_progress->activateWindow();
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void GuiHost::SetProgress(int position, const std::string& text)
{
    if (!m_progress)
        return;
    m_progress->SetPosition(position);
    m_progress->SetText(QString::fromStdString(text));
    // The rate so far gives the time still to go.
    const qint64 elapsed = m_progressClock.elapsed();
    QString time = FormatUiText(IDS_PROGRESS_ELAPSED, Duration(elapsed));
    if (position > 0 && m_progressMaximum > position) {
        const qint64 remaining = elapsed * (m_progressMaximum - position) / position;
        time = FormatUiText(IDS_PROGRESS_TIME, Duration(elapsed), Duration(remaining));
    }
    m_progress->SetTime(time);
}

void GuiHost::EndProgress()
{
    if (!m_progress)
        return;
    // Hidden, not closed: closing the panel is its Stop, and the read-out is over.
    m_progress->hide();
    delete m_progress;
    m_progress = nullptr;
}

bool GuiHost::ChooseCalibrationExportFile(std::string& path)
{
    UserTurn turn(this);
    QString chosen;
    do {
        if (!FileDialogs().SaveCalibrationFile(turn.Above(), chosen))
            return false;
    } while (RefusedAsKeptFile(chosen));
    RememberFolder(FileKind::CalibrationData, chosen);
    path = QFile::encodeName(chosen).toStdString();
    return true;
}

GuiHost::UserTurn::UserTurn(GuiHost* host) : m_host(host)
{
    if (!m_host || !m_host->Busy())
        return;
    if (m_host->m_userTurns++ == 0)
        m_host->ShowWaitCursor(false);
    m_paused = true;
}

GuiHost::UserTurn::~UserTurn()
{
    if (m_paused && --m_host->m_userTurns == 0 && m_host->Busy())
        m_host->ShowWaitCursor(true);
}

bool GuiHost::UserTurn::AboveThePanel() const
{
    return m_host && m_host->m_progress && m_host->m_progress->isVisible();
}

QWidget* GuiHost::UserTurn::Above() const
{
    if (AboveThePanel())
        return m_host->m_progress;
    return m_host ? static_cast<QWidget*>(m_host->m_owner.data()) : nullptr;
}
