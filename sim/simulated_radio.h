// A complete simulated radio with its option board, served on a pseudo-terminal
// from a thread of its own: what the tests and the simulator program start.
#pragma once

#include "sim/board_memory.h"
#include "sim/pty_server.h"
#include "sim/radio_model.h"

#include <chrono>
#include <memory>
#include <string>
#include <thread>

namespace sim {

struct SimConfig {
    BoardIdentity identity;
    RadioSettings radio;
    ServerOptions server;
    bool badImageChecksum = false; // the settings image's checksum does not match it
};

class SimulatedRadio {
public:
    explicit SimulatedRadio(SimConfig config = SimConfig());
    ~SimulatedRadio();
    SimulatedRadio(const SimulatedRadio&) = delete;
    SimulatedRadio& operator=(const SimulatedRadio&) = delete;

    // Loads the board memory (from the state file when it exists, creating it
    // otherwise) and opens the pseudo-terminal. False with a reason on failure.
    bool Open(std::string& error);
    // Opens (if not yet done) and serves from a thread of its own.
    bool Start(std::string& error);
    // Serves an opened radio on the calling thread until Stop().
    void Serve();
    // Async-signal-safe when serving on the calling thread.
    void Stop();

    const std::string& DevicePath() const { return m_server->DevicePath(); }

    // Thread-safe looks at the board and the radio.
    BoardMemory::Image MemorySnapshot();
    void PokeMemory(size_t address, const Bytes& bytes);
    int FramesReceived();
    std::vector<Request> History();
    PtyServer::Traffic Traffic();
    // Each fleet radio's board memory so far, the connected one last.
    std::vector<BoardMemory::Image> FleetMemories();
    // When each fleet radio after the first is plugged in, and when each frame of History() arrived.
    std::vector<std::chrono::steady_clock::time_point> PlugIns();
    std::vector<std::chrono::steady_clock::time_point> Arrivals();

private:
    SimConfig m_config;
    BoardMemory m_memory;
    std::unique_ptr<RadioModel> m_radio;
    std::unique_ptr<PtyServer> m_server;
    std::thread m_thread;
};

// Spoils the settings image's checksum in memory (for the bad-checksum fault).
void SpoilSettingsChecksum(BoardMemory& memory);

} // namespace sim
