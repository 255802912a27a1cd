// The chain a bench's entries form in the depot's record: each entry carries
// the hash of its link, made of the link before it and the entry's every value,
// so that an entry removed from the record or changed in it shows.
#pragma once

#include "app/history_store_types.h"

#include <cstdint>
#include <string>

// The SHA-256 (hexadecimal) of the entry's link: `previous` is the hash of the
// link before it in the journal (empty for the first), `sequence` its number in
// the journal. The server's own number of the entry plays no part.
std::string HistoryChainHash(const std::string& previous, const std::string& journal, int64_t sequence,
                             const HistoryEntry& entry);
