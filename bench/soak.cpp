#include "bench/soak.h"

#include "ui/base/program_objects.h"

#include "link/radio_link.h"
#include "link/serial_port.h"
#include "operations/calibration_operation.h"
#include "operations/info_operation.h"
#include "operations/read_operation.h"
#include "operations/readout_operation.h"
#include "operations/write_operation.h"
#include "seams/clock.h"
#include "sim/faults.h"
#include "sim/simulated_radio.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <dirent.h>
#include <optional>
#include <stdexcept>
#include <string>
#include <unistd.h>

namespace {

// The soak's clock: the pauses after commands and resets are skipped, so a
// healthy operation takes milliseconds; time-outs still run their real length.
class PauseSkippingClock : public IClock {
public:
    PauseSkippingClock() { GuiContext().clock = this; }
    ~PauseSkippingClock() override { GuiContext().ForgetClock(this); }
    int64_t NowMs() override
    {
        const auto since = std::chrono::steady_clock::now() - m_start;
        return std::chrono::duration_cast<std::chrono::milliseconds>(since).count() + m_skippedMs;
    }
    void WaitUntil(int64_t deadlineMs) override { m_skippedMs += std::max<int64_t>(0, deadlineMs - NowMs()); }

private:
    const std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
    int64_t m_skippedMs = 0;
};

enum class Operation { Read, Write, Info, Calibration, Readout };

struct FaultedOperation {
    Operation operation;
    const char* fault;
};

// Faults that end an operation at once: refusals, strange or spoilt answers.
const FaultedOperation FAST_FAULTS[] = {
    { Operation::Read, "nak@info" },
    { Operation::Read, "bad-checksum@read:0x1000" },
    { Operation::Read, "too-long@read" },
    { Operation::Read, "nak@reset" },
    { Operation::Write, "write-refused" },
    { Operation::Write, "not-c@write" },
    { Operation::Write, "nak-answer@write" },
    { Operation::Info, "unexpected@identify" },
    { Operation::Info, "not-supported@read:0x100" },
    { Operation::Info, "bad-echo@info" },
    { Operation::Info, "empty-answer@info" },
    { Operation::Calibration, "cal-start-refused" },
    { Operation::Calibration, "cal-check-fails" },
    { Operation::Readout, "nak-answer@board#30" },
    { Operation::Readout, "unexpected-answer@board#12" },
};
// Faults the link waits out (one to two seconds each): one faulted operation in
// SLOW_FAULT_EVERY gets one of these.
const FaultedOperation SLOW_FAULTS[] = {
    { Operation::Read, "silent-board@read:0x1000" },
    { Operation::Readout, "incomplete@board#20" },
    { Operation::Info, "silent-radio@reset" },
};
constexpr int SLOW_FAULT_EVERY = 25;
constexpr int FAULT_EVERY = 5;
const Operation HEALTHY[] = { Operation::Read, Operation::Write, Operation::Info, Operation::Calibration };

template <typename T, size_t N>
const T& Cycle(const T (&items)[N], int index)
{
    return items[static_cast<size_t>(index) % N];
}

void Run(Operation operation, const std::string& port)
{
    switch (operation) {
    case Operation::Read: RunReadOperation(theRadioLink, port, nullptr); break;
    case Operation::Write: RunWriteOperation(theRadioLink, port, ImageOf(theOptionBoardData).data(), nullptr); break;
    case Operation::Info: RunInfoOperation(theRadioLink, port); break;
    case Operation::Calibration: RunCalibrationOperation(theRadioLink, port); break;
    case Operation::Readout: RunCalibrationReadout(theRadioLink, port); break; // the export is declined
    }
}

long ResidentKb()
{
    long pages = 0;
    long resident = 0;
    std::FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm == nullptr || std::fscanf(statm, "%ld %ld", &pages, &resident) != 2)
        throw std::runtime_error("cannot read /proc/self/statm");
    std::fclose(statm);
    return resident * (::sysconf(_SC_PAGESIZE) / 1024);
}

long OpenDescriptors()
{
    DIR* folder = ::opendir("/proc/self/fd");
    if (folder == nullptr)
        throw std::runtime_error("cannot list /proc/self/fd");
    long count = 0;
    while (::readdir(folder) != nullptr)
        ++count;
    ::closedir(folder);
    return count;
}

// The port is free again when another open of it succeeds and the link has let it go.
bool PortIsFree(const std::string& device)
{
    CSerialPort probe;
    return probe.Open(device.c_str()) && theRadioLink.m_pPort == nullptr;
}

} // namespace

SoakFigures RunSoak(int operations)
{
    PauseSkippingClock clock;
    SoakFigures figures;
    // What is allocated once (caches, the first of each kind of failure) is
    // allocated in the first fifth; growth is counted from there on.
    const int warmUp = operations / 5;
    long residentAfterWarmUp = 0;
    long descriptorsAfterWarmUp = 0;
    const auto start = std::chrono::steady_clock::now();
    for (int i = 0; i < operations; ++i) {
        if (i == warmUp) {
            residentAfterWarmUp = ResidentKb();
            descriptorsAfterWarmUp = OpenDescriptors();
        }
        sim::SimConfig config;
        Operation operation = Cycle(HEALTHY, i % FAULT_EVERY);
        if (i % FAULT_EVERY == FAULT_EVERY - 1) {
            const int faulted = figures.faulted++;
            const FaultedOperation& pick = faulted % SLOW_FAULT_EVERY == SLOW_FAULT_EVERY - 1
                ? Cycle(SLOW_FAULTS, faulted / SLOW_FAULT_EVERY)
                : Cycle(FAST_FAULTS, faulted);
            std::string error;
            const std::optional<sim::FaultRule> rule = sim::ParseFault(pick.fault, error);
            if (!rule)
                throw std::runtime_error(error);
            config.radio.faults.push_back(*rule);
            operation = pick.operation;
        }
        sim::SimulatedRadio radio(config);
        std::string error;
        if (!radio.Start(error))
            throw std::runtime_error(error);
        Run(operation, radio.DevicePath());
        if (!PortIsFree(radio.DevicePath()))
            ++figures.portLeftHeld;
        ++figures.operations;
    }
    figures.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    figures.rssGrowthKb = ResidentKb() - residentAfterWarmUp;
    figures.fdGrowth = OpenDescriptors() - descriptorsAfterWarmUp;
    return figures;
}
