#include "bench/held_history_bench.h"

#include "ui/base/program_objects.h"

#include "bench/paint_watch.h"

#include "board/option_board_data.h"
#include "app/history_queue.h"
#include "app/service_history.h"
#include "link/radio_link.h"
#include "operations/fleet_on_ports.h"
#include "operations/read_operation.h"
#include "sim/simulated_radio.h"
#include "tests/support/held_history.h"
#include "ui/host/gui_host.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <chrono>
#include <memory>

namespace {

constexpr int HOLD_MS = 3000;

sim::SimConfig TimedRadio(int fleetSize = 0)
{
    sim::SimConfig config;
    config.server.lineTiming = true;
    config.server.answerDelayMs = 2;
    if (fleetSize > 0) {
        config.radio.fleetSize = fleetSize;
        config.server.swapMs = 1500;
    }
    return config;
}

// The history in a folder of its own, so that the user's is never touched.
class ScratchDataFolder {
public:
    ScratchDataFolder() : m_old(qgetenv("XDG_DATA_HOME")) { qputenv("XDG_DATA_HOME", m_folder.path().toLocal8Bit()); }
    ~ScratchDataFolder() { qputenv("XDG_DATA_HOME", m_old); }

private:
    QTemporaryDir m_folder;
    QByteArray m_old;
};

} // namespace

double MeasureHeldHistoryPaintGap()
{
    const ScratchDataFolder data;
    const std::string path = ServiceHistoryPath();
    HistoryStore(path).Open();
    sim::SimulatedRadio radio(TimedRadio());
    std::string error;
    if (!radio.Start(error))
        return -1;
    // The GUI's own arrangement: its host, and its queue for the entries.
    GuiHost host;
    HistoryQueue queue(path, HISTORY_PATIENCE_MS, false, nullptr);
    GuiHistory().queue = &queue;
    PaintWatch watch;
    watch.Start();
    {
        const HeldHistory held(path, false, HOLD_MS);
        HistoryRecorder recorder(GuiContext(), GuiHistory());
        host.BeginWaitCursor();
        const ReadOutcome outcome = RunReadOperation(theRadioLink, radio.DevicePath(), nullptr);
        host.EndWaitCursor();
        recorder.Record(outcome.record);
        // Until the entry has landed, the window's own event loop.
        QElapsedTimer waited;
        waited.start();
        while (!queue.WaitUntilTried(0) && waited.elapsed() < HISTORY_PATIENCE_MS + HOLD_MS)
            QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    GuiHistory().queue = nullptr;
    return watch.LongestMs();
}

namespace {

// Radios per minute of one run of two ports, and the entries it left.
double FleetPerMinute(bool held, int& entries)
{
    constexpr int RADIOS = 3;
    const ScratchDataFolder data;
    const std::string path = ServiceHistoryPath();
    HistoryStore(path).Open();
    std::vector<std::unique_ptr<sim::SimulatedRadio>> radios;
    std::vector<FleetPort> ports;
    std::vector<std::string> names;
    for (int i = 0; i < 2; ++i) {
        radios.push_back(std::make_unique<sim::SimulatedRadio>(TimedRadio(RADIOS)));
        std::string error;
        if (!radios.back()->Start(error))
            return 0;
        names.push_back(radios.back()->DevicePath());
    }
    auto history = std::make_unique<FleetHistory>(HistoryKeeping(), "bench.vgd", names, RADIOS);
    for (const std::string& name : names) {
        FleetPort port;
        port.portName = name;
        port.options.count = RADIOS;
        port.options.onRow = [&history](const FleetRow& row) { history->Add(row); };
        ports.push_back(std::move(port));
    }
    std::unique_ptr<HeldHistory> holder(held ? new HeldHistory(path, false) : nullptr);
    const auto start = std::chrono::steady_clock::now();
    RunFleetOnPorts(ports, ImageOf(theOptionBoardData).data(), GuiContext());
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    holder.reset();
    history->End(GuiContext());
    HistoryFilter fleet;
    fleet.operation = "fleet";
    entries = HistoryStore(path).Count(fleet);
    return 2 * RADIOS / seconds * 60.0;
}

} // namespace

HeldFleetFigures MeasureHeldHistoryFleet()
{
    HeldFleetFigures figures;
    figures.freePerMinute = FleetPerMinute(false, figures.entriesFree);
    figures.heldPerMinute = FleetPerMinute(true, figures.entriesHeld);
    return figures;
}
