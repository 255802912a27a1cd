// A depot's address as the PostgreSQL client reads it: a connection URI
// ("postgresql://vigilon@depot-server/vigilon?sslmode=verify-full", several
// hosts and socket folders included) or key=value pairs, turned into the pairs
// the database driver hands on, each value quoted.
#pragma once

#include <string>
#include <utility>
#include <vector>

struct DepotAddress {
    std::vector<std::pair<std::string, std::string>> pairs; // key, value (decoded)
    std::string error; // empty when the address could be read
    bool HoldsPassword() const;
    // The pairs as one connection text: key='value' ...
    std::string ConnectionText() const;
    // Where the record is as messages show it: "depot-server:5432/vigilon"
    std::string Place() const;
};

DepotAddress ParseDepotAddress(const std::string& text);

// Whether an address holds a password, which belongs in the client's password
// file, never in our settings or on a command line.
bool DepotAddressHoldsPassword(const std::string& address);
// The address as messages show it: without its user and options.
std::string DepotPlace(const std::string& address);
