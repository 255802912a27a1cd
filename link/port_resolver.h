// The port-resolver seam: turns the port names users see (COM1..COM4) into the
// device the serial port opens.
#pragma once

#include <string>

class IPortResolver {
public:
    virtual ~IPortResolver() = default;
    virtual std::string DeviceFor(const std::string& portName) = 0;
};

// The built-in mapping, used when no front end installs its own and as the fallback
// of front ends that let the user configure ports.
//   POSIX:   COM1 -> /dev/ttyUSB0, or /dev/ttyACM0 when only that exists
//            COM2 -> /dev/ttyUSB1, or /dev/ttyACM1 when only that exists
//            COM3 -> /dev/ttyS0,   COM4 -> /dev/ttyS1
//   Windows: COMn -> \\.\COMn
// A name that already is a device path (starts with '/' or '\') stands for itself.
std::string DefaultDeviceFor(const std::string& portName);

// Installs the resolver used from now on; nullptr restores the built-in mapping.
void SetPortResolver(IPortResolver* resolver);

std::string ResolvePort(const std::string& portName);
