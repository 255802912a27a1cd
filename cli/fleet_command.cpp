// vigilon-oss-cli fleet: one line per stage and per radio on standard output,
// the rows also into the CSV report when one is named. On several ports the
// loops run at once; each line then starts with its port and is written whole.
#include "cli/commands.h"

#include "board/option_board_data.h"
#include "operations/fleet_on_ports.h"
#include "operations/fleet_operation.h"
#include "operations/fleet_report.h"
#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "seams/trace_text.h"
#include "seams/visible_text.h"

#include <map>
#include <memory>
#include <mutex>

namespace {

// What the loops print and append: one lock keeps every line and row whole.
class FleetOutput {
public:
    explicit FleetOutput(const CliOptions& options) : m_options(options) {}

    bool OpenReport()
    {
        if (m_options.report.empty() || m_report.Open(m_options.report))
            return true;
        ReportFailed();
        return false;
    }
    bool Reported() const { return m_reported; }

    // `port` is empty when only one port runs: its lines stay as they always were.
    void Stage(const std::string& port, const std::string& text)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Print(port, VisibleText(text));
    }
    void Row(const std::string& port, const FleetRow& row)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::string result = FleetRowField(row, 7);
        if (!row.ok)
            result += ": " + row.reason;
        const std::string line = FormatString(IDS_FLEET_LINE, ++m_radios[port], VisibleText(row.radioInfo).c_str(),
                                              VisibleText(result, true).c_str(), row.seconds);
        Print(port, line);
        if (!m_options.report.empty() && m_reported && !m_report.Append(row))
            ReportFailed();
    }
    void Summary(const std::string& port, const FleetOutcome& outcome)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Print(port, FormatString(IDS_FLEET_SUMMARY, outcome.programmed, outcome.failed));
    }
    std::mutex& Mutex() { return m_mutex; }

private:
    void Print(const std::string& port, const std::string& text)
    {
        const std::string line = port.empty() ? text : FormatString(IDS_FLEET_ON_PORT, VisibleText(port).c_str(), text.c_str());
        std::fprintf(stdout, "%s\n", line.c_str());
        std::fflush(stdout);
    }
    void ReportFailed()
    {
        std::fprintf(stderr, "Error: %s\n", FormatString(IDS_FLEET_REPORT_FAILED, m_options.report.c_str()).c_str());
        std::fflush(stderr);
        m_reported = false;
    }

    const CliOptions& m_options;
    std::mutex m_mutex;
    FleetReport m_report;
    bool m_reported = true;
    std::map<std::string, int> m_radios; // radios done per port, for the line's number
};

// A port's messages through the terminal's presenter, under the output's lock
// and with the port in front.
class PortPresenter : public IMessagePresenter {
public:
    PortPresenter(IMessagePresenter& terminal, std::mutex& mutex, std::string port)
        : m_terminal(terminal), m_mutex(mutex), m_port(std::move(port))
    {
    }
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        MessageBoxRequest tagged = request;
        tagged.text = FormatString(IDS_FLEET_ON_PORT, VisibleText(m_port).c_str(), request.text.c_str());
        const std::lock_guard<std::mutex> lock(m_mutex);
        return m_terminal.Present(tagged);
    }

private:
    IMessagePresenter& m_terminal;
    std::mutex& m_mutex;
    std::string m_port;
};

// A port's trace lines into the one trace file, each whole and tagged with its port.
class PortTraceLines : public ITraceLines {
public:
    PortTraceLines(ITraceLines& file, std::mutex& mutex, std::string port)
        : m_file(file), m_mutex(mutex), m_tag("[" + VisibleText(port) + "] ")
    {
    }
    void Line(const std::string& line) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_file.Line(m_tag + line);
    }

private:
    ITraceLines& m_file;
    std::mutex& m_mutex;
    std::string m_tag;
};

// A run until Ctrl+C is done when no radio failed, unless its port never opened:
// a port that programmed nothing because its cable was missing did not do its part.
bool AllDone(const CliOptions& options, const FleetOutcome& outcome)
{
    if (outcome.failed > 0)
        return false;
    if (options.count > 0)
        return outcome.programmed == options.count;
    return outcome.programmed > 0 || outcome.portOutages == 0;
}

int FleetOnOnePort(const CliOptions& options, FleetOutput& output)
{
    FleetOptions fleet;
    fleet.count = options.count;
    fleet.verify = options.verify;
    // Each stage and row is one line: the radio's information, its own text,
    // cannot break it or reach the terminal as control characters.
    fleet.onStage = [&](FleetStage, int, const std::string& text) { output.Stage({}, text); };
    fleet.onRow = [&](const FleetRow& row) { output.Row({}, row); };
    const FleetOutcome outcome = RunFleetOperation(theRadioLink, options.portName, ImageOf(theOptionBoardData).data(), fleet);
    output.Summary({}, outcome);
    return AllDone(options, outcome) && output.Reported() ? 0 : 1;
}

int FleetOnPorts(const CliOptions& options, FleetOutput& output)
{
    std::mutex traceMutex;
    std::vector<std::unique_ptr<PortPresenter>> presenters;
    std::vector<std::unique_ptr<PortTraceLines>> traceLines;
    std::vector<std::unique_ptr<CTextTrace>> traces;
    std::vector<FleetPort> ports;
    for (const std::string& name : options.ports) {
        FleetPort port;
        port.portName = name;
        port.options.count = options.count;
        port.options.verify = options.verify;
        port.options.onStage = [&output, name](FleetStage, int, const std::string& text) { output.Stage(name, text); };
        port.options.onRow = [&output, name](const FleetRow& row) { output.Row(name, row); };
        presenters.push_back(std::make_unique<PortPresenter>(*CurrentMessagePresenter(), output.Mutex(), name));
        port.presenter = presenters.back().get();
        if (options.traceLines) {
            traceLines.push_back(std::make_unique<PortTraceLines>(*options.traceLines, traceMutex, name));
            traces.push_back(std::make_unique<CTextTrace>(*traceLines.back()));
            port.trace = traces.back().get();
        }
        ports.push_back(std::move(port));
    }
    const std::vector<FleetOutcome> outcomes = RunFleetOnPorts(ports, ImageOf(theOptionBoardData).data());
    FleetOutcome total;
    bool allDone = true;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        output.Summary(options.ports[i], outcomes[i]);
        total.programmed += outcomes[i].programmed;
        total.failed += outcomes[i].failed;
        allDone = allDone && AllDone(options, outcomes[i]);
    }
    std::fprintf(stdout, "%s\n",
                 FormatString(IDS_FLEET_ALL_PORTS, total.programmed, total.failed, static_cast<int>(outcomes.size())).c_str());
    std::fflush(stdout);
    return allDone && output.Reported() ? 0 : 1;
}

} // namespace

int CommandFleet(const CliOptions& options)
{
    if (!theOptionBoardData.LoadFromFile(options.files[0]))
        return 1;
    if (AskQuestion(IDS_FLEET_CONFIRM, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes)
        return 1;
    FleetOutput output(options);
    if (!output.OpenReport())
        return 1;
    return options.ports.size() > 1 ? FleetOnPorts(options, output) : FleetOnOnePort(options, output);
}
