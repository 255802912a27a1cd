// A port resolver for tests: the port names it knows stand for the devices given,
// every other name for a device that does not exist.
#pragma once

#include "link/port_resolver.h"
#include "tests/support/test_context.h"

#include <map>
#include <string>
#include <utility>

class MapResolver : public IPortResolver {
public:
    // Stands in for the test context's resolver while it lives.
    explicit MapResolver(std::map<std::string, std::string> map)
        : m_map(std::move(map)), m_previous(TestContext().ports)
    {
        TestContext().ports = this;
    }
    ~MapResolver() override { TestContext().ports = m_previous; }
    std::string DeviceFor(const std::string& name) override
    {
        const auto found = m_map.find(name);
        return found == m_map.end() ? "/nonexistent/" + name : found->second;
    }

private:
    std::map<std::string, std::string> m_map;
    IPortResolver* m_previous;
};
