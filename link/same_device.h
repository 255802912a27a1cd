// Whether two port names (COM1..COM4 or device paths) stand for one device: a
// cable's stable link and the tty it points to are one device under two names,
// and two loops on it would fight over the one port.
#pragma once

#include "seams/port_resolver.h"

#include <string>
#include <vector>

// True when the two device paths name one device: POSIX compares what the files
// are (the device number of a character device, else the file system and inode);
// a path that does not exist compares by its name. Windows compares the names,
// case ignored.
bool SameDevice(const std::string& first, const std::string& second);

// The device node a path ends at, its links followed (a cable's stable by-id
// name leads to its tty); the path itself where that cannot be told.
std::string DeviceBehind(const std::string& device);

// Two of `ports` that stand for one device, resolved through a port resolver.
struct SharedDevice {
    std::string first;  // as given
    std::string second; // as given
    std::string device; // the device itself, its links followed where that can be told
};

// The first pair of ports that share a device; false when every port is a device of its own.
bool FindSharedDevice(IPortResolver* resolver, const std::vector<std::string>& ports, SharedDevice& shared);
