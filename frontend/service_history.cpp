#include "frontend/service_history.h"

#include "frontend/backups.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <atomic>
#include <utility>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

std::atomic<bool> g_recording{ true };

std::string UserName()
{
#ifndef _WIN32
    // The account the program runs under, which the environment cannot change.
    if (const passwd* account = getpwuid(geteuid()); account && account->pw_name)
        return account->pw_name;
    return qEnvironmentVariable("USER").toStdString();
#else
    return qEnvironmentVariable("USERNAME").toStdString();
#endif
}

void WarnNotRecorded(const HistoryStore& store)
{
    ShowStatusText(MSG_WARNING, IDS_HISTORY_FAILED,
                   FormatString(IDS_HISTORY_FAILED, store.Path().c_str(), store.Error().c_str()));
}

} // namespace

void WarnMovedAside(HistoryStore& store)
{
    const std::string aside = store.TakeMovedAside();
    if (!aside.empty())
        ShowStatusText(MSG_WARNING, IDS_HISTORY_MOVED_ASIDE, FormatString(IDS_HISTORY_MOVED_ASIDE, aside.c_str()));
}

std::string ServiceHistoryPath()
{
    const std::string backups = BackupFolder();
    return QFile::encodeName(QFileInfo(QFile::decodeName(backups.c_str())).path()).toStdString() + "/history.sqlite";
}

void SetServiceHistoryRecording(bool on)
{
    g_recording = on;
}

bool ServiceHistoryRecording()
{
    return g_recording;
}

ShownMessages::ShownMessages() : m_previous(CurrentMessagePresenter()), m_standIn(this) {}

MsgAnswer ShownMessages::Present(const MessageBoxRequest& request)
{
    m_texts.push_back(request.details.empty() ? request.text : request.text + "\n" + request.details);
    return m_previous ? m_previous->Present(request) : request.defaultButton;
}

HistoryRecorder::HistoryRecorder() : m_shown(std::make_unique<ShownMessages>()) {}

HistoryRecorder::~HistoryRecorder() = default;

bool HistoryRecorder::Record(const OperationRecord& record, const std::string& backupFile)
{
    if (!m_shown)
        return true;
    const std::vector<std::string> messages = m_shown->Texts();
    // The history's own warning is no message of the operation's.
    m_shown.reset();
    return RecordOperation(record, messages, backupFile);
}

HistoryAuthor CurrentAuthor()
{
    HistoryAuthor author;
    author.user = UserName();
    author.host = QSysInfo::machineHostName().toStdString();
    author.program = (QCoreApplication::applicationName() + QLatin1Char(' ') + QStringLiteral(VIGILON_VERSION)).toStdString();
    return author;
}

HistoryEntry EntryOf(const OperationRecord& record, const HistoryAuthor& author, std::vector<std::string> messages,
                     const std::string& backupFile)
{
    HistoryEntry entry;
    entry.time = HistoryTimeNow();
    entry.user = author.user;
    entry.host = author.host;
    entry.program = author.program;
    entry.port = record.port;
    entry.device = record.device;
    entry.radioInfo = record.radioInfo;
    entry.boardType = record.boardType;
    entry.boardHardware = record.boardHardware;
    entry.boardSoftware = record.boardSoftware;
    entry.boardCodeplug = record.boardCodeplug;
    entry.operation = record.operation;
    entry.result = record.result;
    entry.messages = std::move(messages);
    entry.settingsRead = record.settingsRead;
    entry.settingsWritten = record.settingsWritten;
    entry.verified = record.verified;
    entry.backupFile = backupFile.empty() ? record.keptFile : backupFile;
    return entry;
}

namespace {

bool RecordEntry(HistoryEntry entry)
{
    if (!g_recording)
        return true;
    HistoryStore store(ServiceHistoryPath());
    const bool added = store.Add(entry);
    WarnMovedAside(store);
    if (!added)
        WarnNotRecorded(store);
    return added;
}

} // namespace

bool RecordOperation(const OperationRecord& record, const std::vector<std::string>& messages, const std::string& backupFile)
{
    if (!record.begun)
        return true;
    return RecordEntry(EntryOf(record, CurrentAuthor(), messages, backupFile));
}

std::vector<std::string> CheckMessages(const CheckOutcome& outcome)
{
    std::vector<std::string> texts;
    for (const CheckLine& line : outcome.lines)
        texts.push_back(LoadString(line.passed ? IDS_CHECK_PASSED_MARK : IDS_CHECK_FAILED_MARK) + " " + line.text);
    return texts;
}

FleetHistory::FleetHistory(const std::string& settingsFile, const std::vector<std::string>& ports, int count)
    : m_path(ServiceHistoryPath()), m_author(CurrentAuthor())
{
    if (!g_recording)
        return;
    m_runRow.settingsFile = settingsFile;
    QFile file(QFile::decodeName(settingsFile.c_str()));
    if (file.open(QIODevice::ReadOnly))
        m_runRow.settingsSha256
            = QCryptographicHash::hash(file.read(1 << 20), QCryptographicHash::Sha256).toHex().toStdString();
    for (const std::string& port : ports)
        m_runRow.ports += (m_runRow.ports.empty() ? "" : ", ") + port;
    m_runRow.count = count;
    m_runRow.started = HistoryTimeNow();
    HistoryStore store(m_path);
    m_run = store.BeginRun(m_runRow);
    Note(store, m_run != 0 ? nullptr : &store.Error());
}

void FleetHistory::Note(HistoryStore& store, const std::string* failure)
{
    // A full disk is said once, not once per radio.
    const auto keep = [this](int id, const std::string& text) {
        if (std::none_of(m_troubles.begin(), m_troubles.end(), [&](const Trouble& said) { return said.messageId == id; }))
            m_troubles.push_back({ id, text });
    };
    if (const std::string aside = store.TakeMovedAside(); !aside.empty())
        keep(IDS_HISTORY_MOVED_ASIDE, FormatString(IDS_HISTORY_MOVED_ASIDE, aside.c_str()));
    if (failure)
        keep(IDS_HISTORY_FAILED, FormatString(IDS_HISTORY_FAILED, store.Path().c_str(), failure->c_str()));
}

void FleetHistory::Add(const FleetRow& row)
{
    if (!g_recording)
        return;
    HistoryEntry entry
        = EntryOf(row.record, m_author, row.ok ? std::vector<std::string>() : std::vector<std::string>{ row.reason });
    entry.operation = "fleet";
    // One port at a time: the run's row may have to be made again.
    const std::lock_guard<std::mutex> lock(m_mutex);
    HistoryStore store(m_path);
    // A history started anew meanwhile (the old one damaged, or moved away)
    // has no row of this run yet: its entries would be refused without one.
    if (m_run == 0 || !store.Run(m_run))
        m_run = store.BeginRun(m_runRow);
    entry.fleetRun = m_run;
    if (store.Add(entry))
        return Note(store, nullptr);
    std::string why = store.Error();
    // Damage found only by the entry: the new file needs the run's row too.
    if (!store.Run(m_run) && (m_run = store.BeginRun(m_runRow)) != 0) {
        entry.fleetRun = m_run;
        if (store.Add(entry))
            return Note(store, nullptr);
        why = store.Error();
    }
    Note(store, &why);
}

void FleetHistory::End()
{
    if (m_run != 0) {
        HistoryStore store(m_path);
        Note(store, store.EndRun(m_run, HistoryTimeNow()) ? nullptr : &store.Error());
        m_run = 0;
    }
    for (const Trouble& trouble : std::exchange(m_troubles, {}))
        ShowStatusText(MSG_WARNING, trouble.messageId, trouble.text);
}
