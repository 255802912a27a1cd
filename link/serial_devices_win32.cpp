// Windows: the Ports device class (SetupAPI) lists every COM port Windows knows,
// with its friendly name, the USB ids and serial number in its instance id, its
// driver's service and the problem code of a device whose driver failed. The
// registry's SERIALCOMM map adds the ports a driver made outside that class
// (Wine's, for one).
#include "link/serial_devices.h"

#include "link/windows_device_ids.h"

#include <windows.h>

#include <cfgmgr32.h>
#include <initguid.h> // GUID_DEVCLASS_PORTS defined here, not only declared
#include <devguid.h>
#include <setupapi.h>

#include <algorithm>

namespace {

std::string RegistryProperty(HDEVINFO set, SP_DEVINFO_DATA& info, DWORD property)
{
    char text[512];
    DWORD type = 0;
    if (!::SetupDiGetDeviceRegistryPropertyA(set, &info, property, &type, reinterpret_cast<BYTE*>(text), sizeof(text) - 1,
                                             nullptr)
        || (type != REG_SZ && type != REG_MULTI_SZ))
        return std::string();
    text[sizeof(text) - 1] = 0;
    return text;
}

std::string PortNameOf(HDEVINFO set, SP_DEVINFO_DATA& info)
{
    const HKEY key = ::SetupDiOpenDevRegKey(set, &info, DICS_FLAG_GLOBAL, 0, DIREG_DEV, KEY_READ);
    if (key == INVALID_HANDLE_VALUE)
        return std::string();
    char name[64] = {};
    DWORD size = sizeof(name) - 1;
    DWORD type = 0;
    const bool read = ::RegQueryValueExA(key, "PortName", nullptr, &type, reinterpret_cast<BYTE*>(name), &size) == ERROR_SUCCESS
                      && type == REG_SZ;
    ::RegCloseKey(key);
    return read ? std::string(name) : std::string();
}

std::string InstanceIdOf(DEVINST instance)
{
    char id[MAX_DEVICE_ID_LEN + 1] = {};
    return ::CM_Get_Device_IDA(instance, id, sizeof(id), 0) == CR_SUCCESS ? std::string(id) : std::string();
}

void AddPortsClass(std::vector<SerialDevice>& devices)
{
    const HDEVINFO set = ::SetupDiGetClassDevsA(&GUID_DEVCLASS_PORTS, nullptr, nullptr, DIGCF_PRESENT);
    if (set == INVALID_HANDLE_VALUE)
        return;
    SP_DEVINFO_DATA info;
    info.cbSize = sizeof(info);
    for (DWORD index = 0; ::SetupDiEnumDeviceInfo(set, index, &info); ++index) {
        SerialDevice device;
        device.name = PortNameOf(set, info);
        if (device.name.compare(0, 3, "COM") != 0)
            continue; // a printer port
        device.path = "\\\\.\\" + device.name;
        device.product = RegistryProperty(set, info, SPDRP_FRIENDLYNAME);
        // "USB Serial Port (COM7)": the COM name is said beside it already.
        const size_t own = device.product.rfind(" (" + device.name + ")");
        if (own != std::string::npos)
            device.product.erase(own);
        device.driver = RegistryProperty(set, info, SPDRP_SERVICE);
        std::transform(device.driver.begin(), device.driver.end(), device.driver.begin(),
                       [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
        // The port's own id, else its parent's (a composite device's interface
        // names the USB device, and its serial number, one level up).
        std::string serial;
        device.usb = ParseUsbInstanceId(InstanceIdOf(info.DevInst), device.vendorId, device.productId, serial);
        DEVINST parent = 0;
        if (serial.empty() && ::CM_Get_Parent(&parent, info.DevInst, 0) == CR_SUCCESS) {
            uint16_t vendor = 0;
            uint16_t product = 0;
            if (ParseUsbInstanceId(InstanceIdOf(parent), vendor, product, serial) && !device.usb) {
                device.usb = true;
                device.vendorId = vendor;
                device.productId = product;
            }
        }
        device.serialNumber = serial;
        ULONG status = 0;
        ULONG problem = 0;
        if (::CM_Get_DevNode_Status(&status, &problem, info.DevInst, 0) == CR_SUCCESS && (status & DN_HAS_PROBLEM))
            device.problem = problem;
        devices.push_back(device);
    }
    ::SetupDiDestroyDeviceInfoList(set);
}

void AddSerialCommMap(std::vector<SerialDevice>& devices)
{
    HKEY key = nullptr;
    if (::RegOpenKeyExA(HKEY_LOCAL_MACHINE, "HARDWARE\\DEVICEMAP\\SERIALCOMM", 0, KEY_READ, &key) != ERROR_SUCCESS)
        return;
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
        const bool listed = std::any_of(devices.begin(), devices.end(),
                                        [&](const SerialDevice& known) { return _stricmp(known.name.c_str(), device.name.c_str()) == 0; });
        if (listed)
            continue;
        device.path = "\\\\.\\" + device.name;
        device.driver = valueName; // \Device\VCP0 (FTDI), \Device\USBSER000 (CDC-ACM), \Device\Serial0
        device.usb = device.driver.find("USB") != std::string::npos || device.driver.find("VCP") != std::string::npos;
        if (device.driver.find("USBSER") != std::string::npos)
            device.driver = "usbser";
        devices.push_back(device);
    }
    ::RegCloseKey(key);
}

} // namespace

std::vector<SerialDevice> ListSerialDevices(const std::vector<CableId>& extraCables)
{
    std::vector<SerialDevice> devices;
    AddPortsClass(devices);
    AddSerialCommMap(devices);
    SortSerialDevices(devices, extraCables);
    return devices;
}

std::string DeviceProblemOf(const std::string& devicePath)
{
    // COM7 and \\.\COM7 are one port.
    const auto bare = [](const std::string& path) { return path.compare(0, 4, "\\\\.\\") == 0 ? path.substr(4) : path; };
    for (const SerialDevice& device : ListSerialDevices()) {
        if (device.problem != 0 && _stricmp(device.name.c_str(), bare(devicePath).c_str()) == 0)
            return DeviceProblemText(device.problem);
    }
    return std::string();
}
