// The service history's values as its databases keep them, and its filter as
// SQL: shared by this bench's SQLite file and the depot's record on its server.
#pragma once

#include "app/history_columns.h"
#include "app/history_store_types.h"

#include <QList>
#include <QString>
#include <QVariant>

#include <array>
#include <string>
#include <vector>

class QSqlDatabase;
class QSqlQuery;
class QSqlRecord;

// Texts from the radio, the board and the system are bytes that need not be
// UTF-8: kept with the private-use mapping, so that each byte comes back as it was.
QString Text(const std::string& text);
std::string Text(const QVariant& value);

// A data file's bytes from a database's value; none for NULL or a wrong size.
std::optional<DataFileBytes> Bytes(const QVariant& value);

// A column's value as a database keeps it, and back.
QVariant ValueOf(const HistoryEntry& entry, const HistoryColumn& column);
void SetValue(HistoryEntry& entry, const HistoryColumn& column, const QVariant& value);

// Where each column is in a query's rows, -1 for one it does not read: found
// once by name, so that a row is read without looking up names.
using ColumnPlaces = std::array<int, HISTORY_COLUMN_COUNT>;
ColumnPlaces PlacesIn(const QSqlRecord& record);
// The row's entry; `adjust` turns each value as its database keeps it back into the history's.
HistoryEntry EntryFrom(const QSqlQuery& query, const ColumnPlaces& places, QVariant (*adjust)(QVariant) = nullptr);

// Every value one column of the entries holds, in order: for the filters' lists.
std::vector<std::string> HistoryDistinct(QSqlDatabase& db, const char* column);

enum class HistoryDialect { SQLite, PostgreSQL };
// The filter as a WHERE clause (" WHERE ...", or nothing) with its values in order.
QString HistoryWhere(const HistoryFilter& filter, QVariantList& values, HistoryDialect dialect);
// What follows a SELECT of entries for FindAfter: the filter, the entries after
// `afterId` in their numbers' order, at most `limit`.
QString HistoryAfter(const HistoryFilter& filter, int64_t afterId, int limit, QVariantList& values,
                     HistoryDialect dialect);
// The count of the entries the filter lets through.
QString HistoryCount(const HistoryFilter& filter, QVariantList& values, HistoryDialect dialect);

// A fleet run's row, its columns in the order id, settings_file,
// settings_sha256, ports, count, started_utc, ended_utc; `adjust` turns each
// text as its database keeps it back into the history's.
HistoryRun RunFrom(const QSqlQuery& query, QVariant (*adjust)(QVariant) = nullptr);
