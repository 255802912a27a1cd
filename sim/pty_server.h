// Serves the simulated radio on a pseudo-terminal: reads frames, echoes them and
// sends the radio's answers, either at once or at the pace of a 9600-baud line.
#pragma once

#include "sim/board_memory.h"
#include "sim/radio_model.h"
#include "sim/wire.h"

#include <chrono>
#include <cstdio>
#include <deque>
#include <mutex>
#include <string>
#include <vector>

namespace sim {

struct ServerOptions {
    bool lineTiming = false; // every byte takes its time on a 9600-baud 8N1 line
    int answerDelayMs = 0;   // the radio's thinking time before it acknowledges
    std::string statePath;   // board memory saved here after every write
    std::string logPath;     // one line per frame received
    int swapMs = 3000;       // a fleet's radio stays unplugged (silent) this long after its write
    int unplugAfterMs = 0;   // and is unplugged this long after the reset that ends its write
};

// Time one byte takes on the line at 9600 baud with start and stop bit.
constexpr std::chrono::nanoseconds LINE_BYTE_TIME(10LL * 1000000000LL / 9600);
// A frame whose next byte does not come within this time is dropped.
constexpr std::chrono::milliseconds PARTIAL_FRAME_TIMEOUT(500);

class PtyServer {
public:
    PtyServer(RadioModel& radio, BoardMemory& memory, ServerOptions options);
    ~PtyServer();
    PtyServer(const PtyServer&) = delete;
    PtyServer& operator=(const PtyServer&) = delete;

    // Creates the pseudo-terminal; false with a reason on failure.
    bool Open(std::string& error);
    const std::string& DevicePath() const { return m_devicePath; }
    // Serves until Stop() is called (from another thread or a signal handler).
    void Run();
    // Async-signal-safe.
    void Stop();
    // Holds off the server's frame handling while the caller looks at the radio.
    std::mutex& Lock() { return m_mutex; }

    // Bytes on the wire so far: received from the PC, and sent back other than
    // the echo (acknowledgements and answers). Read under Lock().
    struct Traffic {
        uint64_t bytesIn = 0;
        uint64_t replyBytesOut = 0;
    };
    Traffic GetTraffic() const { return m_traffic; }
    // The board memories of the fleet's radios so far, the connected one last. Read under Lock().
    std::vector<BoardMemory::Image> FleetMemories() const;
    // When each fleet radio after the first is (or will be) plugged in. Read under Lock().
    std::vector<std::chrono::steady_clock::time_point> PlugIns() const { return m_plugIns; }
    // When each frame the radio received (each of its History()) arrived. Read under Lock().
    std::vector<std::chrono::steady_clock::time_point> Arrivals() const { return m_arrivals; }

private:
    using Clock = std::chrono::steady_clock;
    struct TimedByte {
        Clock::time_point at;
        uint8_t byte;
    };

    void ReadInput();
    void FeedDueInput(Clock::time_point now);
    void HandleFrame(const WireFrame& frame, const std::vector<Clock::time_point>& arrivals);
    void Schedule(uint8_t byte, Clock::time_point earliest);
    void WriteDueOutput(Clock::time_point now);
    void Log(const WireFrame& frame, const Request& request);
    void ConnectNextRadio();

    RadioModel& m_radio;
    BoardMemory& m_memory;
    ServerOptions m_options;
    std::mutex m_mutex;
    int m_master = -1;
    int m_slave = -1; // kept open so the device never hangs up between clients
    int m_wake[2] = { -1, -1 };
    std::string m_devicePath;
    std::FILE* m_log = nullptr;
    Clock::time_point m_start;

    WireAssembler m_assembler;
    std::vector<Clock::time_point> m_frameArrivals;
    Clock::time_point m_lastFed;
    std::deque<TimedByte> m_input;
    std::deque<TimedByte> m_output;
    Clock::time_point m_lastArrival;
    Clock::time_point m_outputFree;
    Traffic m_traffic;
    // The fleet: every radio starts with the memory the first one had; while
    // one is swapped for the next, frames go unanswered.
    BoardMemory::Image m_freshMemory;
    std::vector<BoardMemory::Image> m_fleetDone;
    bool m_swapDue = false; // the radio is written and reset; it is unplugged at m_unpluggedFrom
    Clock::time_point m_unpluggedFrom;
    Clock::time_point m_unpluggedUntil;
    std::vector<Clock::time_point> m_plugIns;
    std::vector<Clock::time_point> m_arrivals;
};

} // namespace sim
