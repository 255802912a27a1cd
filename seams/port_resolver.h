// The port-resolver seam: turns the port names users see (COM1..COM4) into the
// device the serial port opens. A front end gives its own (its settings) to the
// operation context; without one the link's built-in mapping applies.
#pragma once

#include <string>

class IPortResolver {
public:
    virtual ~IPortResolver() = default;
    virtual std::string DeviceFor(const std::string& portName) = 0;
};

// Who reads the hints beside a port that did not open: the window's user is
// pointed to its menus, a terminal's user also to --device.
enum class PortHintReader { Window, Terminal };
