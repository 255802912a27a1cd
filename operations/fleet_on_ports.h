// A fleet on several ports at once: one fleet loop per port, each on a thread
// of its own with its own link and port, so that a radio that fails or a cable
// that is missing on one port never holds up the others. Each port's loop gets a
// context of its own; one stop request ends them all, and each then resets its
// radio as a stopped write does.
#pragma once

#include "operations/fleet_operation.h"

#include <functional>
#include <string>
#include <vector>

class IMessagePresenter;
class ITrace;
class OperationContext;

struct FleetPort {
    std::string portName;
    // count, verify and the callbacks for this port; the callbacks are called
    // on the port's own thread.
    FleetOptions options;
    // What this port's loop shows its messages through (a port that does not
    // open, say); nullptr: they are dropped. Called on the port's own thread.
    IMessagePresenter* presenter = nullptr;
    // This port's trace; nullptr: none.
    ITrace* trace = nullptr;
};

// The most ports one run drives.
constexpr int FLEET_MAX_PORTS = 8;

// Runs every port's loop at once with the settings image and returns when all
// have ended: the outcomes in the order of `ports`. Each loop's context takes
// the caller's stop request, port resolver, hint reader and lab mode; its
// presenter and trace are the port's. `waiting`, when given, is
// called on the calling thread every few milliseconds meanwhile (a GUI keeps its
// window painted there).
std::vector<FleetOutcome> RunFleetOnPorts(const std::vector<FleetPort>& ports, const uint8_t* image, OperationContext& caller,
                                          const std::function<void()>& waiting = {});
