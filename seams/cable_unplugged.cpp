#include "seams/cable_unplugged.h"

namespace {

thread_local bool t_unplugged = false;
thread_local bool t_said = false;

} // namespace

void NoteCableUnplugged()
{
    t_unplugged = true;
}

void ForgetCableUnplugged()
{
    t_unplugged = t_said = false;
}

bool CableUnplugged()
{
    return t_unplugged;
}

bool FirstToSayCableUnplugged()
{
    if (!t_unplugged || t_said)
        return false;
    t_said = true;
    return true;
}
