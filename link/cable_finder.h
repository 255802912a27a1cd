// Finds the programming cable by watching the device listing while the user
// unplugs it and plugs it in again: the device that went and came is the cable.
// A cable that was not plugged in to begin with is found when it comes.
#pragma once

#include "link/serial_devices.h"

#include <vector>

class CableFinder {
public:
    enum class Stage { WaitingForUnplug, WaitingForPlug, Found };

    explicit CableFinder(std::vector<SerialDevice> atStart);

    // Takes the listing of now and says how far the search is.
    Stage Feed(const std::vector<SerialDevice>& now);
    Stage CurrentStage() const { return m_stage; }
    // The device that went: valid from WaitingForPlug on.
    const SerialDevice& Unplugged() const { return m_unplugged; }
    // The cable: valid once Found.
    const SerialDevice& Cable() const { return m_cable; }

private:
    std::vector<SerialDevice> m_last;
    SerialDevice m_unplugged;
    SerialDevice m_cable;
    Stage m_stage = Stage::WaitingForUnplug;
};
