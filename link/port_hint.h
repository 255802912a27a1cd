// What a user can do about a port that did not open: the device the port name
// stands for, what was found there, and the way out. Shown beside the port
// message, whose text stays as it is.
#pragma once

#include "link/serial_port.h"

#include <string>

std::string PortOpenHint(const std::string& portName, const std::string& device, PortOpenFailure failure);

// Who reads the hints: the window's user is pointed to its menus, a terminal's
// user also to --device. The window's by default; the command line says so at start.
enum class PortHintReader { Window, Terminal };
void SetPortHintReader(PortHintReader reader);

// The group that owns a device node, or an empty text where that does not apply.
std::string DeviceGroup(const std::string& device);
