// A port that stands for a kernel name (/dev/ttyUSB0) follows its cable to a new
// name. A cable pulled and plugged in again while a program still holds its old
// device comes back under another name (/dev/ttyUSB1); the port remembers the
// stable name of the cable last seen on its device and, while that device is
// gone, uses the one device that carries that stable name.
#pragma once

#include <string>

// The stable name (/dev/serial/by-id/...) of the device at `device`; empty when it
// has none or does not exist.
std::string StableNameOf(const std::string& device);

// The device a port stored as `device` stands for when its cable was last seen as
// `stableName`: `device` while it exists, else the one present device with that
// stable name, else `device` (which then reports itself missing).
std::string FollowCable(const std::string& device, const std::string& stableName);
