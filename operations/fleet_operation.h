// Programming a fleet of radios with one settings record: wait for a radio to
// answer, write it (and verify it when asked), report it, wait until it is
// unplugged, and so on until enough radios are done or a stop is requested.
#pragma once

#include "link/radio_link.h"

#include "operations/info_operation.h"

#include <functional>
#include <string>

// One radio done, as the report shows it.
struct FleetRow {
    std::string time; // UTC, "2026-12-08T02:35:00Z", when the radio was found
    std::string port;
    std::string radioInfo; // the radio's answer to the radio information request
    BoardInfo board;       // type, hardware, software and codeplug (remarks unused)
    bool ok = false;
    std::string reason; // why it failed: the first error shown, or the stop
    double seconds = 0; // from finding the radio to its row
    OperationRecord record; // the radio's write, as the service history keeps it
    std::string radioId;    // the ID the technician gave before plugging it in; empty: none asked
    bool radioIdRepeated = false; // a radio of this ID was programmed before in the same run
};

// What the loop does now, for the front end to say.
enum class FleetStage { WaitingForRadio, Programming, ConnectNext };

struct FleetOptions {
    int count = 0; // radios to program; 0: until a stop is requested
    bool verify = false;
    std::function<void(const FleetRow&)> onRow; // each row as soon as it is made
    std::function<void(FleetStage stage, int radio, const std::string& text)> onStage;
    // When given, asked for each radio's ID before the loop waits for it ("scan,
    // then plug in"); false when no more IDs come, which ends the loop as a stop does.
    std::function<bool(int radio, std::string& radioId)> askRadioId;
};

struct FleetOutcome {
    int programmed = 0;
    int failed = 0;
    bool stopped = false;
    int portOutages = 0; // times the port did not open (each outage reported once)
};

// Runs the loop on the named port with the settings record's image. Polls
// quietly (no message per poll); a port that does not open is reported once
// per outage and tried again. Nothing is asked: the caller confirms the run.
FleetOutcome RunFleetOperation(CRadioLink& link, const std::string& portName, const uint8_t* image,
                               const FleetOptions& options);

// The poll's own wait for each reply (echo, acknowledgement, answer): short, so
// that polls follow each other closely and an unplug or the next radio is seen
// within a fraction of a second. The write keeps the link's own time-outs.
constexpr int FLEET_POLL_TIMEOUT_MS = 100;
// The least time from the start of one poll to the next.
constexpr int FLEET_POLL_MS = 50;
// From one attempt to open a port that did not open to the next.
constexpr int FLEET_PORT_RETRY_MS = 1000;
