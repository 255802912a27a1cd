#include "cli/history_send.h"

#include "app/byte_text.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

namespace {

// A fleet's radios come a minute or so apart; a sync per few seconds keeps the
// record close behind without a process per entry.
constexpr auto SYNC_SPACING = std::chrono::seconds(5);

} // namespace

std::string ProgramFile(const char* argv0)
{
    const QString given = TextOfBytes(argv0 ? argv0 : "");
    const QFileInfo file(given);
    if (given.contains(QLatin1Char('/')) || given.contains(QLatin1Char('\\')))
        return BytesOfText(file.absoluteFilePath());
    const QString found = QStandardPaths::findExecutable(given);
    return BytesOfText(found.isEmpty() ? QCoreApplication::applicationFilePath() : found);
}

DetachedHistorySync::DetachedHistorySync(std::string program, std::string server)
    : m_program(std::move(program)), m_server(std::move(server))
{
}

DetachedHistorySync::~DetachedHistorySync()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_pending)
        Start();
}

void DetachedHistorySync::Added()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_started && std::chrono::steady_clock::now() - m_lastStart < SYNC_SPACING) {
        m_pending = true;
        return;
    }
    Start();
}

void DetachedHistorySync::Start()
{
    m_pending = false;
    m_started = true;
    m_lastStart = std::chrono::steady_clock::now();
    QProcess sync;
    sync.setProgram(TextOfBytes(m_program));
    sync.setArguments({ QStringLiteral("--history-server"), QString::fromStdString(m_server), QStringLiteral("history"),
                        QStringLiteral("sync") });
    sync.setStandardInputFile(QProcess::nullDevice());
    sync.setStandardOutputFile(QProcess::nullDevice());
    sync.setStandardErrorFile(QProcess::nullDevice());
    // A program that cannot be started leaves the entries waiting for the next
    // command, the GUI or `history sync`: nothing to tell this command's user.
    sync.startDetached();
}
