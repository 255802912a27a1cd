// vigilon-bench: how close the link comes to what the protocol allows, how little
// processor it uses while waiting, how soon it gives up on a silent radio, how
// well the GUI keeps painting during a read-out, how soon the programs start,
// and whether thousands of operations leave anything behind. One line per figure:
//   name: value unit (bound: B, ratio: R)      R = value / B; R <= 1 is within the bound
// Runs against the simulated radio in its 9600-baud timing mode (the soak against
// its immediate mode). --quick shortens the read-out and the soak; --soak runs
// only the soak, in full; --fleet only the fleet loop; --history only the
// service history's figures; --depot only the depot's record's.
#include "bench/depot_bench.h"
#include "bench/fleet_swap_bench.h"

#include "ui/base/program_objects.h"
#include "bench/held_history_bench.h"
#include "bench/history_bench.h"
#include "bench/paint_watch.h"
#include "bench/soak.h"
#include "bench/startup.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "operations/fleet_on_ports.h"
#include "operations/fleet_operation.h"
#include "operations/info_operation.h"
#include "operations/read_operation.h"
#include "operations/readout_operation.h"
#include "operations/write_operation.h"
#include "seams/clock.h"
#include "seams/message_presenter.h"
#include "seams/trace.h"
#include "cli/trace_file.h"
#include "sim/simulated_radio.h"
#include "ui/host/gui_host.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <ctime>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int ANSWER_DELAY_MS = 2;
// The processor share and the GUI's stalls suffer most from other work on the
// machine: each is measured this many times and the worst run is reported.
constexpr int NOISY_RUNS = 3;
constexpr double BYTE_MS = 10.0 * 1000.0 / 9600.0; // 8N1 at 9600 baud
constexpr int SOAK_OPERATIONS = 10000;
constexpr int QUICK_SOAK_OPERATIONS = 2000;

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point from)
{
    return std::chrono::duration<double>(Clock::now() - from).count();
}

double ThreadCpuSeconds()
{
    struct timespec ts;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
    return static_cast<double>(ts.tv_sec) + static_cast<double>(ts.tv_nsec) / 1e9;
}

void Report(const char* name, double value, const char* unit, double bound)
{
    std::printf("%s: %.4g %s (bound: %g, ratio: %.3f)\n", name, value, unit, bound, value / bound);
    std::fflush(stdout);
}

// A figure that must reach its bound: the ratio is bound / value, so that
// R <= 1 is within the bound here too.
void ReportAtLeast(const char* name, double value, const char* unit, double bound)
{
    std::printf("%s: %.4g %s (bound: >= %g, ratio: %.3f)\n", name, value, unit, bound, value > 0 ? bound / value : 0.0);
    std::fflush(stdout);
}

// Runs a measurement NOISY_RUNS times, lists every run and reports the worst.
template <typename Measure>
void ReportWorstOfRuns(const char* name, const char* unit, double bound, Measure measure)
{
    std::string runs;
    double worst = 0;
    for (int run = 0; run < NOISY_RUNS; ++run) {
        const double value = measure();
        worst = std::max(worst, value);
        char text[32];
        std::snprintf(text, sizeof(text), "%s%.4g", run == 0 ? "" : ", ", value);
        runs += text;
    }
    std::printf("%s: runs %s %s\n", name, runs.c_str(), unit);
    Report(name, worst, unit, bound);
}

// Answers every question with Yes and keeps the texts, with when they came.
class BenchPresenter : public IMessagePresenter {
public:
    BenchPresenter() { GuiContext().presenter = this; }
    ~BenchPresenter() override { GuiContext().ForgetPresenter(this); }
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        last = request.text;
        at = Clock::now();
        return request.buttons == MsgButtons::Ok ? MsgAnswer::Ok : MsgAnswer::Yes;
    }
    std::string last;
    Clock::time_point at;
};

sim::SimConfig TimedRadio()
{
    sim::SimConfig config;
    config.server.lineTiming = true;
    config.server.answerDelayMs = ANSWER_DELAY_MS;
    return config;
}

// The protocol's minimum for what the radio saw since `before`: every byte on
// the wire (the echo runs alongside the request), the radio's answer delay per
// frame, and the pauses the link must keep (more than 101 ms after a command,
// more than 1001 ms after a reset).
double MinimumSeconds(sim::SimulatedRadio& radio, size_t framesBefore, const sim::PtyServer::Traffic& before)
{
    const std::vector<sim::Request> history = radio.History();
    const sim::PtyServer::Traffic after = radio.Traffic();
    double ms = static_cast<double>((after.bytesIn - before.bytesIn) + (after.replyBytesOut - before.replyBytesOut)) * BYTE_MS;
    for (size_t i = framesBefore; i < history.size(); ++i)
        ms += ANSWER_DELAY_MS + (history[i].kind == sim::RequestKind::Reset ? 1001 : 101);
    return ms / 1000.0;
}

// The serial trace on, as the CLI's --trace has it: every line formatted and
// flushed to a file as it comes (the GUI's buffer does less: no file).
class TraceToFile {
public:
    TraceToFile() : m_path((std::filesystem::temp_directory_path() / "vigilon-bench-trace.txt").string())
    {
        if (m_file.Open(m_path))
            GuiContext().trace = &m_text;
    }
    ~TraceToFile()
    {
        GuiContext().trace = nullptr;
        std::error_code ignored;
        std::filesystem::remove(m_path, ignored);
    }

private:
    std::string m_path;
    CTraceFile m_file;
    CTextTrace m_text{ m_file };
};

template <typename Operation>
void MeasureRatio(const char* name, Operation operation)
{
    sim::SimulatedRadio radio(TimedRadio());
    std::string error;
    if (!radio.Start(error)) {
        std::fprintf(stderr, "%s: %s\n", name, error.c_str());
        return;
    }
    const size_t frames = radio.History().size();
    const sim::PtyServer::Traffic traffic = radio.Traffic();
    const Clock::time_point start = Clock::now();
    operation(radio.DevicePath());
    const double wall = Seconds(start);
    Report(name, wall / MinimumSeconds(radio, frames, traffic), "x", 1.05);
}

// The fleet loop over three timed radios: for each, the time from finding it to
// its row over the minimum of the requests it received meanwhile (the write's,
// with the two identity reads and, verifying, the read-back). Beside it the
// time with polling: from each radio's plug-in (the run's start for the first)
// to its row, over the same minimum; the swap itself is the technician's time.
void MeasureFleet(bool verify)
{
    constexpr int RADIOS = 3;
    constexpr int SWAP_MS = 1500;
    sim::SimConfig config = TimedRadio();
    config.radio.fleetSize = RADIOS;
    config.server.swapMs = SWAP_MS;
    sim::SimulatedRadio radio(config);
    std::string error;
    if (!radio.Start(error)) {
        std::fprintf(stderr, "fleet: %s\n", error.c_str());
        return;
    }
    size_t frames = 0;
    sim::PtyServer::Traffic traffic;
    Clock::time_point found;
    double worst = 0;
    double minimum = 0;
    FleetOptions options;
    options.count = RADIOS;
    options.verify = verify;
    options.onStage = [&](FleetStage stage, int, const std::string&) {
        if (stage != FleetStage::Programming)
            return;
        frames = radio.History().size();
        traffic = radio.Traffic();
        found = Clock::now();
    };
    int failed = 0;
    int done = 0;
    double withPolling = 0;
    const Clock::time_point start = Clock::now();
    options.onRow = [&](const FleetRow& row) {
        const double least = MinimumSeconds(radio, frames, traffic);
        minimum += least / RADIOS;
        worst = std::max(worst, Seconds(found) / least);
        failed += row.ok ? 0 : 1;
        const std::vector<Clock::time_point> plugIns = radio.PlugIns();
        const Clock::time_point present = done == 0 ? start : plugIns[static_cast<size_t>(done - 1)];
        withPolling += Seconds(present) / RADIOS;
        ++done;
    };
    RunFleetOperation(theRadioLink, radio.DevicePath(), ImageOf(theOptionBoardData).data(), options);
    const char* name = verify ? "fleet.per_radio_ratio (verify)" : "fleet.per_radio_ratio";
    std::printf("%s: %d radios, %d failed, minimum %.2f s per radio; %.2f s with polling, from plug-in to row\n", name,
                RADIOS, failed, minimum, withPolling);
    Report(name, worst, "x", 1.05);
    Report(verify ? "fleet.polling_ratio (verify)" : "fleet.polling_ratio", minimum > 0 ? withPolling / minimum : 0, "x",
           1.10);
}

// How soon the loop takes the next radio, and the shortest unplug it always sees.
void MeasureSwaps()
{
    Report("fleet.swap_detect_ms", MeasureSwapDetectMs(), "ms", 300);
    const int shortest = MeasureShortestUnplugNoticedMs();
    if (shortest > 0)
        Report("fleet.shortest_unplug_ms", shortest, "ms", 300);
    else
        std::printf("fleet.shortest_unplug_ms: none of the unplugs tried was always noticed (bound: 300)\n");
}

// What one port of a parallel fleet run saw: its worst radio against the
// protocol's minimum, and the processor time of its thread over its wall time.
struct PortFigures {
    double worstRatio = 0;
    double cpuPercent = 0;
    int failed = 0;
};

// The fleet on `ports` timed radios at once, three radios each; the run's wall time.
double RunParallelFleet(int ports, std::vector<PortFigures>& figures)
{
    constexpr int RADIOS = 3;
    constexpr int SWAP_MS = 1500;
    struct PortState {
        std::unique_ptr<sim::SimulatedRadio> radio;
        size_t frames = 0;
        sim::PtyServer::Traffic traffic;
        Clock::time_point found, began;
        double cpuBegan = 0;
    };
    std::vector<PortState> states(static_cast<size_t>(ports));
    figures.assign(static_cast<size_t>(ports), PortFigures());
    std::vector<FleetPort> fleet;
    for (int i = 0; i < ports; ++i) {
        PortState& state = states[static_cast<size_t>(i)];
        PortFigures& figure = figures[static_cast<size_t>(i)];
        sim::SimConfig config = TimedRadio();
        config.radio.fleetSize = RADIOS;
        config.server.swapMs = SWAP_MS;
        state.radio = std::make_unique<sim::SimulatedRadio>(config);
        std::string error;
        if (!state.radio->Start(error)) {
            std::fprintf(stderr, "fleet.parallel: %s\n", error.c_str());
            return 0;
        }
        FleetPort port;
        port.portName = state.radio->DevicePath();
        port.options.count = RADIOS;
        // Called on the port's own thread: its processor time is that thread's.
        port.options.onStage = [&state](FleetStage stage, int radio, const std::string&) {
            if (stage == FleetStage::WaitingForRadio && radio == 1) {
                state.began = Clock::now();
                state.cpuBegan = ThreadCpuSeconds();
            }
            if (stage != FleetStage::Programming)
                return;
            state.frames = state.radio->History().size();
            state.traffic = state.radio->Traffic();
            state.found = Clock::now();
        };
        port.options.onRow = [&state, &figure](const FleetRow& row) {
            const double least = MinimumSeconds(*state.radio, state.frames, state.traffic);
            figure.worstRatio = std::max(figure.worstRatio, Seconds(state.found) / least);
            figure.failed += row.ok ? 0 : 1;
            figure.cpuPercent = (ThreadCpuSeconds() - state.cpuBegan) / Seconds(state.began) * 100.0;
        };
        fleet.push_back(std::move(port));
    }
    const Clock::time_point start = Clock::now();
    RunFleetOnPorts(fleet, ImageOf(theOptionBoardData).data(), GuiContext());
    return Seconds(start);
}

// Radios per second on four ports at once over radios per second on one, each
// port with its own timed radio; each port's worst radio against the minimum;
// and each port's processor share.
void MeasureParallelFleet()
{
    constexpr int PORTS = 4;
    std::vector<PortFigures> one, four;
    const double oneSeconds = RunParallelFleet(1, one);
    const double fourSeconds = RunParallelFleet(PORTS, four);
    if (oneSeconds <= 0 || fourSeconds <= 0)
        return;
    double worstRatio = 0, worstCpu = 0;
    int failed = 0;
    for (const PortFigures& port : four) {
        worstRatio = std::max(worstRatio, port.worstRatio);
        worstCpu = std::max(worstCpu, port.cpuPercent);
        failed += port.failed;
    }
    std::printf("fleet.parallel: 3 radios on 1 port in %.2f s, 12 on %d ports in %.2f s, %d failed\n", oneSeconds, PORTS,
                fourSeconds, failed + one[0].failed);
    ReportAtLeast("fleet.parallel_speedup", (12.0 / fourSeconds) / (3.0 / oneSeconds), "x", 3.8);
    Report("fleet.per_radio_ratio (4 ports)", worstRatio, "x", 1.05);
    Report("link.cpu_share (4 ports, per port)", worstCpu, "%", 1.0);
}

// Read-out requests as the read-out makes them, with the progress text.
void ReadOutRequests(int count)
{
    uint8_t buffer[CAL_DATA_SIZE + 1];
    for (int k = 0; k < count; ++k) {
        const int offset = k * CAL_BLOCK_SIZE;
        const int size = std::min(CAL_BLOCK_SIZE, CAL_DATA_SIZE - offset);
        theRadioLink.ReadBoard(static_cast<uint16_t>(CAL_DATA_START + offset), size, buffer + offset,
                               sizeof(buffer) - static_cast<size_t>(offset), nullptr);
    }
}

// Processor time of the product's thread over wall time, in percent.
double MeasureCpuShare()
{
    sim::SimulatedRadio radio(TimedRadio());
    std::string error;
    radio.Start(error);
    // The product runs on this one thread; the simulator has its own.
    const double cpuBefore = ThreadCpuSeconds();
    const Clock::time_point start = Clock::now();
    RunReadOperation(theRadioLink, radio.DevicePath(), nullptr);
    CSerialPort port{ theRadioLink.Context() };
    port.Open(radio.DevicePath().c_str());
    theRadioLink.m_pPort = &port;
    ReadOutRequests(100);
    theRadioLink.m_pPort = nullptr;
    return (ThreadCpuSeconds() - cpuBefore) / Seconds(start) * 100.0;
}

void MeasureReadout(bool quick, bool traced)
{
    std::unique_ptr<TraceToFile> trace(traced ? new TraceToFile : nullptr);
    sim::SimulatedRadio radio(TimedRadio());
    std::string error;
    radio.Start(error);
    const size_t frames = radio.History().size();
    const sim::PtyServer::Traffic traffic = radio.Traffic();
    const Clock::time_point start = Clock::now();
    if (quick) {
        CSerialPort port{ theRadioLink.Context() };
        port.Open(radio.DevicePath().c_str());
        theRadioLink.m_pPort = &port;
        ReadOutRequests(100);
        theRadioLink.m_pPort = nullptr;
    } else {
        RunCalibrationReadout(theRadioLink, radio.DevicePath()); // the default host cancels the save
    }
    const double wall = Seconds(start);
    const std::string name = std::string(traced ? "readout.ratio_traced" : "readout.ratio")
        + (quick ? " (first 100 requests)" : "");
    Report(name.c_str(), wall / MinimumSeconds(radio, frames, traffic), "x", 1.05);
}

void MeasureNoResponse(BenchPresenter& presenter)
{
    sim::SimConfig config;
    std::string error;
    config.radio.faults.push_back(*sim::ParseFault("silent-radio", error));
    sim::SimulatedRadio radio(config);
    radio.Start(error);
    CSerialPort port{ theRadioLink.Context() };
    port.Open(radio.DevicePath().c_str());
    theRadioLink.m_pPort = &port;
    std::vector<double> times;
    const uint8_t item = 0;
    for (int i = 0; i < 20; ++i) {
        const Clock::time_point start = Clock::now();
        theRadioLink.SendFrame(OP_READ_RADIO_INFO, &item, 1);
        times.push_back(std::chrono::duration<double>(presenter.at - start).count());
    }
    theRadioLink.m_pPort = nullptr;
    std::sort(times.begin(), times.end());
    std::printf("link.no_response_s: min %.3f s, median %.3f s, max %.3f s\n", times.front(), times[times.size() / 2],
                times.back());
    Report("link.no_response_s", times.back(), "s", 2.1);
}

// The longest gap between two paints, in milliseconds.
double MeasureGuiStall()
{
    sim::SimulatedRadio radio(TimedRadio());
    std::string error;
    radio.Start(error);
    GuiHost host;
    PaintWatch watch;
    watch.Start();
    CSerialPort port{ theRadioLink.Context() };
    port.Open(radio.DevicePath().c_str());
    host.BeginWaitCursor();
    theRadioLink.m_pPort = &port;
    ReadOutRequests(200);
    theRadioLink.m_pPort = nullptr;
    host.EndWaitCursor();
    return static_cast<double>(watch.longest) / 1e6;
}

// From process start to the first paint of the main window (offscreen), and a
// small command of the command-line tool from start to exit.
void MeasureStartup()
{
    const double gui = GuiStartupMs(VIGILON_OSS, 5);
    const double show = CliShowMs(VIGILON_OSS_CLI, 20);
    if (gui < 0)
        std::printf("gui.startup_ms: not measured (no paint seen)\n");
    else
        Report("gui.startup_ms", gui, "ms", 500);
    if (show < 0)
        std::printf("cli.show_ms: not measured (show failed)\n");
    else
        Report("cli.show_ms", show, "ms", 20);
}

// Operations one after another, one in five with a fault: what they leave behind.
void MeasureSoak(int operations)
{
    const SoakFigures soak = RunSoak(operations);
    std::printf("soak: %d operations, %d with a fault, in %.0f s\n", soak.operations, soak.faulted, soak.seconds);
    Report("soak.rss_growth_kb", static_cast<double>(soak.rssGrowthKb), "kB", 1024);
    std::printf("soak.fd_growth: %ld descriptors\n", soak.fdGrowth);
    std::printf("soak.port_left_held: %d operations\n", soak.portLeftHeld);
    std::fflush(stdout);
}

// The depot's record on a server of the bench's own.
void MeasureDepot()
{
    const DepotFigures depot = MeasureDepotFigures();
    if (!depot.error.empty()) {
        std::printf("history.depot: not measured: %s\n", depot.error.c_str());
        std::fflush(stdout);
        return;
    }
    ReportAtLeast("history.upload_per_s", depot.uploadPerSecond, "entries/s", 1000);
    Report("history.depot_query_ms", depot.queryMs, "ms", 200);
    std::printf("history.depot_query_rows: %d entries of 1000000 from 10 benches\n", depot.queryRows);
    std::fflush(stdout);
}

// The service history on the disk of the build folder.
void MeasureHistory()
{
    const HistoryFigures history = MeasureHistoryFigures(QCoreApplication::applicationDirPath().toStdString());
    if (!history.error.empty()) {
        std::printf("history: not measured: %s\n", history.error.c_str());
        std::fflush(stdout);
        return;
    }
    Report("history.insert_ms", history.insertMs, "ms", 5);
    std::printf("history.insert_p95_ms: %.3g ms\n", history.insertP95Ms);
    Report("history.query_ms", history.queryMs, "ms", 100);
    std::printf("history.query_rows: %d entries of 100000\n", history.queryRows);
    std::printf("history.kb_per_1000: %.1f kB\n", history.kbPer1000);
    std::fflush(stdout);
    // Another program holding the history: the window and a fleet go on.
    ReportWorstOfRuns("history.held_paint_gap_ms", "ms", 50.0, MeasureHeldHistoryPaintGap);
    const HeldFleetFigures fleet = MeasureHeldHistoryFleet();
    std::printf("history.held_fleet: 2 ports, %.1f radios per minute with the history free (%d of 6 entries),"
                " %.1f held (%d of 6 entries once free)\n",
                fleet.freePerMinute, fleet.entriesFree, fleet.heldPerMinute, fleet.entriesHeld);
    ReportAtLeast("history.held_fleet_rate", fleet.freePerMinute > 0 ? fleet.heldPerMinute / fleet.freePerMinute : 0,
                  "x", 0.95);
    std::fflush(stdout);
}

} // namespace

int main(int argc, char** argv)
{
    bool quick = false;
    bool soakOnly = false;
    bool fleetOnly = false;
    bool historyOnly = false;
    bool depotOnly = false;
    for (int i = 1; i < argc; ++i) {
        depotOnly = depotOnly || std::strcmp(argv[i], "--depot") == 0;
        historyOnly = historyOnly || std::strcmp(argv[i], "--history") == 0;
        fleetOnly = fleetOnly || std::strcmp(argv[i], "--fleet") == 0;
        quick = quick || std::strcmp(argv[i], "--quick") == 0;
        soakOnly = soakOnly || std::strcmp(argv[i], "--soak") == 0;
    }
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication application(argc, argv);
    BenchPresenter presenter;
    if (fleetOnly) {
        MeasureFleet(false);
        MeasureFleet(true);
        MeasureSwaps();
        MeasureParallelFleet();
        return 0;
    }
    if (historyOnly) {
        MeasureHistory();
        return 0;
    }
    if (depotOnly) {
        MeasureDepot();
        return 0;
    }
    if (soakOnly) {
        MeasureSoak(SOAK_OPERATIONS);
        return 0;
    }

    MeasureRatio("link.read_ratio", [](const std::string& port) { RunReadOperation(theRadioLink, port, nullptr); });
    MeasureRatio("link.read_ratio_traced", [](const std::string& port) {
        TraceToFile trace;
        RunReadOperation(theRadioLink, port, nullptr);
    });
    MeasureRatio("link.write_ratio", [](const std::string& port) { RunWriteOperation(theRadioLink, port, ImageOf(theOptionBoardData).data(), nullptr); });
    MeasureRatio("link.info_ratio", [](const std::string& port) { RunInfoOperation(theRadioLink, port); });
    MeasureFleet(false);
    MeasureFleet(true);
    MeasureSwaps();
    MeasureParallelFleet();
    ReportWorstOfRuns("link.cpu_share", "%", 1.0, MeasureCpuShare);
    MeasureReadout(quick, false);
    MeasureReadout(quick, true);
    MeasureNoResponse(presenter);
    ReportWorstOfRuns("gui.max_stall_ms", "ms", 50.0, MeasureGuiStall);
    MeasureStartup();
    MeasureHistory();
    MeasureDepot();
    MeasureSoak(quick ? QUICK_SOAK_OPERATIONS : SOAK_OPERATIONS);
    return 0;
}
