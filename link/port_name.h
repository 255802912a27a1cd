// The port names users see: COM1..COM4, everywhere, on every system. The port
// resolver turns a name into the device it stands for.
#pragma once

#include <string>

constexpr int PORT_COUNT = 4;

// "COM1".."COM4" for the port indexes 0..3.
std::string PortNameForIndex(int index);

// 0..3 for "COM1".."COM4"; -1 for anything else (a device path, "COM5", "com1").
int PortIndexOf(const std::string& name);
