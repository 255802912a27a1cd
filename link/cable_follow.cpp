#include "link/cable_follow.h"

#include "link/same_device.h"
#include "link/serial_devices.h"

#include <sys/stat.h>

#include <vector>

namespace {

bool Exists(const std::string& path)
{
    struct stat info;
    return ::stat(path.c_str(), &info) == 0;
}

} // namespace

std::string StableNameOf(const std::string& device)
{
#ifdef _WIN32
    (void)device;
    return std::string();
#else
    if (!Exists(device))
        return std::string();
    for (const SerialDevice& listed : ListSerialDevices()) {
        if (!listed.stablePath.empty() && SameDevice(listed.path, device))
            return listed.stablePath;
    }
    return std::string();
#endif
}

std::string FollowCable(const std::string& device, const std::string& stableName)
{
    if (stableName.empty() || Exists(device))
        return device;
    std::vector<std::string> carriers;
    for (const SerialDevice& listed : ListSerialDevices()) {
        if (listed.stablePath == stableName)
            carriers.push_back(listed.path);
    }
    return carriers.size() == 1 ? carriers.front() : device;
}
