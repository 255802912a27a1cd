#include "app/history_chain.h"

#include "app/history_columns.h"

#include <QByteArray>
#include <QCryptographicHash>

namespace {

// A column's value in the same bytes wherever the entry is read from.
std::string Canonical(const HistoryEntry& entry, const HistoryColumn& column)
{
    if (HistoryValueIsNone(entry, column))
        return std::string();
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        return std::to_string(HistoryValue<int64_t>(entry, column));
    case HistoryKind::Time:
    case HistoryKind::Text:
    case HistoryKind::Word:
        return HistoryValue<std::string>(entry, column);
    case HistoryKind::YesNo:
        return HistoryValue<bool>(entry, column) ? "1" : "0";
    case HistoryKind::Messages: {
        std::string all;
        for (const std::string& message : HistoryValue<std::vector<std::string>>(entry, column))
            all += std::to_string(message.size()) + ':' + message;
        return all;
    }
    case HistoryKind::Settings: {
        const DataFileBytes& bytes = *HistoryValue<std::optional<DataFileBytes>>(entry, column);
        return std::string(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    }
    }
    return std::string();
}

} // namespace

std::string HistoryChainHash(const std::string& previous, const std::string& journal, int64_t sequence,
                             const HistoryEntry& entry)
{
    QCryptographicHash hash(QCryptographicHash::Sha256);
    const auto add = [&](const std::string& name, const std::string& value) {
        const std::string field = name + '=' + std::to_string(value.size()) + ':' + value + '\n';
        hash.addData(QByteArrayView(field.data(), static_cast<qsizetype>(field.size())));
    };
    add("previous", previous);
    add("journal", journal);
    add("sequence", std::to_string(sequence));
    // A column with no value is left out: a column added later with no value
    // in older entries leaves their hashes as they were.
    for (const HistoryColumn& column : HISTORY_COLUMNS) {
        if (column.flags & HISTORY_KEY)
            continue;
        const std::string value = Canonical(entry, column);
        if (!value.empty())
            add(column.name, value);
    }
    return hash.result().toHex().toStdString();
}
