#include "app/service_history.h"

#include "app/backup_folder.h"
#include "app/settings.h"
#include "storage/backups.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <QCoreApplication>
#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSysInfo>

#include <algorithm>
#include <filesystem>
#include <atomic>
#include <chrono>
#include <utility>

#ifndef _WIN32
#include <pwd.h>
#include <unistd.h>
#endif

namespace {

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

void WarnNotRecorded(OperationContext& context, const HistoryStore& store)
{
    ShowStatusText(context, MSG_WARNING, IDS_HISTORY_FAILED,
                   FormatString(IDS_HISTORY_FAILED, store.Path().c_str(), store.Error().c_str()));
}

} // namespace

void WarnMovedAside(OperationContext& context, HistoryStore& store)
{
    const std::string aside = store.TakeMovedAside();
    if (!aside.empty())
        ShowStatusText(context, MSG_WARNING, IDS_HISTORY_MOVED_ASIDE, FormatString(IDS_HISTORY_MOVED_ASIDE, aside.c_str()));
}

std::string ServiceHistoryPath()
{
    const std::string backups = BackupFolder();
    return QFile::encodeName(QFileInfo(QFile::decodeName(backups.c_str())).path()).toStdString() + "/history.sqlite";
}

bool IsServiceHistoryPath(const std::string& path)
{
    namespace fs = std::filesystem;
    const fs::path history(ServiceHistoryPath());
    const auto ours = [](const fs::path& name) {
        const std::string text = name.filename().string();
        return text.rfind("history.sqlite", 0) == 0 || text.rfind("history-damaged-", 0) == 0;
    };
    std::error_code code;
    const fs::path folder = fs::weakly_canonical(history.parent_path(), code);
    if (code)
        return false;
    const fs::path target = fs::weakly_canonical(fs::absolute(path, code), code);
    if (!code && target.parent_path() == folder && ours(target))
        return true;
    // A hard link elsewhere is the same file under another name.
    for (fs::directory_iterator entry(folder, code), end; !code && entry != end; entry.increment(code)) {
        std::error_code same;
        if (ours(entry->path()) && fs::equivalent(entry->path(), path, same) && !same)
            return true;
    }
    return false;
}

ShownMessages::ShownMessages(OperationContext& context) : m_standIn(context, this) {}

MsgAnswer ShownMessages::Present(const MessageBoxRequest& request)
{
    m_texts.push_back(request.details.empty() ? request.text : request.text + "\n" + request.details);
    return m_standIn.Previous()->Present(request);
}

HistoryRecorder::HistoryRecorder(OperationContext& context, const HistoryKeeping& keeping)
    : m_context(context), m_keeping(keeping), m_shown(std::make_unique<ShownMessages>(context))
{
}

HistoryRecorder::~HistoryRecorder() = default;

bool HistoryRecorder::Record(const OperationRecord& record, const std::string& backupFile)
{
    if (!m_shown)
        return true;
    const std::vector<std::string> messages = m_shown->Texts();
    // The history's own warning is no message of the operation's.
    m_shown.reset();
    return RecordOperation(m_context, m_keeping, record, messages, backupFile);
}

HistoryAuthor CurrentAuthor()
{
    HistoryAuthor author;
    author.user = UserName();
    author.host = QSysInfo::machineHostName().toStdString();
    author.program = (QCoreApplication::applicationName() + QLatin1Char(' ') + QStringLiteral(VIGILON_VERSION)).toStdString();
    author.bench = StoredBenchName();
    if (author.bench.empty())
        author.bench = author.host;
    return author;
}

HistoryEntry EntryOf(const OperationRecord& record, const HistoryAuthor& author, std::vector<std::string> messages,
                     const std::string& backupFile, const std::string& radioId)
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
    entry.radioId = radioId;
    entry.bench = author.bench;
    return entry;
}

namespace {

bool RecordEntry(OperationContext& context, const HistoryKeeping& keeping, HistoryEntry entry)
{
    if (!keeping.recording)
        return true;
    if (keeping.queue) {
        keeping.queue->Queue([entry, tell = keeping.added](HistoryStore& store) mutable {
            const bool added = store.Add(entry);
            if (added && tell)
                tell();
            return added;
        });
        return true;
    }
    HistoryStore store(ServiceHistoryPath());
    const bool added = store.Add(entry);
    if (added && keeping.added)
        keeping.added();
    WarnMovedAside(context, store);
    if (!added)
        WarnNotRecorded(context, store);
    return added;
}

} // namespace

std::vector<HistoryTrouble> TroublesOf(HistoryStore& store, bool givenUp)
{
    std::vector<HistoryTrouble> troubles;
    if (const std::string aside = store.TakeMovedAside(); !aside.empty())
        troubles.push_back({ IDS_HISTORY_MOVED_ASIDE, FormatString(IDS_HISTORY_MOVED_ASIDE, aside.c_str()) });
    if (givenUp)
        troubles.push_back(
            { IDS_HISTORY_FAILED, FormatString(IDS_HISTORY_FAILED, store.Path().c_str(), store.Error().c_str()) });
    return troubles;
}

bool RecordOperation(OperationContext& context, const HistoryKeeping& keeping, const OperationRecord& record,
                     const std::vector<std::string>& messages, const std::string& backupFile)
{
    if (!record.begun)
        return true;
    return RecordEntry(context, keeping, EntryOf(record, CurrentAuthor(), messages, backupFile, keeping.radioId));
}

std::vector<std::string> CheckMessages(const CheckOutcome& outcome)
{
    std::vector<std::string> texts;
    for (const CheckLine& line : outcome.lines)
        texts.push_back(LoadString(line.passed ? IDS_CHECK_PASSED_MARK : IDS_CHECK_FAILED_MARK) + " " + line.text);
    return texts;
}

// A fleet's entries wait for a held history only as long as one poll of the
// line: the queue tries them again until the run ends.
constexpr int FLEET_TRY_PATIENCE_MS = 250;

FleetHistory::FleetHistory(const HistoryKeeping& keeping, const std::string& settingsFile,
                           const std::vector<std::string>& ports, int count)
    : m_path(ServiceHistoryPath()), m_tell(keeping.added), m_author(CurrentAuthor())
{
    if (!keeping.recording)
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
    m_queue = std::make_unique<HistoryQueue>(m_path, FLEET_TRY_PATIENCE_MS, true,
                                             [this](HistoryStore& store, bool givenUp) { Note(store, givenUp); });
    m_queue->Queue([this](HistoryStore& store) { return RunIn(store) != 0; });
}

FleetHistory::~FleetHistory() = default;

void FleetHistory::Note(HistoryStore& store, bool givenUp)
{
    if (!store.Error().empty())
        m_lastError = store.Error();
    // A full disk is said once, not once per radio.
    for (const HistoryTrouble& trouble : TroublesOf(store, givenUp)) {
        if (std::none_of(m_troubles.begin(), m_troubles.end(),
                         [&](const HistoryTrouble& said) { return said.messageId == trouble.messageId; }))
            m_troubles.push_back(trouble);
    }
}

int64_t FleetHistory::RunIn(HistoryStore& store)
{
    // A history started anew meanwhile (the old one damaged, or moved away)
    // has no row of this run yet: its entries would be refused without one.
    // A history that could not be looked at (held, say) is tried again later,
    // never given a second row of the same run.
    if (m_run != 0) {
        if (store.Run(m_run))
            return m_run;
        if (!store.Error().empty())
            return 0;
    }
    const int64_t made = store.BeginRun(m_runRow);
    if (made != 0)
        m_run = made;
    return made;
}

void FleetHistory::Add(const FleetRow& row)
{
    if (!m_queue)
        return;
    HistoryEntry entry = EntryOf(row.record, m_author,
                                 row.ok ? std::vector<std::string>() : std::vector<std::string>{ row.reason },
                                 std::string(), row.radioId);
    entry.operation = "fleet";
    ++m_queued;
    m_queue->Queue([this, entry](HistoryStore& store) mutable {
        if ((entry.fleetRun = RunIn(store)) == 0)
            return false;
        bool added = store.Add(entry);
        // Damage found only by the entry: the new file needs the run's row too.
        if (!added && !store.Busy() && !store.Run(m_run) && store.Error().empty()
            && (entry.fleetRun = RunIn(store)) != 0)
            added = store.Add(entry);
        m_added += added ? 1 : 0;
        if (added && m_tell)
            m_tell();
        return added;
    });
}

void FleetHistory::End(OperationContext& context, const std::function<void()>& waiting)
{
    if (!m_queue)
        return;
    m_queue->Queue([this](HistoryStore& store) {
        const bool ended = m_run == 0 || store.EndRun(m_run, HistoryTimeNow());
        if (m_run != 0 && ended && m_tell)
            m_tell();
        return ended;
    });
    constexpr int WAITING_SLICE_MS = 20;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(HISTORY_PATIENCE_MS);
    while (waiting && !m_queue->WaitUntilTried(WAITING_SLICE_MS) && std::chrono::steady_clock::now() < deadline)
        waiting();
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - std::chrono::steady_clock::now());
    m_queue->Finish(static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, left.count())));
    const int lost = m_queued - m_added;
    if (lost > 0) {
        // How many radios the history is missing says more than one failure's reason.
        m_troubles.erase(std::remove_if(m_troubles.begin(), m_troubles.end(),
                                        [](const HistoryTrouble& trouble) { return trouble.messageId == IDS_HISTORY_FAILED; }),
                         m_troubles.end());
        m_troubles.push_back({ IDS_HISTORY_ENTRIES_LOST,
                               FormatString(IDS_HISTORY_ENTRIES_LOST, lost, m_path.c_str(),
                                            m_lastError.empty() ? LoadString(IDS_HISTORY_HELD).c_str()
                                                                : m_lastError.c_str()) });
    }
    for (const HistoryTrouble& trouble : std::exchange(m_troubles, {}))
        ShowStatusText(context, MSG_WARNING, trouble.messageId, trouble.text);
    m_queue.reset();
}
