// What reads a service history: this bench's own file, or the depot's record on
// its server that every bench sends its entries to. The lists, the CSV form,
// `history show` and the history window read through it, whichever it is.
#pragma once

#include "app/history_store_types.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

class HistoryReader {
public:
    virtual ~HistoryReader() = default;

    // Opens the history for reading; false with Error().
    virtual bool Open() = 0;
    // Why the last call failed, in words for the user.
    virtual const std::string& Error() const = 0;
    // Where the history is, as a message names it: a file's path, a server's address.
    virtual std::string Place() const = 0;

    // The entries the filter lets through, newest first, from `offset` on, at
    // most `limit` of them (all when negative). Without `withSettings` the
    // settings and messages are left out (a list does not show them).
    virtual std::vector<HistoryEntry> Find(const HistoryFilter& filter, int offset, int limit, bool withSettings) = 0;
    // The same with settings and messages, in the order they were numbered,
    // after the entry `afterId`: for going through a history that grows meanwhile.
    virtual std::vector<HistoryEntry> FindAfter(const HistoryFilter& filter, int64_t afterId, int limit) = 0;
    virtual int Count(const HistoryFilter& filter) = 0;
    virtual std::optional<HistoryEntry> Get(int64_t id) = 0;
    // The fleet run an entry belongs to, when the history still holds it.
    virtual std::optional<HistoryRun> RunOf(const HistoryEntry& entry) = 0;
    // The settings the radio of a write held before it: those the write read
    // itself first, else the last the history knows of the same radio before
    // it (read from it, or written by a write that succeeded).
    virtual std::optional<DataFileBytes> SettingsBefore(const HistoryEntry& write) = 0;
    // Every operation name and result the history holds, for the filters' lists.
    virtual std::vector<std::string> Operations() = 0;
    virtual std::vector<std::string> Results() = 0;
};
