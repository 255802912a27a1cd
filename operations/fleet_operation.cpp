#include "operations/fleet_operation.h"

#include "link/port_hint.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "operations/write_operation.h"
#include "resources/string_ids.h"
#include "seams/message_presenter.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <algorithm>
#include <ctime>
#include <functional>
#include <utility>

namespace {

// Stands in for the front end's presenter in the loop's context while the loop
// runs: polls show nothing, and a radio's first error becomes its row's reason
// instead of a box that would hold the line up.
class ReasonKeeper : public IMessagePresenter {
public:
    explicit ReasonKeeper(OperationContext& context) : m_context(context), m_standIn(context, this) {}
    ReasonKeeper(const ReasonKeeper&) = delete;
    ReasonKeeper& operator=(const ReasonKeeper&) = delete;

    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        if (request.kind != MSG_INFO && reason.empty())
            reason = request.text;
        return request.defaultButton;
    }
    // Shows a message through the front end's presenter after all.
    void PassOn(const std::function<void()>& show)
    {
        const PresenterStandIn previous(m_context, m_standIn.Previous());
        show();
    }

    std::string reason;

private:
    OperationContext& m_context;
    PresenterStandIn m_standIn;
};

enum class Line { Answered, Silent, NoPort };

// Runs `use` with the link on the named port, opened for it alone and closed
// after. False when the port does not open; `hint` then says what to do about it.
bool OnOwnPort(CRadioLink& link, const std::string& portName, std::string& hint, const std::function<void()>& use)
{
    CSerialPort port(link.Context());
    if (!port.Open(portName.c_str())) {
        port.Close();
        hint = PortOpenHint(portName, port.Device(), port.LastOpenFailure(), link.Context().hintReader);
        return false;
    }
    link.m_pPort = &port;
    use();
    link.m_nStatus = LINK_OK;
    link.m_pPort = nullptr;
    port.Close();
    return true;
}

// One quiet radio information request. `heard`: a radio sent something back,
// an answer or a refusal, so it was left in the radio-information exchange.
Line Poll(CRadioLink& link, const std::string& portName, std::string& radioInfo, std::string& hint, bool& heard)
{
    char text[RADIO_INFO_TEXT_SIZE] = {};
    int length = 0;
    bool answered = false;
    heard = false;
    if (!OnOwnPort(link, portName, hint, [&] {
            answered = link.ReadRadioInfo(text, 0, length, true, FLEET_POLL_TIMEOUT_MS);
            heard = link.m_bReplied;
        }))
        return Line::NoPort;
    radioInfo.assign(text, static_cast<size_t>(std::max(0, length)));
    return answered ? Line::Answered : Line::Silent;
}

// Waits until `deadlineMs` on the clock or a stop request; false on the stop.
bool WaitUntilOrStop(OperationContext& context, int64_t deadlineMs)
{
    constexpr int64_t STOP_CHECK_MS = 50;
    while (!context.StopRequested()) {
        const int64_t now = context.NowMs();
        if (now >= deadlineMs)
            return true;
        context.WaitUntil(std::min(deadlineMs, now + STOP_CHECK_MS));
    }
    return false;
}

// Polls one after the other until the line is as wanted (a radio answers, or
// nothing does); false on a stop request. `heard` tells of the last poll.
bool PollUntil(CRadioLink& link, const std::string& portName, bool wantAnswer, std::string& radioInfo, ReasonKeeper& keeper,
               bool& portReported, int& outages, bool& heard)
{
    // The radio counts as unplugged only after polls in a row that it left
    // unanswered: one reply late for the poll's short wait is no swap, and
    // taking it for one would program the same radio again.
    constexpr int SILENT_POLLS_FOR_UNPLUG = 2;
    OperationContext& context = link.Context();
    int silentPolls = 0;
    for (;;) {
        if (context.StopRequested())
            return false;
        const int64_t started = context.NowMs();
        std::string hint;
        const Line line = Poll(link, portName, radioInfo, hint, heard);
        if (line == Line::NoPort && !portReported) {
            portReported = true;
            ++outages;
            keeper.PassOn([&] { ShowPortOpenFailed(context, portName, hint); });
        }
        if (line != Line::NoPort)
            portReported = false; // a later outage is reported again
        silentPolls = line == Line::Answered ? 0 : silentPolls + 1;
        if (wantAnswer ? line == Line::Answered : silentPolls >= SILENT_POLLS_FOR_UNPLUG)
            return true;
        if (!WaitUntilOrStop(context, started + (line == Line::NoPort ? FLEET_PORT_RETRY_MS : FLEET_POLL_MS)))
            return false;
    }
}

std::string UtcNow()
{
    // Loops on several ports run at once: the calendar is this call's own.
    const std::time_t now = std::time(nullptr);
    std::tm utc{};
#ifdef _WIN32
    const bool known = gmtime_s(&utc, &now) == 0;
#else
    const bool known = gmtime_r(&now, &utc) != nullptr;
#endif
    char text[32] = {};
    if (known)
        std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}

} // namespace

FleetOutcome RunFleetOperation(CRadioLink& link, const std::string& portName, const uint8_t* image, const FleetOptions& options)
{
    FleetOutcome outcome;
    OperationContext& context = link.Context();
    ReasonKeeper keeper(context);
    bool portReported = false;
    bool heard = false; // a radio replied to the last poll and has not been reset since
    const auto stage = [&](FleetStage what, int radio, const std::string& text) {
        if (options.onStage)
            options.onStage(what, radio, text);
    };
    bool noMoreIds = false;
    for (int radio = 1; options.count <= 0 || radio <= options.count; ++radio) {
        FleetRow row;
        if (options.askRadioId && (context.StopRequested() || !options.askRadioId(radio, row.radioId))) {
            noMoreIds = true;
            break;
        }
        stage(FleetStage::WaitingForRadio, radio, FormatString(IDS_FLEET_WAITING, radio, portName.c_str()));
        row.port = portName;
        if (!PollUntil(link, portName, true, row.radioInfo, keeper, portReported, outcome.portOutages, heard))
            break;
        heard = false; // the write ends with its own reset
        const int64_t found = context.NowMs();
        row.time = UtcNow();
        stage(FleetStage::Programming, radio, FormatString(IDS_FLEET_PROGRAMMING, radio, row.radioInfo.c_str()));

        keeper.reason.clear();
        WriteOptions write;
        write.ask = false;
        write.verify = options.verify;
        write.identity = &row.board;
        WriteOutcome written = RunWriteOperation(link, portName, image, nullptr, write);
        row.ok = written.written;
        row.record = std::move(written.record);
        if (!row.ok)
            row.reason = context.StopRequested() ? LoadString(IDS_STOPPED) : keeper.reason;
        row.seconds = static_cast<double>(context.NowMs() - found) / 1000.0;
        ++(row.ok ? outcome.programmed : outcome.failed);
        if (options.onRow)
            options.onRow(row);

        if (context.StopRequested() || radio == options.count)
            break;
        stage(FleetStage::ConnectNext, radio, LoadString(IDS_FLEET_CONNECT_NEXT));
        std::string ignored;
        if (!PollUntil(link, portName, false, ignored, keeper, portReported, outcome.portOutages, heard))
            break;
    }
    outcome.stopped = context.StopRequested() || noMoreIds;
    // Stopped while the radio just polled is still plugged in: it is released
    // as every operation releases it.
    if (outcome.stopped && heard) {
        std::string hint;
        OnOwnPort(link, portName, hint, [&] { link.ResetRadio(); });
    }
    return outcome;
}
