// vigilon-oss-cli fleet: one line per stage and per radio on standard output,
// the rows also into the CSV report when one is named. On several ports the
// loops run at once; each line then starts with its port and is written whole.
// Under --json the lines go to standard error, for whoever watches the run, and
// the rows and each port's summary make the document printed at the end: also
// for a run until Ctrl+C, which ends as a run with a count does (a second Ctrl+C
// ends the program without one; the report has every row as it was made).
#include "cli/commands.h"

#include "cli/cli_work.h"

#include "board/option_board_data.h"
#include "cli/json_board.h"
#include "cli/interrupts.h"
#include "cli/job_sheet_output.h"
#include "cli/json_report.h"
#include "cli/standard_output.h"
#include "app/service_history.h"
#include "app/fleet_report.h"
#include "app/fleet_run.h"
#include "app/history_text.h"
#include "app/radio_id.h"
#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "app/trace_text.h"
#include "seams/visible_text.h"

#include <map>
#ifndef _WIN32
#include <poll.h>
#include <unistd.h>
#endif
#include <memory>
#include <mutex>

namespace {

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

// A radio's row in the document: the report's columns in the report's order.
JsonValue RowJson(const FleetRow& row)
{
    JsonValue radio = JsonValue::Object();
    radio.Set("time", row.time).Set("port", row.port).Set("radio", row.radioInfo);
    AddBoardIdentity(radio, row.board);
    return radio.Set("result", row.ok ? "ok" : "failed")
        .Set("reason", row.ok ? JsonValue() : JsonValue(row.reason))
        .Set("seconds", row.seconds)
        .Set("radioId", row.radioId.empty() ? JsonValue() : JsonValue(row.radioId))
        .Set("radioIdRepeated", row.radioIdRepeated);
}

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

// A port's messages through the terminal's presenter, under the output's lock
// and with the port in front; under --json also into the document, the port apart.
class PortPresenter : public IMessagePresenter {
public:
    PortPresenter(IMessagePresenter& terminal, JsonReport* json, std::mutex& mutex, std::string port)
        : m_terminal(terminal), m_json(json), m_mutex(mutex), m_port(std::move(port))
    {
    }
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        MessageBoxRequest tagged = request;
        tagged.text = FormatString(IDS_FLEET_ON_PORT, VisibleText(m_port).c_str(), request.text.c_str());
        const std::lock_guard<std::mutex> lock(m_mutex);
        if (m_json)
            m_json->Record(request, m_port);
        return m_terminal.Present(tagged);
    }

private:
    IMessagePresenter& m_terminal;
    JsonReport* m_json;
    std::mutex& m_mutex;
    std::string m_port;
};

// A line of standard input without its end (at most what a radio ID can take
// and a little more). False when the input ends, or a stop is requested: a
// port's loop on a thread of its own waits here in short slices, as the
// interrupt goes to another thread.
bool ReadInputLine(std::string& line)
{
    constexpr size_t KEPT = RADIO_ID_MAX_CHARACTERS * 4 + 2;
    for (;;) {
#ifndef _WIN32
        struct pollfd ready = { STDIN_FILENO, POLLIN, 0 };
        constexpr int SLICE_MS = 100;
        if (InterruptStopRequest().Requested())
            return false;
        if (::poll(&ready, 1, SLICE_MS) == 0)
            continue;
#endif
        const int c = std::fgetc(stdin);
        if (c == EOF)
            return false;
        if (c == '\n') {
            if (!line.empty() && line.back() == '\r')
                line.pop_back();
            return true;
        }
        if (line.size() < KEPT)
            line += static_cast<char>(c);
    }
}

// What the run prints: one lock keeps every line whole.
class FleetOutput : public IFleetRunView {
public:
    FleetOutput(const CliOptions& options, IMessagePresenter& presenter)
        : m_options(options), m_json(ActiveJsonReport()), m_lines(m_json ? stderr : stdout),
          m_terminal(m_json ? m_json->Terminal() : presenter)
    {
    }

    bool Reported() const { return m_reported; }
    // The radios done, in the order they were done: a job sheet's rows.
    const std::vector<FleetRow>& Rows() const { return m_rows; }
    // The report could not be opened.
    void ReportNotOpened() { ReportStopped(ReportAppend::Failed); }

    // `port` is empty when only one port runs: its lines stay as they always were.
    void Stage(const std::string& port, const std::string& text) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Print(port, VisibleText(text));
    }
    void Row(const std::string& port, const FleetRow& row) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        std::string result = FleetRowField(row, 7);
        if (!row.ok)
            result += ": " + row.reason;
        std::string line = FormatString(IDS_FLEET_LINE, ++m_radios[port],
                                        VisibleText(RadioTextWithId(row.radioInfo, row.radioId)).c_str(),
                                        VisibleText(result, true).c_str(), row.seconds);
        if (row.radioIdRepeated)
            line += " " + VisibleText(FormatString(IDS_FLEET_RADIO_ID_REPEATED, row.radioId.c_str()));
        Print(port, line);
        m_radiosJson.Push(RowJson(row));
        m_rows.push_back(row);
    }
    void ReportStopped(ReportAppend problem) override
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        PrintError(ReportProblemMessageId(problem), ReportProblemText(m_options.report, problem));
        m_reported = false;
    }
    // Under --json the document hears of each message once, with its port.
    IMessagePresenter* PresenterFor(const std::string& port) override
    {
        m_presenters.push_back(std::make_unique<PortPresenter>(m_terminal, m_json, m_mutex, port));
        return m_presenters.back().get();
    }
    ITrace* TraceFor(const std::string& port) override
    {
        if (!m_options.traceLines)
            return nullptr;
        m_traceLines.push_back(std::make_unique<PortTraceLines>(*m_options.traceLines, m_traceMutex, port));
        m_traces.push_back(std::make_unique<CTextTrace>(*m_traceLines.back()));
        return m_traces.back().get();
    }
    void Summary(const std::string& port, const FleetOutcome& outcome)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Print(port, FormatString(CountedTextId(outcome.programmed, IDS_FLEET_SUMMARY_ONE, IDS_FLEET_SUMMARY),
                                 outcome.programmed, outcome.failed));
        m_runsJson.Push(JsonValue::Object()
                            .Set("port", port.empty() ? m_options.portName : port)
                            .Set("programmed", outcome.programmed)
                            .Set("failed", outcome.failed)
                            .Set("stopped", outcome.stopped)
                            .Set("done", AllDone(m_options, outcome)));
    }
    // One line from standard input (a scanner types the label and Enter); one
    // port asks at a time, while the others' lines go on.
    bool AskRadioId(const std::string& port, int radio, std::string& radioId) override
    {
        const std::lock_guard<std::mutex> asking(m_askMutex);
        for (;;) {
            if (m_options.context->StopRequested())
                return false;
            {
                const std::lock_guard<std::mutex> lock(m_mutex);
                const std::string prompt = FormatString(IDS_FLEET_ASK_RADIO_ID, radio);
                const std::string text
                    = port.empty() ? prompt : FormatString(IDS_FLEET_ON_PORT, VisibleText(port).c_str(), prompt.c_str());
                std::fprintf(m_lines, "%s ", text.c_str());
                FlushOutput(m_lines);
            }
            std::string line;
            if (!ReadInputLine(line))
                return false; // the input ended, or Ctrl+C
            if (const std::optional<std::string> id = RadioIdFromText(line)) {
                radioId = *id;
                return true;
            }
            const std::lock_guard<std::mutex> lock(m_mutex);
            std::fprintf(m_lines, "%s\n",
                         FormatString(IDS_FLEET_RADIO_ID_UNUSABLE, static_cast<int>(RADIO_ID_MAX_CHARACTERS)).c_str());
            FlushOutput(m_lines);
        }
    }
    // The line that counts all ports.
    void Total(const std::string& line)
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        Print({}, line);
    }
    // Once the loops have ended: the run into the document.
    void Finish()
    {
        if (!m_json)
            return;
        m_json->Result()
            .Set("file", m_options.files[0])
            .Set("count", m_options.count > 0 ? JsonValue(m_options.count) : JsonValue())
            .Set("verify", m_options.verify)
            .Set("runs", m_runsJson)
            .Set("radios", m_radiosJson);
    }

private:
    void Print(const std::string& port, const std::string& text)
    {
        const std::string line
            = port.empty() ? text : FormatString(IDS_FLEET_ON_PORT, VisibleText(port).c_str(), text.c_str());
        std::fprintf(m_lines, "%s\n", line.c_str());
        FlushOutput(m_lines);
    }
    const CliOptions& m_options;
    JsonReport* m_json;
    std::FILE* m_lines; // the stages, rows and summaries as text
    JsonValue m_runsJson = JsonValue::Array();
    JsonValue m_radiosJson = JsonValue::Array();
    IMessagePresenter& m_terminal; // where a port's messages go on, tagged
    std::mutex m_mutex;
    std::mutex m_askMutex; // one port asks for an ID at a time
    bool m_reported = true;
    std::map<std::string, int> m_radios; // radios done per port, for the line's number
    std::vector<FleetRow> m_rows;
    std::vector<std::unique_ptr<PortPresenter>> m_presenters;
    std::mutex m_traceMutex;
    std::vector<std::unique_ptr<PortTraceLines>> m_traceLines;
    std::vector<std::unique_ptr<CTextTrace>> m_traces;
};

// Each port's line, the total over all ports and the command's status.
int Summarize(const CliOptions& options, FleetOutput& output, const std::vector<FleetOutcome>& outcomes)
{
    bool allDone = true;
    for (size_t i = 0; i < outcomes.size(); ++i) {
        output.Summary(outcomes.size() > 1 ? options.ports[i] : std::string(), outcomes[i]);
        allDone = allDone && AllDone(options, outcomes[i]);
    }
    if (outcomes.size() > 1) {
        const FleetOutcome total = FleetRun::Total(outcomes);
        output.Total(FormatString(CountedTextId(total.programmed, IDS_FLEET_ALL_PORTS_ONE, IDS_FLEET_ALL_PORTS),
                                  total.programmed, total.failed, static_cast<int>(outcomes.size())));
    }
    return allDone && output.Reported() ? 0 : 1;
}

} // namespace

int CommandFleet(const CliOptions& options)
{
    CliWork work(options);
    if (!work.Load(options.files[0]))
        return 1;
    if (AskQuestion(work.context, IDS_FLEET_CONFIRM, MsgButtons::YesNo, MsgAnswer::Yes) != MsgAnswer::Yes) {
        // The terminal knows why nothing happened; a script reading the document would not.
        if (JsonReport* json = ActiveJsonReport())
            json->AddError(IDS_JSON_NOT_CONFIRMED, LoadString(IDS_JSON_NOT_CONFIRMED));
        return 1;
    }
    FleetOutput output(options, *work.context.presenter);
    FleetRunPlan plan;
    plan.settingsFile = options.files[0];
    plan.ports = options.ports.size() > 1 ? options.ports : std::vector<std::string>{ options.portName };
    plan.count = options.count;
    plan.verify = options.verify;
    plan.reportPath = options.report;
    plan.history = options.history;
    plan.askRadioId = options.askRadioId;
    FleetRun run(plan);
    const std::string started = HistoryTimeNow();
    if (!run.Begin()) {
        output.ReportNotOpened();
        return 1;
    }
    int status = Summarize(options, output, run.Run(work.link, ImageOf(work.record).data(), output));
    // A stop while waiting leaves no row that says so: the run says it, as
    // every command that was stopped does.
    if (work.context.StopRequested()) {
        std::fprintf(stderr, "%s\n", LoadString(IDS_STOPPED).c_str());
        std::fflush(stderr);
    }
    run.End(work.context);
    output.Finish();
    if (!options.jobSheet.empty()
        && WriteFleetJobSheet(options.jobSheet, plan, run.HistoryRunNumber(), output.Rows(), started) != 0)
        status = 1;
    return status;
}

// How the command line knows fleet (cli/command_list.cpp).
extern const CliCommand FLEET_COMMAND = {
    "fleet", "fleet FILE",
    QT_TRANSLATE_NOOP("Cli", "program radio after radio with the settings of FILE: waits for\n"
                             "each radio, writes it, reports it, waits until it is unplugged;\n"
                             "with several --port (or --device) options, on all at once"),
    1, 1, CLI_USES_PORT | CLI_TAKES_JSON, &CommandFleet,
};
