#include "app/history_sql.h"

#include "app/byte_text.h"

#include <QByteArray>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QStringList>

#include <algorithm>

namespace {

QVariant Blob(const std::optional<DataFileBytes>& bytes)
{
    if (!bytes)
        return QVariant(QMetaType(QMetaType::QByteArray));
    return QByteArray(reinterpret_cast<const char*>(bytes->data()), static_cast<int>(bytes->size()));
}

QString MessagesJson(const std::vector<std::string>& messages)
{
    QJsonArray array;
    for (const std::string& message : messages)
        array.append(Text(message));
    return QString::fromUtf8(QJsonDocument(array).toJson(QJsonDocument::Compact));
}

std::vector<std::string> MessagesFrom(const QVariant& value)
{
    std::vector<std::string> messages;
    for (const QJsonValue& message : QJsonDocument::fromJson(value.toString().toUtf8()).array())
        messages.push_back(MappedBytes(message.toString()));
    return messages;
}

} // namespace

std::optional<DataFileBytes> Bytes(const QVariant& value)
{
    const QByteArray blob = value.toByteArray();
    if (value.isNull() || blob.size() != static_cast<int>(DATA_FILE_SIZE))
        return std::nullopt;
    DataFileBytes bytes{};
    std::copy(blob.begin(), blob.end(), bytes.begin());
    return bytes;
}

QString Text(const std::string& text)
{
    return MappedText(text);
}

std::string Text(const QVariant& value)
{
    return MappedBytes(value.toString());
}

QVariant ValueOf(const HistoryEntry& entry, const HistoryColumn& column)
{
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        if (HistoryValueIsNone(entry, column))
            return QVariant(QMetaType(QMetaType::LongLong));
        return static_cast<qlonglong>(HistoryValue<int64_t>(entry, column));
    case HistoryKind::Time:
    case HistoryKind::Text:
    case HistoryKind::Word:
        return Text(HistoryValue<std::string>(entry, column));
    case HistoryKind::YesNo:
        return HistoryValue<bool>(entry, column) ? 1 : 0;
    case HistoryKind::Messages:
        return MessagesJson(HistoryValue<std::vector<std::string>>(entry, column));
    case HistoryKind::Settings:
        return Blob(HistoryValue<std::optional<DataFileBytes>>(entry, column));
    }
    return QVariant();
}

void SetValue(HistoryEntry& entry, const HistoryColumn& column, const QVariant& value)
{
    switch (column.kind) {
    case HistoryKind::Number:
    case HistoryKind::Run:
        HistoryValue<int64_t>(entry, column) = value.toLongLong();
        break;
    case HistoryKind::Time:
    case HistoryKind::Text:
    case HistoryKind::Word:
        HistoryValue<std::string>(entry, column) = Text(value);
        break;
    case HistoryKind::YesNo:
        HistoryValue<bool>(entry, column) = value.toBool();
        break;
    case HistoryKind::Messages:
        HistoryValue<std::vector<std::string>>(entry, column) = MessagesFrom(value);
        break;
    case HistoryKind::Settings:
        HistoryValue<std::optional<DataFileBytes>>(entry, column) = Bytes(value);
        break;
    }
}

ColumnPlaces PlacesIn(const QSqlRecord& record)
{
    ColumnPlaces places{};
    for (size_t i = 0; i < HISTORY_COLUMN_COUNT; ++i)
        places[i] = record.indexOf(QLatin1String(HISTORY_COLUMNS[i].name));
    return places;
}

HistoryEntry EntryFrom(const QSqlQuery& query, const ColumnPlaces& places, QVariant (*adjust)(QVariant))
{
    HistoryEntry entry;
    for (size_t i = 0; i < HISTORY_COLUMN_COUNT; ++i) {
        if (places[i] >= 0)
            SetValue(entry, HISTORY_COLUMNS[i], adjust ? adjust(query.value(places[i])) : query.value(places[i]));
    }
    return entry;
}

QString HistoryWhere(const HistoryFilter& filter, QVariantList& values, HistoryDialect dialect)
{
    const bool sqlite = dialect == HistoryDialect::SQLite;
    QStringList parts;
    if (!filter.radio.empty() && sqlite) {
        // A range on the radio's text, so that its index finds the entries;
        // "sr-9" finds "SR-9 R02.10".
        parts << QStringLiteral("radio_info >= ? COLLATE NOCASE AND radio_info < ? COLLATE NOCASE");
        values << Text(filter.radio) << Text(filter.radio) + QString::fromUcs4(U"\U0010FFFF", 1);
    }
    if (!filter.radio.empty() && !sqlite) {
        // A pattern on the lower-case text, which the server's index on it finds.
        QString prefix = Text(filter.radio).toLower();
        prefix.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
            .replace(QLatin1Char('%'), QStringLiteral("\\%"))
            .replace(QLatin1Char('_'), QStringLiteral("\\_"));
        parts << QStringLiteral("lower(radio_info) LIKE ?");
        values << prefix + QLatin1Char('%');
    }
    if (!filter.radioId.empty()) {
        parts << QStringLiteral("radio_id = ?");
        values << Text(filter.radioId);
    }
    if (!filter.board.empty()) {
        parts << QStringLiteral("(%1(lower(board_type), lower(?)) > 0 OR %1(lower(board_hardware), lower(?)) > 0"
                                " OR %1(lower(board_software), lower(?)) > 0 OR %1(lower(board_codeplug), lower(?)) > 0)")
                     .arg(sqlite ? QStringLiteral("instr") : QStringLiteral("strpos"));
        for (int i = 0; i < 4; ++i)
            values << Text(filter.board);
    }
    if (!filter.operation.empty()) {
        parts << QStringLiteral("operation = ?");
        values << Text(filter.operation);
    }
    if (!filter.result.empty()) {
        parts << QStringLiteral("result = ?");
        values << Text(filter.result);
    }
    if (filter.failedOnly)
        parts << QStringLiteral("result <> 'succeeded'");
    if (!filter.since.empty()) {
        parts << QStringLiteral("time_utc >= ?");
        values << Text(filter.since);
    }
    if (!filter.until.empty()) {
        parts << QStringLiteral("time_utc <= ?");
        values << Text(filter.until);
    }
    return parts.isEmpty() ? QString() : QStringLiteral(" WHERE ") + parts.join(QStringLiteral(" AND "));
}


std::vector<std::string> HistoryDistinct(QSqlDatabase& db, const char* column)
{
    std::vector<std::string> values;
    QSqlQuery query(db);
    if (query.exec(QStringLiteral("SELECT DISTINCT %1 FROM entries ORDER BY 1").arg(QLatin1String(column)))) {
        while (query.next())
            values.push_back(Text(query.value(0)));
    }
    return values;
}

QString HistoryAfter(const HistoryFilter& filter, int64_t afterId, int limit, QVariantList& values,
                     HistoryDialect dialect)
{
    QString where = HistoryWhere(filter, values, dialect);
    where += (where.isEmpty() ? QStringLiteral(" WHERE ") : QStringLiteral(" AND ")) + QStringLiteral("id > ?");
    values << static_cast<qlonglong>(afterId) << limit;
    return where + QStringLiteral(" ORDER BY id LIMIT ?");
}

QString HistoryCount(const HistoryFilter& filter, QVariantList& values, HistoryDialect dialect)
{
    return QStringLiteral("SELECT count(*) FROM entries") + HistoryWhere(filter, values, dialect);
}

HistoryRun RunFrom(const QSqlQuery& query, QVariant (*adjust)(QVariant))
{
    const auto text = [&](int column) {
        const QVariant value = query.value(column);
        return value.isNull() ? std::string() : Text(adjust ? adjust(value) : value);
    };
    HistoryRun run;
    run.id = query.value(0).toLongLong();
    run.settingsFile = text(1);
    run.settingsSha256 = text(2);
    run.ports = text(3);
    run.count = query.value(4).toInt();
    run.started = text(5);
    run.ended = text(6);
    return run;
}
