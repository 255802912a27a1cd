#include "frontend/history_text.h"

#include "operations/fleet_report.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <QDateTime>

#include <algorithm>
#include <QString>
#include <QTimeZone>

namespace {

std::string Hex(const std::optional<DataFileBytes>& bytes)
{
    if (!bytes)
        return std::string();
    static const char digits[] = "0123456789abcdef";
    std::string text;
    for (uint8_t byte : *bytes) {
        text += digits[byte >> 4];
        text += digits[byte & 0x0F];
    }
    return text;
}

std::string Joined(const std::vector<std::string>& texts, const char* between)
{
    std::string joined;
    for (const std::string& text : texts)
        joined += (joined.empty() ? "" : between) + text;
    return joined;
}

} // namespace

std::string HistoryLocalTime(const std::string& time)
{
    const QDateTime utc = QDateTime::fromString(QString::fromStdString(time), Qt::ISODateWithMs);
    if (!utc.isValid())
        return time;
    return utc.toLocalTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")).toStdString();
}

bool HistoryTimeFromText(const std::string& text, bool endOfDay, std::string& time)
{
    const QString given = QString::fromStdString(text).trimmed();
    QDateTime when;
    const QDate day = QDate::fromString(given, Qt::ISODate);
    if (day.isValid() && given.size() == 10) {
        when = endOfDay ? QDateTime(day, QTime(23, 59, 59, 999)) : QDateTime(day, QTime(0, 0));
    } else {
        QString iso = given;
        if (iso.size() > 10 && iso[10] == QLatin1Char(' '))
            iso[10] = QLatin1Char('T');
        when = QDateTime::fromString(iso, Qt::ISODateWithMs);
    }
    if (!when.isValid())
        return false;
    time = when.toUTC().toString(Qt::ISODateWithMs).toStdString();
    return true;
}

std::string HistoryUserText(const HistoryEntry& entry)
{
    return FormatString(IDS_HISTORY_USER_AT, entry.user.c_str(), entry.host.c_str());
}

std::string HistoryPortText(const HistoryEntry& entry)
{
    if (entry.device.empty() || entry.device == entry.port)
        return entry.port;
    return entry.port + " (" + entry.device + ")";
}

std::string HistoryBoardText(const HistoryEntry& entry)
{
    std::vector<std::string> parts;
    if (!entry.boardType.empty())
        parts.push_back(entry.boardType);
    if (!entry.boardHardware.empty())
        parts.push_back(FormatString(IDS_HISTORY_BOARD_HARDWARE, entry.boardHardware.c_str()));
    if (!entry.boardSoftware.empty())
        parts.push_back(FormatString(IDS_HISTORY_BOARD_SOFTWARE, entry.boardSoftware.c_str()));
    if (!entry.boardCodeplug.empty())
        parts.push_back(FormatString(IDS_HISTORY_BOARD_CODEPLUG, entry.boardCodeplug.c_str()));
    return Joined(parts, ", ");
}

namespace {

struct Word {
    const char* word;
    int textId;
};

// What this program records, in the order the filters offer them.
const Word OPERATIONS[] = {
    { "read", IDS_HISTORY_OP_READ },
    { "write", IDS_HISTORY_OP_WRITE },
    { "information", IDS_HISTORY_OP_INFORMATION },
    { "calibration", IDS_HISTORY_OP_CALIBRATION },
    { "read-out", IDS_HISTORY_OP_READOUT },
    { "check", IDS_HISTORY_OP_CHECK },
    { "fleet", IDS_HISTORY_OP_FLEET },
};
const Word RESULTS[] = {
    { "succeeded", IDS_HISTORY_SUCCEEDED },
    { "failed", IDS_HISTORY_FAILED_RESULT },
    { "stopped", IDS_HISTORY_STOPPED },
    { "shown with fields missing", IDS_HISTORY_FIELDS_MISSING },
    { "read; the save was cancelled", IDS_HISTORY_SAVE_CANCELLED },
};

// The known words, then those of `stored` that are none of them (written by
// another version of the program).
template <size_t N>
std::vector<std::string> KnownAnd(const Word (&known)[N], const std::vector<std::string>& stored)
{
    std::vector<std::string> words;
    for (const Word& word : known)
        words.push_back(word.word);
    for (const std::string& word : stored) {
        if (std::find(words.begin(), words.end(), word) == words.end())
            words.push_back(word);
    }
    return words;
}

} // namespace

std::string HistoryWord(const std::string& word)
{
    for (const Word& known : OPERATIONS) {
        if (word == known.word)
            return LoadString(known.textId);
    }
    for (const Word& known : RESULTS) {
        if (word == known.word)
            return LoadString(known.textId);
    }
    return word;
}

std::vector<std::string> HistoryOperationWords(HistoryStore& store)
{
    return KnownAnd(OPERATIONS, store.Operations());
}

std::vector<std::string> HistoryResultWords(HistoryStore& store)
{
    return KnownAnd(RESULTS, store.Results());
}

std::string HistoryResultText(const HistoryEntry& entry)
{
    if (entry.Succeeded() && entry.verified)
        return FormatString(IDS_HISTORY_RESULT_VERIFIED, HistoryWord(entry.result).c_str());
    return HistoryWord(entry.result);
}

bool HistorySettings(const DataFileBytes& bytes, SettingsSnapshot& snapshot)
{
    return SnapshotFromDataFile(bytes.data(), snapshot);
}

std::vector<std::string> HistoryWriteDifferences(HistoryStore& store, const HistoryEntry& entry)
{
    if (!entry.settingsWritten)
        return {};
    const std::optional<DataFileBytes> before = store.SettingsBefore(entry);
    if (!before)
        return {};
    SettingsSnapshot a;
    SettingsSnapshot b;
    HistorySettings(*before, a);
    HistorySettings(*entry.settingsWritten, b);
    return DescribeDifferences(a, b);
}

std::string HistoryCsvHeader()
{
    return "id,time_utc,user,host,program,port,device,radio,board_type,board_hardware,board_software,"
           "board_codeplug,operation,result,verified,messages,settings_read,settings_written,backup_file,fleet_run\r\n";
}

std::string HistoryCsvLine(const HistoryEntry& entry)
{
    // Texts from the radio, the board or the system reach a terminal as the
    // text listing shows them: a control character as \xNN, never acting.
    const auto shown = [](const std::string& text) { return VisibleText(text); };
    const std::string fields[] = {
        std::to_string(entry.id), entry.time, shown(entry.user), shown(entry.host), shown(entry.program),
        shown(entry.port), shown(entry.device), shown(entry.radioInfo), shown(entry.boardType),
        shown(entry.boardHardware), shown(entry.boardSoftware), shown(entry.boardCodeplug), entry.operation,
        entry.result, entry.verified ? "yes" : "no", VisibleText(Joined(entry.messages, "\n"), true),
        Hex(entry.settingsRead), Hex(entry.settingsWritten), shown(entry.backupFile),
        entry.fleetRun > 0 ? std::to_string(entry.fleetRun) : std::string(),
    };
    std::string line;
    for (const std::string& field : fields)
        line += (line.empty() ? "" : ",") + CsvField(field);
    return line + "\r\n";
}

bool WriteHistoryCsv(HistoryStore& store, const HistoryFilter& filter, std::FILE* out)
{
    if (!store.Open())
        return false;
    bool written = std::fputs(HistoryCsvHeader().c_str(), out) >= 0;
    // Page by page, so that a history of any size is written in little memory,
    // and by number, so that entries added meanwhile move nothing.
    constexpr int PAGE = 1000;
    int64_t last = 0;
    for (;;) {
        const std::vector<HistoryEntry> page = store.FindAfter(filter, last, PAGE);
        if (!store.Error().empty())
            return false;
        for (const HistoryEntry& entry : page)
            written = written && std::fputs(HistoryCsvLine(entry).c_str(), out) >= 0;
        if (page.size() < static_cast<size_t>(PAGE) || !written)
            break;
        last = page.back().id;
    }
    return std::fflush(out) == 0 && written;
}
