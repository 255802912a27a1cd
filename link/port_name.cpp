#include "link/port_name.h"

std::string PortNameForIndex(int index)
{
    return "COM" + std::to_string(index + 1);
}

int PortIndexOf(const std::string& name)
{
    if (name.size() != 4 || name.compare(0, 3, "COM") != 0)
        return -1;
    const int index = name[3] - '1';
    return index >= 0 && index < PORT_COUNT ? index : -1;
}
