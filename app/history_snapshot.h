// The depot's record as a window shows it without waiting on the network: the
// newest entries a filter lets through and the entries looked at, each read on
// a thread of its own (ListDepot, ReadDepotEntry) and then kept here, where the
// window's list and details pane read them as from any history.
#pragma once

#include "app/history_reader.h"

#include <map>
#include <optional>
#include <string>
#include <vector>

// The newest entries a filter lets through, without settings and messages.
struct HistoryListing {
    HistoryFilter filter;
    std::vector<HistoryEntry> entries; // newest first, at most the limit asked for
    int matching = 0;                  // all the filter lets through
    int all = 0;                       // all the record holds
    std::string error;                 // why it could not be read
};
HistoryListing ListDepot(const std::string& address, const HistoryFilter& filter, int limit);

// One entry whole, with its fleet run and what its radio held before it.
struct HistoryEntryDetails {
    std::optional<HistoryEntry> whole;
    std::optional<HistoryRun> run;
    std::optional<DataFileBytes> before;
    std::string error;
};
HistoryEntryDetails ReadDepotEntry(const std::string& address, int64_t id);

bool SameFilter(const HistoryFilter& a, const HistoryFilter& b);

class HistorySnapshot : public HistoryReader {
public:
    explicit HistorySnapshot(std::string place) : m_place(std::move(place)) {}

    void SetListing(HistoryListing listing);
    const HistoryListing& Listing() const { return m_listing; }
    void AddDetails(int64_t id, HistoryEntryDetails details);
    bool HasDetails(int64_t id) const { return m_details.count(id) != 0; }

    bool Open() override { return true; }
    const std::string& Error() const override { return m_error; }
    std::string Place() const override { return m_place; }
    // The listing's entries (the filter is the listing's).
    std::vector<HistoryEntry> Find(const HistoryFilter& filter, int offset, int limit, bool withSettings) override;
    std::vector<HistoryEntry> FindAfter(const HistoryFilter& filter, int64_t afterId, int limit) override;
    // The entries listed for the listing's filter, the record's whole count for no filter.
    int Count(const HistoryFilter& filter) override;
    std::optional<HistoryEntry> Get(int64_t id) override;
    std::optional<HistoryRun> RunOf(const HistoryEntry& entry) override;
    std::optional<DataFileBytes> SettingsBefore(const HistoryEntry& write) override;
    std::vector<std::string> Operations() override { return {}; }
    std::vector<std::string> Results() override { return {}; }

private:
    std::string m_place;
    std::string m_error;
    HistoryListing m_listing;
    std::map<int64_t, HistoryEntryDetails> m_details;
};
