// Linux: the tty class in sysfs names every serial device the kernel has; USB
// adapters carry their ids and texts on the USB device above the tty, and udev
// keeps a link per adapter in /dev/serial/by-id that follows it to any socket.
#include "link/serial_devices.h"

#include <filesystem>
#include <fstream>
#include <map>
#include <system_error>

namespace fs = std::filesystem;

namespace {

std::string FirstLine(const fs::path& file)
{
    std::ifstream in(file);
    std::string line;
    std::getline(in, line);
    while (!line.empty() && (line.back() == '\n' || line.back() == '\r' || line.back() == ' '))
        line.pop_back();
    return line;
}

uint16_t HexFile(const fs::path& file)
{
    try {
        return static_cast<uint16_t>(std::stoul(FirstLine(file), nullptr, 16));
    } catch (...) {
        return 0;
    }
}

// A tty name worth listing: a serial driver's device, not a console or a pty.
bool SerialName(const std::string& name)
{
    for (const char* prefix : { "ttyUSB", "ttyACM", "ttyS", "ttyAMA", "ttymxc", "ttyXRUSB", "rfcomm" }) {
        if (name.rfind(prefix, 0) == 0)
            return true;
    }
    return false;
}

} // namespace

std::vector<SerialDevice> ListSerialDevicesUnder(const std::string& root, const std::vector<CableId>& extraCables)
{
    std::error_code error;
    // The stable links first: name -> /dev/serial/by-id/...
    std::map<std::string, std::string> stable;
    const fs::path byId = fs::path(root) / "dev/serial/by-id";
    for (const fs::directory_entry& link : fs::directory_iterator(byId, error)) {
        std::error_code linkError;
        const fs::path target = fs::read_symlink(link.path(), linkError);
        if (!linkError)
            stable.emplace(target.filename().string(), "/dev/serial/by-id/" + link.path().filename().string());
    }

    std::vector<SerialDevice> devices;
    const fs::path ttys = fs::path(root) / "sys/class/tty";
    for (const fs::directory_entry& entry : fs::directory_iterator(ttys, error)) {
        const std::string name = entry.path().filename().string();
        std::error_code entryError;
        const fs::path deviceLink = entry.path() / "device";
        if (!SerialName(name) || !fs::exists(deviceLink, entryError))
            continue;
        // On-board UARTs that are not fitted still have nodes; their type is 0.
        if (name.rfind("ttyS", 0) == 0 && fs::exists(entry.path() / "type", entryError)
            && FirstLine(entry.path() / "type") == "0")
            continue;
        SerialDevice device;
        device.name = name;
        device.path = "/dev/" + name;
        const auto found = stable.find(name);
        if (found != stable.end())
            device.stablePath = found->second;
        const fs::path driver = fs::read_symlink(deviceLink / "driver", entryError);
        if (!entryError)
            device.driver = driver.filename().string();
        // The USB device is the nearest folder above the tty's device with a vendor id.
        const fs::path real = fs::canonical(deviceLink, entryError);
        for (fs::path at = real; !entryError && !at.empty() && at != at.parent_path(); at = at.parent_path()) {
            if (fs::exists(at / "idVendor", entryError)) {
                device.usb = true;
                device.vendorId = HexFile(at / "idVendor");
                device.productId = HexFile(at / "idProduct");
                device.manufacturer = FirstLine(at / "manufacturer");
                device.product = FirstLine(at / "product");
                device.serialNumber = FirstLine(at / "serial");
                break;
            }
            if (at == fs::path(root))
                break;
        }
        devices.push_back(device);
    }
    SortSerialDevices(devices, extraCables);
    return devices;
}

std::vector<SerialDevice> ListSerialDevices(const std::vector<CableId>& extraCables)
{
    return ListSerialDevicesUnder("/", extraCables);
}

std::string DeviceProblemOf(const std::string&)
{
    // A Linux driver that does not bind makes no tty: there is nothing to list.
    return std::string();
}
