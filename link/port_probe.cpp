#include "link/port_probe.h"

#include "link/port_resolver.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <linux/serial.h>
#include <sys/ioctl.h>
#include <unistd.h>
#endif


bool PortExists(const std::string& portName)
{
    return DeviceExists(ResolvePort(portName));
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
    // The kernel keeps nodes for on-board serial ports that have no UART.
    struct serial_struct serial;
    const bool noUart = ::ioctl(fd, TIOCGSERIAL, &serial) == 0 && serial.type == PORT_UNKNOWN;
    ::close(fd);
    return !noUart;
#endif
}

std::vector<ProbedPort> ProbePorts()
{
    std::vector<ProbedPort> ports;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const std::string name = PortNameForIndex(index);
        if (PortExists(name))
            ports.push_back({ index, name, ResolvePort(name) });
    }
    return ports;
}
