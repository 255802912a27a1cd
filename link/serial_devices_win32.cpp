// Windows: the registry's SERIALCOMM map names every serial port a driver has
// made (its value names are the drivers' device names, its data the COM names).
#include "link/serial_devices.h"

#include <windows.h>

std::vector<SerialDevice> ListSerialDevices(const std::vector<CableId>& extraCables)
{
    std::vector<SerialDevice> devices;
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return devices;
    for (DWORD index = 0;; ++index) {
        char valueName[256];
        DWORD nameSize = sizeof(valueName);
        BYTE data[256];
        DWORD dataSize = sizeof(data) - 1;
        DWORD type = 0;
        const LONG result = ::RegEnumValueA(key, index, valueName, &nameSize, nullptr, &type, data, &dataSize);
        if (result == ERROR_NO_MORE_ITEMS)
            break;
        if (result != ERROR_SUCCESS || type != REG_SZ)
            continue;
        data[dataSize] = 0;
        SerialDevice device;
        device.name = reinterpret_cast<const char*>(data);
        device.path = "\\\\.\\" + device.name;
        device.driver = valueName; // \Device\VCP0 (FTDI), \Device\USBSER000 (CDC-ACM), \Device\Serial0
        device.usb = device.driver.find("USB") != std::string::npos || device.driver.find("VCP") != std::string::npos;
        if (device.driver.find("USBSER") != std::string::npos)
            device.driver = "usbser";
        devices.push_back(device);
    }
    ::RegCloseKey(key);
    SortSerialDevices(devices, extraCables);
    return devices;
}
