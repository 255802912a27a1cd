#include "link/cable_finder.h"

#include <algorithm>
#include <utility>

namespace {

bool Listed(const std::vector<SerialDevice>& devices, const SerialDevice& device)
{
    return std::any_of(devices.begin(), devices.end(),
                       [&](const SerialDevice& other) { return other.path == device.path; });
}

} // namespace

CableFinder::CableFinder(std::vector<SerialDevice> atStart, IClock* clock)
    : m_last(std::move(atStart)), m_clock(clock ? clock : &m_systemClock)
{
}

CableFinder::Stage CableFinder::Feed(const std::vector<SerialDevice>& now)
{
    if (m_stage == Stage::Found)
        return m_stage;
    // A device that came: the cable, whether or not one went first. When
    // several come at once (a hub plugged in), the one that went is preferred,
    // known by its stable path since its name may change.
    const SerialDevice* came = nullptr;
    for (const SerialDevice& device : now) {
        if (Listed(m_last, device))
            continue;
        const bool sameAsGone = m_stage == Stage::WaitingForPlug && !m_unplugged.stablePath.empty()
                                && device.stablePath == m_unplugged.stablePath;
        if (!came || sameAsGone)
            came = &device;
    }
#ifndef _WIN32
    // udev makes the stable link tens of milliseconds after the device shows;
    // until then the listing is not taken as seen, so the device keeps coming.
    if (came && came->usb && came->stablePath.empty()) {
        if (m_cameAtMs < 0)
            m_cameAtMs = m_clock->NowMs();
        if (m_clock->NowMs() - m_cameAtMs < CABLE_STABLE_NAME_WAIT_MS)
            return m_stage;
    }
#endif
    if (came) {
        m_cable = *came;
        m_stage = Stage::Found;
        return m_stage;
    }
    if (m_stage == Stage::WaitingForUnplug) {
        for (const SerialDevice& device : m_last) {
            if (!Listed(now, device)) {
                m_unplugged = device;
                m_stage = Stage::WaitingForPlug;
                break;
            }
        }
    }
    m_last = now;
    return m_stage;
}
