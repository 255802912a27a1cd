// Whether this user may open a device for reading and writing: a device that is
// there but forbidden (not in its group) is listed, yet no operation can use it.
#pragma once

#include <string>

// False only when the system says this user lacks the right to open `device`
// for reading and writing; a device that is missing or busy is not judged here.
bool MayOpenDevice(const std::string& device);
