#include "seams/cable_unplugged.h"

namespace {

thread_local bool t_unplugged = false;

} // namespace

void NoteCableUnplugged()
{
    t_unplugged = true;
}

void ForgetCableUnplugged()
{
    t_unplugged = false;
}

bool CableUnplugged()
{
    return t_unplugged;
}
