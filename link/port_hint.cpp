#include "link/port_hint.h"

#include "link/port_access.h"
#include "link/port_name.h"
#include "link/same_device.h"
#include "link/serial_devices.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

#ifndef _WIN32
#include <grp.h>
#include <sys/stat.h>
#endif

namespace {

// What a device that is no serial line is instead, as the hint names it.
int NotSerialHintOf(const std::string& device)
{
#ifdef _WIN32
    (void)device;
    return IDS_HINT_NOT_SERIAL;
#else
    struct stat info;
    if (::stat(device.c_str(), &info) != 0)
        return IDS_HINT_NOT_SERIAL;
    if (S_ISREG(info.st_mode))
        return IDS_HINT_NOT_SERIAL_FILE;
    if (S_ISDIR(info.st_mode))
        return IDS_HINT_NOT_SERIAL_FOLDER;
    if (S_ISFIFO(info.st_mode))
        return IDS_HINT_NOT_SERIAL_PIPE;
    if (S_ISCHR(info.st_mode) || S_ISBLK(info.st_mode))
        return IDS_HINT_NOT_SERIAL_DEVICE;
    return IDS_HINT_NOT_SERIAL;
#endif
}

} // namespace

std::string PortOpenHint(const std::string& portName, const std::string& device, PortOpenFailure failure,
                         PortHintReader reader)
{
    // A port name first says which device it stands for; a device path given
    // directly stands for itself.
    std::string hint;
    if (portName != device)
        hint = FormatString(IDS_HINT_STANDS_FOR, portName.c_str(), device.c_str());
    std::string cause;
    std::string node;  // the device node, where the cause is the node's
    std::string group; // the node's group, where the cause is its permissions
    switch (failure) {
    case PortOpenFailure::NoSuchDevice: {
        const bool named = PortIndexOf(portName) >= 0;
        cause = FormatString(reader == PortHintReader::Terminal ? IDS_HINT_NO_DEVICE : IDS_HINT_NO_DEVICE_WINDOW,
                             named ? portName.c_str() : "COMn");
        break;
    }
    case PortOpenFailure::PermissionDenied: {
        // Joining root's group is no advice to give.
        // Permissions and groups are the node's, and it is the node a user looks up.
        node = DeviceBehind(device);
        group = DeviceGroup(node);
        cause = group.empty() || group == "root" ? FormatString(IDS_HINT_DENIED, node.c_str())
                              : FormatString(IDS_HINT_DENIED_GROUP, node.c_str(), group.c_str(), group.c_str());
        break;
    }
    case PortOpenFailure::Busy:
        cause = LoadString(IDS_HINT_BUSY);
        node = DeviceBehind(device);
        break;
    case PortOpenFailure::NotSerialDevice:
        cause = FormatString(NotSerialHintOf(device), device.c_str());
        break;
    case PortOpenFailure::None:
    case PortOpenFailure::Other:
        break;
    }
    // Windows keeps a cable whose driver failed in its device list, without a port to open.
    if (failure == PortOpenFailure::NoSuchDevice || failure == PortOpenFailure::Other) {
        const std::string problem = DeviceProblemOf(device);
        if (!problem.empty())
            cause = problem + (cause.empty() ? "" : " ") + cause;
    }
    if (!hint.empty() && !cause.empty())
        hint += ' ';
    hint += cause;
    // What more is known of the cause, each on a line of its own.
    if (!node.empty()) {
        for (const std::string& note : PortAccessNotes(node, group, failure, SystemAccessSources()))
            hint += '\n' + note;
    }
    return hint;
}

std::string DeviceGroup(const std::string& device)
{
#ifdef _WIN32
    (void)device;
    return std::string();
#else
    struct stat info;
    if (::stat(device.c_str(), &info) != 0)
        return std::string();
    const struct group* owner = ::getgrgid(info.st_gid);
    return owner ? owner->gr_name : std::to_string(info.st_gid);
#endif
}
