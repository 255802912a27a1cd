// A fleet run as both front ends drive it: the settings image written radio
// after radio on one port, or on several at once; each radio's row into the CSV
// report (when one is named) and into the service history; each port's outcome
// and the run's total. The front end shows what the run tells its view.
#pragma once

#include "app/fleet_report.h"
#include "app/service_history.h"
#include "link/radio_link.h"
#include "operations/fleet_operation.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <set>
#include <string>
#include <vector>

class IMessagePresenter;
class ITrace;

struct FleetRunPlan {
    std::string settingsFile; // the data file whose settings are written; empty: the document's
    std::vector<std::string> ports; // one or more, in the order the outcomes come back
    int count = 0; // radios per port; 0: until a stop is requested
    bool verify = false;
    std::string reportPath; // empty: no report
    HistoryKeeping history;
    bool askRadioId = false; // each radio's ID is asked (IFleetRunView::AskRadioId) before it is plugged in
};

// What the run tells the front end. On several ports the loops call it from
// their own threads, one call at a time.
class IFleetRunView {
public:
    virtual ~IFleetRunView() = default;
    // A stage of a port's loop; `port` is empty when only one port runs.
    virtual void Stage(const std::string& port, const std::string& text) = 0;
    // A radio done; its row goes into the report and the history next.
    virtual void Row(const std::string& port, const FleetRow& row) = 0;
    // Rows no longer go into the report, and why (said once).
    virtual void ReportStopped(ReportAppend problem) = 0;
    // Several ports: each port's own presenter and trace (nullptr: none), and
    // what the calling thread does every few milliseconds while they run.
    virtual IMessagePresenter* PresenterFor(const std::string& port) = 0;
    virtual ITrace* TraceFor(const std::string& port) { (void)port; return nullptr; }
    virtual void Waiting() {}
    // The ID of the port's next radio, as the technician scans or types it;
    // false when none comes (the input ended, or Cancel), which ends that port's loop.
    virtual bool AskRadioId(const std::string& port, int radio, std::string& radioId)
    {
        (void)port, (void)radio, (void)radioId;
        return false;
    }
};

class FleetRun {
public:
    explicit FleetRun(FleetRunPlan plan);
    ~FleetRun();
    FleetRun(const FleetRun&) = delete;
    FleetRun& operator=(const FleetRun&) = delete;

    // Opens the report when one is named, after checking it is a file that can
    // take it (a named pipe would hold the open for ever); false when it cannot
    // be written. Then adds the run's row to the service history.
    bool Begin();
    // Runs the loops with `link` (one port) or a link of their own each (several,
    // with what `link`'s context gives them); the outcome of each port in the plan's order.
    std::vector<FleetOutcome> Run(CRadioLink& link, const uint8_t* image, IFleetRunView& view);
    // Notes the run's end in the history, waits at most its patience for what
    // is still queued (`waiting` meanwhile) and says what went wrong with it.
    void End(OperationContext& context, const std::function<void()>& waiting = {});
    // The run's number in the history once End has returned; 0 when it has none.
    int64_t HistoryRunNumber() const { return m_history ? m_history->RunNumber() : 0; }

    // The outcomes of all ports together.
    static FleetOutcome Total(const std::vector<FleetOutcome>& outcomes);

private:
    FleetOptions LoopOptions(const std::string& port, IFleetRunView& view);

    FleetRunPlan m_plan;
    std::mutex m_mutex; // one row at a time into the report
    FleetReport m_report;
    bool m_reporting = false;
    std::set<std::string> m_programmedIds; // the IDs of the radios this run programmed
    std::unique_ptr<FleetHistory> m_history;
};
