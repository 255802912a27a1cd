// A simulated radio on a pseudo-terminal with the product's link attached to it:
// the bench setup most link and operation tests start from.
#pragma once

#include "link/radio_link.h"
#include "link/serial_port.h"
#include "sim/simulated_radio.h"
#include "tests/support/sim_config.h"
#include "tests/support/bench_objects.h"
#include "tests/support/recording_presenter.h"

#include <chrono>
#include <stdexcept>
#include <string>

class SimLink {
public:
    explicit SimLink(sim::SimConfig config = sim::SimConfig()) : radio(std::move(config))
    {
        std::string error;
        if (!radio.Start(error))
            throw std::runtime_error(error);
        if (!port.Open(radio.DevicePath().c_str()))
            throw std::runtime_error("cannot open " + radio.DevicePath());
        theRadioLink.m_pPort = &port;
        theRadioLink.m_nStatus = LINK_OK;
    }
    ~SimLink()
    {
        theRadioLink.m_pPort = nullptr;
        theRadioLink.m_nStatus = LINK_OK;
        port.Close();
        radio.Stop();
    }

    static sim::SimConfig WithFaults(std::initializer_list<const char*> faults) { return SimConfigWithFaults(faults); }

    sim::SimulatedRadio radio;
    CSerialPort port{ theRadioLink.Context() };
    RecordingPresenter messages;
};

// Wall time of a call, in milliseconds.
template <typename F>
double ElapsedMs(F&& call)
{
    const auto start = std::chrono::steady_clock::now();
    call();
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}
