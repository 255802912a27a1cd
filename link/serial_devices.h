// The serial devices this computer has, with what they say about themselves:
// the device path, a path that stays the same whatever the plug order (Linux:
// /dev/serial/by-id/...), and for USB adapters their ids and texts. Devices
// with a chip that programming cables are known to use are listed first.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

struct SerialDevice {
    std::string name;       // ttyUSB0, ttyACM0, ttyS0; COM3 on Windows
    std::string path;       // what the serial port opens: /dev/ttyUSB0, \\.\COM3
    std::string stablePath; // the same device whatever the plug order; empty when none
    bool usb = false;
    uint16_t vendorId = 0;
    uint16_t productId = 0;
    std::string manufacturer;
    std::string product;
    std::string serialNumber;
    std::string driver;      // ftdi_sio, cdc_acm, ... (Windows: the registry's device name)
    bool knownCable = false; // a chip programming cables are known to use
    uint32_t problem = 0;    // Windows: the device's problem code (10: its driver does not start); 0 when it works

    // What a user picks by: the stable path when there is one.
    const std::string& PathToKeep() const { return stablePath.empty() ? path : stablePath; }
};

// A USB id of a programming cable; product 0 stands for every product of the vendor.
struct CableId {
    uint16_t vendor = 0;
    uint16_t product = 0;
};

// "0403:6001, 1a86" as ids; false (with nothing taken) when a part is not one.
bool ParseCableIds(const std::string& text, std::vector<CableId>& ids);

// The devices present, known cables first, then other USB adapters, then the
// rest, each group by name. `extraCables` adds ids to the built-in ones.
std::vector<SerialDevice> ListSerialDevices(const std::vector<CableId>& extraCables = {});

#ifndef _WIN32
// The same from a tree that stands for "/" (tests build one): `root`/sys/class/tty
// and `root`/dev/serial/by-id are read, the paths given as they are below `root`.
std::vector<SerialDevice> ListSerialDevicesUnder(const std::string& root, const std::vector<CableId>& extraCables = {});
#endif

// Marks the known cables among `devices` and puts them in the order the listing gives.
void SortSerialDevices(std::vector<SerialDevice>& devices, const std::vector<CableId>& extraCables);

// What to do about the device behind `devicePath` when Windows reports a problem
// with it (a cable whose driver does not start has no COM port to open); empty
// when there is none, and always elsewhere.
std::string DeviceProblemOf(const std::string& devicePath);

// One line about a device for lists and menus: "FTDI FT232R USB UART (0403:6001,
// serial A1B2C3D4)"; "serial port" for a device without texts. A device with a
// problem says what to do about it after that.
std::string DeviceDescription(const SerialDevice& device);
