#include "ui/windows/history_model.h"

#include "app/history_text.h"
#include "resources/string_ids.h"
#include "seams/visible_text.h"
#include "ui/base/locale_text.h"
#include "ui/base/ui_text.h"

#include <QDateTime>

namespace {

QString Shown(const std::string& text)
{
    return QString::fromStdString(VisibleText(text));
}

} // namespace

QString HistoryLocaleTime(const std::string& time)
{
    const QDateTime utc = QDateTime::fromString(QString::fromStdString(time), Qt::ISODateWithMs);
    return utc.isValid() ? LocaleDateTimeText(utc.toLocalTime()) : Shown(time);
}

HistoryModel::HistoryModel(HistoryReader& store, QObject* parent) : QAbstractTableModel(parent), m_store(&store) {}

void HistoryModel::SetReader(HistoryReader& store)
{
    beginResetModel();
    m_store = &store;
    Count();
    endResetModel();
}

void HistoryModel::SetFilter(const HistoryFilter& filter)
{
    beginResetModel();
    m_filter = filter;
    Count();
    endResetModel();
}

void HistoryModel::Reload()
{
    beginResetModel();
    Count();
    endResetModel();
}

void HistoryModel::Count()
{
    m_pages.clear();
    m_count = m_store->Count(m_filter);
    m_newestId = NewestIdNow();
}

int64_t HistoryModel::NewestIdNow()
{
    const std::vector<HistoryEntry> newest = m_store->Find(HistoryFilter(), 0, 1, false);
    return newest.empty() ? 0 : newest.front().id;
}

bool HistoryModel::IsCurrent()
{
    return m_store->Count(m_filter) == m_count && NewestIdNow() == m_newestId;
}

const HistoryModel::Row* HistoryModel::RowAt(int row) const
{
    if (row < 0 || row >= m_count)
        return nullptr;
    const int first = row / PAGE_ROWS * PAGE_ROWS;
    auto page = m_pages.begin();
    while (page != m_pages.end() && page->first != first)
        ++page;
    if (page != m_pages.end()) {
        m_pages.splice(m_pages.begin(), m_pages, page);
    } else {
        Page read;
        read.first = first;
        for (HistoryEntry& entry : m_store->Find(m_filter, first, PAGE_ROWS, false)) {
            Row shown;
            shown.texts[TIME] = HistoryLocaleTime(entry.time);
            shown.texts[OPERATION] = QString::fromStdString(HistoryWord(entry.operation));
            shown.texts[RESULT] = QString::fromStdString(HistoryResultText(entry));
            shown.texts[PORT] = Shown(entry.port);
            shown.texts[RADIO] = Shown(HistoryRadioText(entry));
            shown.texts[BOARD] = Shown(HistoryBoardText(entry));
            shown.texts[USER] = Shown(HistoryUserText(entry));
            shown.texts[BENCH] = Shown(entry.bench);
            shown.entry = std::move(entry);
            read.rows.push_back(std::move(shown));
        }
        ++m_pagesRead;
        m_pages.push_front(std::move(read));
        if (m_pages.size() > static_cast<size_t>(PAGES_KEPT))
            m_pages.pop_back();
    }
    const std::vector<Row>& rows = m_pages.front().rows;
    const size_t at = static_cast<size_t>(row - first);
    // Entries removed since the count leave the page short.
    return at < rows.size() ? &rows[at] : nullptr;
}

const HistoryEntry* HistoryModel::Entry(int row) const
{
    const Row* found = RowAt(row);
    return found ? &found->entry : nullptr;
}

int HistoryModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : m_count;
}

int HistoryModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : COLUMN_COUNT;
}

QVariant HistoryModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::ToolTipRole))
        return QVariant();
    const Row* row = RowAt(index.row());
    if (!row)
        return QVariant();
    // The time as stored, in UTC, beside the local one.
    if (role == Qt::ToolTipRole)
        return index.column() == TIME ? QString::fromStdString(row->entry.time) : row->texts[index.column()];
    return row->texts[index.column()];
}

QVariant HistoryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QAbstractTableModel::headerData(section, orientation, role);
    static const int titles[COLUMN_COUNT] = {
        IDS_HISTORY_TIME, IDS_HISTORY_OPERATION, IDS_HISTORY_RESULT, IDS_HISTORY_PORT,
        IDS_HISTORY_RADIO, IDS_HISTORY_BOARD, IDS_HISTORY_USER, IDS_HISTORY_BENCH,
    };
    return section >= 0 && section < COLUMN_COUNT ? UiText(titles[section]) : QVariant();
}
