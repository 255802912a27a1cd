// Which of COM1..COM4 exist on this computer: a port that does not exist is
// left out; one that exists but is busy or forbidden counts as present.
#pragma once

#include "link/port_name.h"
#include "seams/port_resolver.h"

#include <string>
#include <vector>

struct ProbedPort {
    int index;          // 0..3 for COM1..COM4
    std::string name;   // "COM1".."COM4"
    std::string device; // what the port resolver makes of the name
};

// Whether the device behind a port name (through `resolver`, nullptr: the
// built-in mapping) exists, free, busy or forbidden alike.
bool PortExists(IPortResolver* resolver, const std::string& portName);
// The same for a device path.
bool DeviceExists(const std::string& device);

// The ports that exist, in the order COM1..COM4.
std::vector<ProbedPort> ProbePorts(IPortResolver* resolver);
