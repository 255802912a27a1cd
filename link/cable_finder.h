// Finds the programming cable by watching the device listing while the user
// unplugs it and plugs it in again: the device that went and came is the cable.
// A cable that was not plugged in to begin with is found when it comes.
// A USB adapter shows up a moment before udev makes its stable link; the finder
// waits for that link (up to CABLE_STABLE_NAME_WAIT_MS) before it chooses, so the
// cable is kept by the name that stays.
#pragma once

#include "link/serial_devices.h"
#include "seams/clock.h"

#include <cstdint>
#include <vector>

constexpr int CABLE_STABLE_NAME_WAIT_MS = 2000;

class CableFinder {
public:
    enum class Stage { WaitingForUnplug, WaitingForPlug, Found };

    // `clock` times the wait for a stable link; the system clock when none is given.
    explicit CableFinder(std::vector<SerialDevice> atStart, IClock* clock = nullptr);

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
    SystemClock m_systemClock;
    IClock* m_clock;
    int64_t m_cameAtMs = -1; // when a device without its stable link came; -1: none is waited for
};
