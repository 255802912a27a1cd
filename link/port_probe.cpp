#include "link/port_probe.h"

#include "link/port_resolver.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <linux/serial.h>
#include <string>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <unistd.h>
#endif

#ifndef _WIN32
namespace {

// The last part of the path a sysfs link points to: a driver's or a bus's name.
std::string LinkedName(const std::string& link)
{
    char target[PATH_MAX];
    const ssize_t length = ::readlink(link.c_str(), target, sizeof(target) - 1);
    if (length <= 0)
        return std::string();
    const std::string path(target, static_cast<size_t>(length));
    return path.substr(path.rfind('/') + 1);
}

// Whether the open tty is a legacy UART slot with nothing fitted. The kernel
// keeps nodes for such slots and reports their serial type as unknown, but so
// does every USB serial driver for an adapter that is there: what tells them
// apart is the device behind the tty, a bus device with its driver for a real
// one, the 8250 driver's placeholder on the platform bus for an empty slot.
bool EmptyUartSlot(int fd)
{
    struct serial_struct serial;
    if (::ioctl(fd, TIOCGSERIAL, &serial) != 0 || serial.type != PORT_UNKNOWN)
        return false;
    struct stat info;
    if (::fstat(fd, &info) != 0)
        return false;
    const std::string device = "/sys/dev/char/" + std::to_string(major(info.st_rdev)) + ":"
                             + std::to_string(minor(info.st_rdev)) + "/device";
    if (::access(device.c_str(), F_OK) != 0)
        return true; // no sysfs to ask: the serial type is all there is
    const std::string driver = LinkedName(device + "/driver");
    return driver.empty() || (driver == "serial8250" && LinkedName(device + "/subsystem") == "platform");
}

} // namespace
#endif


bool PortExists(IPortResolver* resolver, const std::string& portName)
{
    return DeviceExists(ResolvePort(resolver, portName));
}

bool DeviceExists(const std::string& device)
{
#ifdef _WIN32
    const HANDLE handle = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                        FILE_FLAG_OVERLAPPED | FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle != INVALID_HANDLE_VALUE) {
        ::CloseHandle(handle);
        return true;
    }
    return ::GetLastError() != ERROR_FILE_NOT_FOUND;
#else
    const int fd = ::open(device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        // No device node, or a node without hardware behind it: not there.
        // Anything else (busy, permission denied) means it exists.
        return errno != ENOENT && errno != ENXIO && errno != ENODEV && errno != ENOTDIR;
    }
    const bool emptySlot = EmptyUartSlot(fd);
    ::close(fd);
    return !emptySlot;
#endif
}

std::vector<ProbedPort> ProbePorts(IPortResolver* resolver)
{
    std::vector<ProbedPort> ports;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const std::string name = PortNameForIndex(index);
        if (PortExists(resolver, name))
            ports.push_back({ index, name, ResolvePort(resolver, name) });
    }
    return ports;
}
