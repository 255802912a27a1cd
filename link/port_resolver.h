// The devices the port names users see (COM1..COM4) stand for.
#pragma once

#include "seams/port_resolver.h"

#include <string>

// The built-in mapping, used when no front end gives its own and as the fallback
// of front ends that let the user configure ports.
//   POSIX:   COM1 -> /dev/ttyUSB0, or /dev/ttyACM0 when only that exists
//            COM2 -> /dev/ttyUSB1, or /dev/ttyACM1 when only that exists
//            COM3 -> /dev/ttyS0,   COM4 -> /dev/ttyS1
//   Windows: COMn -> \\.\COMn
// A name that already is a device path (starts with '/' or '\') stands for itself.
std::string DefaultDeviceFor(const std::string& portName);

// The device a port name stands for through `resolver` (nullptr: the built-in
// mapping); a device path stands for itself.
std::string ResolvePort(IPortResolver* resolver, const std::string& portName);
