// The serial device listing as `ports --all` prints it and the support bundle
// keeps it: one tab-separated line per device, for scripts and for support.
#pragma once

#include "link/serial_devices.h"

#include <string>
#include <vector>

// The ports of COM1..COM4 that stand for the device.
std::vector<std::string> PortsFor(const SerialDevice& device);

// The string id of the device's kind: cable, usb or serial.
int DeviceKindId(const SerialDevice& device);

// The device, its stable path ("-": none), the ports that stand for it ("-":
// none), its kind in English and what it says about itself; no line end.
std::string DeviceListingLine(const SerialDevice& device);
