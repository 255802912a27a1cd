// The serial device listing as `ports --all` prints it and the support bundle
// keeps it: one tab-separated line per device, for scripts and for support.
#pragma once

#include "link/serial_devices.h"
#include "seams/port_resolver.h"

#include <string>
#include <vector>

// The ports of COM1..COM4 that stand for the device through `resolver`.
std::vector<std::string> PortsFor(IPortResolver* resolver, const SerialDevice& device);

// The string id of the device's kind: cable, usb or serial.
int DeviceKindId(const SerialDevice& device);

// The device, its stable path ("-": none), the ports that stand for it ("-":
// none), its kind in English and what it says about itself; no line end.
std::string DeviceListingLine(IPortResolver* resolver, const SerialDevice& device);
