#include "link/same_device.h"

#include "link/port_resolver.h"

#ifdef _WIN32
#include <algorithm>
#include <cctype>
#else
#include <climits>
#include <cstdlib>
#include <sys/stat.h>
#endif

std::string DeviceBehind(const std::string& device)
{
#ifdef _WIN32
    return device;
#else
    char resolved[PATH_MAX];
    return ::realpath(device.c_str(), resolved) ? std::string(resolved) : device;
#endif
}

bool SameDevice(const std::string& first, const std::string& second)
{
#ifdef _WIN32
    // COM names and device paths are not case-sensitive on Windows.
    const auto lower = [](std::string text) {
        std::transform(text.begin(), text.end(), text.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        return text;
    };
    return lower(first) == lower(second);
#else
    struct stat a;
    struct stat b;
    if (::stat(first.c_str(), &a) != 0 || ::stat(second.c_str(), &b) != 0)
        return first == second;
    // Two nodes of one character device (a udev link, a second mknod) share its
    // device number, not their inode.
    if (S_ISCHR(a.st_mode) && S_ISCHR(b.st_mode))
        return a.st_rdev == b.st_rdev;
    return a.st_dev == b.st_dev && a.st_ino == b.st_ino;
#endif
}

bool FindSharedDevice(IPortResolver* resolver, const std::vector<std::string>& ports, SharedDevice& shared)
{
    std::vector<std::string> devices;
    for (const std::string& port : ports)
        devices.push_back(ResolvePort(resolver, port));
    for (size_t i = 0; i < ports.size(); ++i) {
        for (size_t j = 0; j < i; ++j) {
            if (SameDevice(devices[j], devices[i])) {
                shared = { ports[j], ports[i], DeviceBehind(devices[i]) };
                return true;
            }
        }
    }
    return false;
}
