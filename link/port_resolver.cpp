#include "link/port_resolver.h"

#include "link/port_name.h"

#include <sys/stat.h>

namespace {

#ifndef _WIN32
bool DeviceExists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

#endif

} // namespace

std::string DefaultDeviceFor(const std::string& portName)
{
    if (!portName.empty() && (portName[0] == '/' || portName[0] == '\\'))
        return portName;
#ifdef _WIN32
    return "\\\\.\\" + portName;
#else
    const int index = PortIndexOf(portName);
    switch (index) {
    case 0:
    case 1: {
        // One USB programming cable shows up as ttyUSB0 (serial converters) or
        // ttyACM0 (modem-class cables); either becomes COM1 without any setting.
        const std::string usb = "/dev/ttyUSB" + std::to_string(index);
        const std::string acm = "/dev/ttyACM" + std::to_string(index);
        if (!DeviceExists(usb) && DeviceExists(acm))
            return acm;
        return usb;
    }
    case 2:
        return "/dev/ttyS0";
    case 3:
        return "/dev/ttyS1";
    default:
        return "/dev/" + portName;
    }
#endif
}

std::string ResolvePort(IPortResolver* resolver, const std::string& portName)
{
    // A device path stands for itself whatever the resolver.
    if (!portName.empty() && (portName[0] == '/' || portName[0] == '\\'))
        return portName;
    return resolver ? resolver->DeviceFor(portName) : DefaultDeviceFor(portName);
}
