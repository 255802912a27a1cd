// What a user can do about a port that did not open: the device the port name
// stands for, what was found there, and the way out. Shown beside the port
// message, whose text stays as it is.
#pragma once

#include "link/serial_port.h"
#include "seams/port_resolver.h"

#include <string>

// `reader`: the window's user is pointed to its menus, a terminal's also to --device.
std::string PortOpenHint(const std::string& portName, const std::string& device, PortOpenFailure failure,
                         PortHintReader reader);

// The group that owns a device node, or an empty text where that does not apply.
std::string DeviceGroup(const std::string& device);
