#include "app/history_text.h"

#include "app/history_columns.h"
#include "app/csv_field.h"
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

std::string HistoryRadioText(const HistoryEntry& entry)
{
    return RadioTextWithId(entry.radioInfo, entry.radioId);
}

std::string RadioTextWithId(const std::string& radioInfo, const std::string& radioId)
{
    if (radioId.empty())
        return radioInfo;
    return FormatString(IDS_HISTORY_RADIO_WITH_ID, radioInfo.c_str(), radioId.c_str());
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

std::vector<std::string> HistoryOperationWords(HistoryReader& store)
{
    return KnownAnd(OPERATIONS, store.Operations());
}

std::vector<std::string> HistoryResultWords(HistoryReader& store)
{
    return KnownAnd(RESULTS, store.Results());
}

std::string HistoryResultText(const HistoryEntry& entry)
{
    if (entry.Succeeded() && entry.verified)
        return FormatString(IDS_HISTORY_RESULT_VERIFIED, HistoryWord(entry.result).c_str());
    return HistoryWord(entry.result);
}

std::string HistoryRunText(HistoryReader& store, const HistoryEntry& entry)
{
    const std::optional<HistoryRun> run = store.RunOf(entry);
    if (!run)
        return std::to_string(entry.fleetRun);
    return FormatString(IDS_HISTORY_RUN_TEXT, std::to_string(run->id).c_str(), run->settingsFile.c_str(),
                        run->settingsSha256.c_str(), run->ports.c_str(), HistoryLocalTime(run->started).c_str(),
                        run->ended.empty() ? LoadString(IDS_HISTORY_RUN_NOT_ENDED).c_str()
                                           : HistoryLocalTime(run->ended).c_str());
}

std::string HistoryLineText(HistoryReader& store, const HistoryEntry& entry, const HistoryColumn& column)
{
    if (column.line)
        return column.line(entry);
    if (HistoryValueIsNone(entry, column))
        return std::string();
    switch (column.kind) {
    case HistoryKind::Number:
        return std::to_string(HistoryValue<int64_t>(entry, column));
    case HistoryKind::Run:
        return HistoryRunText(store, entry);
    case HistoryKind::Time: {
        const std::string& time = HistoryValue<std::string>(entry, column);
        return HistoryLocalTime(time) + " (" + time + ")";
    }
    case HistoryKind::Text:
        return HistoryValue<std::string>(entry, column);
    case HistoryKind::Word:
        return HistoryWord(HistoryValue<std::string>(entry, column));
    case HistoryKind::YesNo:
    case HistoryKind::Messages:
    case HistoryKind::Settings:
        break; // within another line, or a section of its own
    }
    return std::string();
}

bool HistorySettings(const DataFileBytes& bytes, SettingsSnapshot& snapshot)
{
    return SnapshotFromDataFile(bytes.data(), snapshot);
}

std::vector<std::string> HistoryWriteDifferences(HistoryReader& store, const HistoryEntry& entry)
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
    std::string header;
    for (size_t i = 0; i < HISTORY_COLUMN_COUNT; ++i)
        header += (i ? "," : "") + std::string(HISTORY_COLUMNS[i].csvTitle);
    return header + "\r\n";
}

namespace {

std::string CsvValue(const HistoryEntry& entry, const HistoryColumn& column)
{
    if (HistoryValueIsNone(entry, column))
        return std::string();
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        return std::to_string(HistoryValue<int64_t>(entry, column));
    case HistoryKind::Time:
    case HistoryKind::Word:
        return HistoryValue<std::string>(entry, column);
    case HistoryKind::Text:
        // Texts from the radio, the board or the system reach a terminal as the
        // text listing shows them: a control character as \xNN, never acting.
        return VisibleText(HistoryValue<std::string>(entry, column));
    case HistoryKind::YesNo:
        return HistoryValue<bool>(entry, column) ? "yes" : "no";
    case HistoryKind::Messages:
        return VisibleText(Joined(HistoryValue<std::vector<std::string>>(entry, column), "\n"), true);
    case HistoryKind::Settings:
        return Hex(HistoryValue<std::optional<DataFileBytes>>(entry, column));
    }
    return std::string();
}

} // namespace

std::string HistoryCsvLine(const HistoryEntry& entry)
{
    std::string line;
    for (size_t i = 0; i < HISTORY_COLUMN_COUNT; ++i)
        line += (i ? "," : "") + CsvField(CsvValue(entry, HISTORY_COLUMNS[i]));
    return line + "\r\n";
}

bool WriteHistoryCsv(HistoryReader& store, const HistoryFilter& filter, std::FILE* out)
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
