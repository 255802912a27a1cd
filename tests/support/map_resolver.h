// A port resolver for tests: the port names it knows stand for the devices given,
// every other name for a device that does not exist.
#pragma once

#include "link/port_resolver.h"

#include <map>
#include <string>
#include <utility>

class MapResolver : public IPortResolver {
public:
    explicit MapResolver(std::map<std::string, std::string> map) : m_map(std::move(map)) { SetPortResolver(this); }
    ~MapResolver() override { SetPortResolver(nullptr); }
    std::string DeviceFor(const std::string& name) override
    {
        const auto found = m_map.find(name);
        return found == m_map.end() ? "/nonexistent/" + name : found->second;
    }

private:
    std::map<std::string, std::string> m_map;
};
