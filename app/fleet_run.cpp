#include "app/fleet_run.h"

#include "operations/fleet_on_ports.h"
#include "storage/output_target.h"

#include <utility>

namespace {

// The least a report takes before its first row: the header.
constexpr size_t REPORT_START = 4096;

} // namespace

FleetRun::FleetRun(FleetRunPlan plan) : m_plan(std::move(plan)) {}

FleetRun::~FleetRun() = default;

bool FleetRun::Begin()
{
    if (!m_plan.reportPath.empty()) {
        m_reporting = CheckOutputTarget(m_plan.reportPath, REPORT_START) == TargetProblem::None
                      && m_report.Open(m_plan.reportPath);
        if (!m_reporting)
            return false;
    }
    m_history = std::make_unique<FleetHistory>(m_plan.history, m_plan.settingsFile, m_plan.ports, m_plan.count);
    return true;
}

FleetOptions FleetRun::LoopOptions(const std::string& port, IFleetRunView& view)
{
    FleetOptions options;
    options.count = m_plan.count;
    options.verify = m_plan.verify;
    options.onStage = [&view, port](FleetStage, int, const std::string& text) { view.Stage(port, text); };
    if (m_plan.askRadioId)
        options.askRadioId = [&view, port](int radio, std::string& radioId) {
            return view.AskRadioId(port, radio, radioId);
        };
    options.onRow = [this, &view, port](const FleetRow& made) {
        FleetRow row = made;
        if (!row.radioId.empty()) {
            // The same label on two radios, or one radio plugged in twice: the row says so.
            const std::lock_guard<std::mutex> lock(m_mutex);
            row.radioIdRepeated = m_programmedIds.count(row.radioId) > 0;
            if (row.ok)
                m_programmedIds.insert(row.radioId);
        }
        view.Row(port, row);
        {
            const std::lock_guard<std::mutex> lock(m_mutex);
            if (m_reporting) {
                const ReportAppend appended = m_report.Append(row);
                if (appended != ReportAppend::Written) {
                    m_reporting = false;
                    view.ReportStopped(appended);
                }
            }
        }
        m_history->Add(row);
    };
    return options;
}

std::vector<FleetOutcome> FleetRun::Run(CRadioLink& link, const uint8_t* image, IFleetRunView& view)
{
    if (m_plan.ports.size() == 1)
        return { RunFleetOperation(link, m_plan.ports.front(), image, LoopOptions({}, view)) };
    std::vector<FleetPort> ports;
    for (const std::string& name : m_plan.ports) {
        FleetPort port;
        port.portName = name;
        port.options = LoopOptions(name, view);
        port.presenter = view.PresenterFor(name);
        port.trace = view.TraceFor(name);
        ports.push_back(std::move(port));
    }
    return RunFleetOnPorts(ports, image, link.Context(), [&view] { view.Waiting(); });
}

void FleetRun::End(OperationContext& context, const std::function<void()>& waiting)
{
    if (m_history)
        m_history->End(context, waiting);
}

FleetOutcome FleetRun::Total(const std::vector<FleetOutcome>& outcomes)
{
    FleetOutcome total;
    for (const FleetOutcome& outcome : outcomes) {
        total.programmed += outcome.programmed;
        total.failed += outcome.failed;
        total.stopped = total.stopped || outcome.stopped;
        total.portOutages += outcome.portOutages;
    }
    return total;
}
