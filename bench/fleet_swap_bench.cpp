#include "bench/fleet_swap_bench.h"

#include "ui/base/program_objects.h"

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "operations/fleet_operation.h"
#include "sim/simulated_radio.h"

#include <algorithm>
#include <atomic>
#include <chrono>
#include <cstdio>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;

sim::SimConfig TimedFleet(int radios, int unplugAfterMs, int swapMs)
{
    sim::SimConfig config;
    config.server.lineTiming = true;
    config.server.answerDelayMs = 2;
    config.radio.fleetSize = radios;
    config.server.unplugAfterMs = unplugAfterMs;
    config.server.swapMs = swapMs;
    return config;
}

// Holds each radio's row a little longer than the one before, so that the polls
// meet the plug-in (or the unplug) at a different point of their cycle each time.
void Stagger(int radio, int stepMs)
{
    std::this_thread::sleep_for(std::chrono::milliseconds(radio * stepMs));
}

} // namespace

double MeasureSwapDetectMs()
{
    constexpr int SWAPS = 10;
    // Unplugged at the write's reset and back once the loop is polling again.
    constexpr int SWAP_MS = 1300;
    sim::SimulatedRadio radio(TimedFleet(SWAPS + 1, 0, SWAP_MS));
    std::string error;
    if (!radio.Start(error)) {
        std::fprintf(stderr, "fleet.swap_detect_ms: %s\n", error.c_str());
        return 0;
    }
    std::vector<size_t> writeStarts; // each radio's first frame of its write, in History()
    FleetOptions options;
    options.count = SWAPS + 1;
    options.onStage = [&](FleetStage stage, int, const std::string&) {
        if (stage == FleetStage::Programming)
            writeStarts.push_back(radio.History().size());
    };
    // A poll cycle is about 55 ms: ten steps of 6 ms spread the plug-ins over it.
    options.onRow = [&](const FleetRow&) { Stagger(static_cast<int>(writeStarts.size()), 6); };
    RunFleetOperation(theRadioLink, radio.DevicePath(), ImageOf(theOptionBoardData).data(), options);
    const auto plugIns = radio.PlugIns();
    const auto arrivals = radio.Arrivals();
    double worst = 0;
    for (size_t i = 1; i < writeStarts.size() && i - 1 < plugIns.size(); ++i) {
        if (writeStarts[i] >= arrivals.size())
            continue;
        const double ms = std::chrono::duration<double, std::milli>(arrivals[writeStarts[i]] - plugIns[i - 1]).count();
        worst = std::max(worst, ms);
    }
    if (writeStarts.size() != SWAPS + 1)
        std::fprintf(stderr, "fleet.swap_detect_ms: %zu of %d radios found\n", writeStarts.size(), SWAPS + 1);
    return worst;
}

int MeasureShortestUnplugNoticedMs()
{
    constexpr int SWAPS = 6;
    // The radio stays plugged in past the loop's pause after the reset, so the
    // unplug falls while the loop polls it.
    constexpr int UNPLUG_AFTER_MS = 1200;
    int shortest = 0;
    for (const int unplugMs : { 300, 250, 200, 150, 100 }) {
        sim::SimulatedRadio radio(TimedFleet(SWAPS + 1, UNPLUG_AFTER_MS, unplugMs));
        std::string error;
        if (!radio.Start(error)) {
            std::fprintf(stderr, "fleet.shortest_unplug_ms: %s\n", error.c_str());
            return shortest;
        }
        int rows = 0;
        std::atomic<int64_t> giveUpAt{ 0 }; // nanoseconds on the clock; 0 while programming
        FleetOptions options;
        options.count = SWAPS + 1;
        options.onStage = [&](FleetStage stage, int, const std::string&) {
            const auto limit = Clock::now() + std::chrono::milliseconds(UNPLUG_AFTER_MS + unplugMs + 3000);
            giveUpAt = stage == FleetStage::ConnectNext ? limit.time_since_epoch().count() : 0;
        };
        // A poll cycle while the radio answers is about 130 ms: six steps of 21 ms spread the unplugs over it.
        options.onRow = [&](const FleetRow& row) {
            rows += row.ok ? 1 : 0;
            Stagger(rows, 21);
        };
        // A missed unplug leaves the loop waiting for one that already came and went.
        std::atomic<bool> done{ false };
        std::thread watch([&] {
            while (!done) {
                const int64_t limit = giveUpAt;
                if (limit != 0 && Clock::now().time_since_epoch().count() > limit)
                    GuiContext().stop->Request();
                std::this_thread::sleep_for(std::chrono::milliseconds(50));
            }
        });
        RunFleetOperation(theRadioLink, radio.DevicePath(), ImageOf(theOptionBoardData).data(), options);
        done = true;
        watch.join();
        GuiContext().stop->Clear();
        std::printf("fleet.shortest_unplug_ms: unplugs of %d ms, %d of %d radios programmed\n", unplugMs, rows, SWAPS + 1);
        if (rows != SWAPS + 1)
            break;
        shortest = unplugMs;
    }
    return shortest;
}
