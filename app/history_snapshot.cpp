#include "app/history_snapshot.h"

#include "app/depot_store.h"

#include <algorithm>

HistoryListing ListDepot(const std::string& address, const HistoryFilter& filter, int limit)
{
    HistoryListing listing;
    listing.filter = filter;
    DepotStore depot(address);
    if (depot.Open()) {
        listing.matching = depot.Count(filter);
        if (depot.Error().empty())
            listing.all = depot.Count(HistoryFilter());
        if (depot.Error().empty())
            listing.entries = depot.Find(filter, 0, limit, false);
    }
    listing.error = depot.Error();
    if (!listing.error.empty())
        listing.entries.clear();
    return listing;
}

HistoryEntryDetails ReadDepotEntry(const std::string& address, int64_t id)
{
    HistoryEntryDetails details;
    DepotStore depot(address);
    if (depot.Open())
        details.whole = depot.Get(id);
    if (details.whole && depot.Error().empty())
        details.run = depot.RunOf(*details.whole);
    if (details.whole && details.whole->settingsWritten && depot.Error().empty())
        details.before = depot.SettingsBefore(*details.whole);
    details.error = depot.Error();
    return details;
}

bool SameFilter(const HistoryFilter& a, const HistoryFilter& b)
{
    return a.radio == b.radio && a.radioId == b.radioId && a.board == b.board && a.operation == b.operation
        && a.result == b.result && a.failedOnly == b.failedOnly && a.since == b.since && a.until == b.until;
}

void HistorySnapshot::SetListing(HistoryListing listing)
{
    m_listing = std::move(listing);
    m_error = m_listing.error;
    m_details.clear();
}

void HistorySnapshot::AddDetails(int64_t id, HistoryEntryDetails details)
{
    m_error = details.error;
    m_details[id] = std::move(details);
}

std::vector<HistoryEntry> HistorySnapshot::Find(const HistoryFilter&, int offset, int limit, bool)
{
    const std::vector<HistoryEntry>& all = m_listing.entries;
    const size_t from = std::min(all.size(), static_cast<size_t>(std::max(offset, 0)));
    const size_t to = limit < 0 ? all.size() : std::min(all.size(), from + static_cast<size_t>(limit));
    return std::vector<HistoryEntry>(all.begin() + static_cast<std::ptrdiff_t>(from),
                                     all.begin() + static_cast<std::ptrdiff_t>(to));
}

std::vector<HistoryEntry> HistorySnapshot::FindAfter(const HistoryFilter&, int64_t afterId, int limit)
{
    std::vector<HistoryEntry> found;
    for (auto entry = m_listing.entries.rbegin(); entry != m_listing.entries.rend(); ++entry) {
        if (entry->id > afterId && static_cast<int>(found.size()) < limit)
            found.push_back(*entry);
    }
    return found;
}

int HistorySnapshot::Count(const HistoryFilter& filter)
{
    if (SameFilter(filter, m_listing.filter))
        return static_cast<int>(m_listing.entries.size());
    return m_listing.all;
}

std::optional<HistoryEntry> HistorySnapshot::Get(int64_t id)
{
    const auto found = m_details.find(id);
    return found == m_details.end() ? std::nullopt : found->second.whole;
}

std::optional<HistoryRun> HistorySnapshot::RunOf(const HistoryEntry& entry)
{
    const auto found = m_details.find(entry.id);
    return found == m_details.end() ? std::nullopt : found->second.run;
}

std::optional<DataFileBytes> HistorySnapshot::SettingsBefore(const HistoryEntry& write)
{
    if (write.settingsRead)
        return write.settingsRead;
    const auto found = m_details.find(write.id);
    return found == m_details.end() ? std::nullopt : found->second.before;
}
