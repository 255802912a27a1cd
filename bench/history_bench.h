// The service history's figures: how long one entry takes to add (each its own
// transaction, synced to disk), how long a radio's entries take to find among
// 100 000, and how much room 1000 entries take.
#pragma once

#include "app/history_store_types.h"

#include <string>

struct HistoryFigures {
    double insertMs = -1;      // median of one entry with two settings blobs, file opened and closed
    double insertP95Ms = -1;
    double queryMs = -1;       // median of a --radio list over 100 000 entries
    int queryRows = 0;         // the entries that list holds
    double kbPer1000 = -1;     // the file's size per 1000 entries
    std::string error;         // why the figures could not be measured
};

// An entry as a write leaves it: two blobs, messages, every text filled; one
// of 200 radios by `n`.
HistoryEntry RealisticEntry(int n);

// Works in a scratch folder below `folder`, which it removes again.
HistoryFigures MeasureHistoryFigures(const std::string& folder);
