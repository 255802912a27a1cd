// Simulator configurations for tests.
#pragma once

#include "sim/faults.h"
#include "sim/simulated_radio.h"

#include <initializer_list>
#include <stdexcept>
#include <string>

// A configuration with the given faults ("nak@info", "silent-board@write", ...).
inline sim::SimConfig SimConfigWithFaults(std::initializer_list<const char*> faults)
{
    sim::SimConfig config;
    for (const char* text : faults) {
        std::string error;
        const std::optional<sim::FaultRule> rule = sim::ParseFault(text, error);
        if (!rule)
            throw std::invalid_argument(error);
        config.radio.faults.push_back(*rule);
    }
    return config;
}
