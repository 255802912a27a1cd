// The service history as a table: one row per entry the filter lets through,
// newest first. Only the count is asked for up front; the rows are read a page
// at a time as the view comes to them, and the pages used last are kept, so
// that a history of any size opens at once and scrolls without reading it all.
#pragma once

#include "app/history_reader.h"

#include <QAbstractTableModel>
#include <QString>

#include <list>
#include <string>
#include <vector>

// A history time as the reader's locale writes it, to the second, in local time;
// the stored text when it is no time.
QString HistoryLocaleTime(const std::string& time);

class HistoryModel : public QAbstractTableModel {
public:
    enum Column { TIME, OPERATION, RESULT, PORT, RADIO, BOARD, USER, BENCH, COLUMN_COUNT };
    static constexpr int PAGE_ROWS = 200;
    static constexpr int PAGES_KEPT = 5;

    explicit HistoryModel(HistoryReader& store, QObject* parent = nullptr);

    // Lists the entries of another history (this bench's, or the depot's record) from the newest.
    void SetReader(HistoryReader& store);

    // Lists the entries `filter` lets through, from the newest.
    void SetFilter(const HistoryFilter& filter);
    const HistoryFilter& Filter() const { return m_filter; }
    // Counts again and forgets the pages read: entries were added or removed.
    void Reload();
    // Whether the history still holds what the list counted: as many entries
    // that match, and the same newest entry.
    bool IsCurrent();
    // The number of the history's newest entry when the list was last counted
    // (0: none), whatever the filter.
    int64_t NewestId() const { return m_newestId; }
    // A row's entry as the list reads it (without settings and messages), good
    // until the next call; nullptr for a row outside the list or one that could
    // not be read.
    const HistoryEntry* Entry(int row) const;
    // How many pages were read from the file so far.
    int PagesRead() const { return m_pagesRead; }

    int rowCount(const QModelIndex& parent = QModelIndex()) const override;
    int columnCount(const QModelIndex& parent = QModelIndex()) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    struct Row {
        HistoryEntry entry;
        QString texts[COLUMN_COUNT];
    };
    struct Page {
        int first = 0;
        std::vector<Row> rows;
    };
    const Row* RowAt(int row) const;
    void Count();
    int64_t NewestIdNow();

    HistoryReader* m_store;
    HistoryFilter m_filter;
    int m_count = 0;
    int64_t m_newestId = 0;
    mutable std::list<Page> m_pages; // the page used last first
    mutable int m_pagesRead = 0;
};
