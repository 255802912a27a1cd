#include "operations/check_operation.h"

#include "board/codeplug_version.h"
#include "link/port_resolver.h"
#include "operations/codeplug_read.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/operation_context.h"
#include "seams/string_table.h"

#include <algorithm>

namespace {

// The link's messages become the failed stage's line instead of boxes.
class MessageKeeper : public IMessagePresenter {
public:
    MsgAnswer Present(const MessageBoxRequest& request) override
    {
        if (text.empty()) {
            // One line: the box's own line breaks become spaces.
            text = request.details.empty() ? request.text : request.text + " " + request.details;
            std::replace(text.begin(), text.end(), '\n', ' ');
        }
        return request.defaultButton;
    }
    std::string Take()
    {
        std::string taken;
        taken.swap(text);
        return taken;
    }
    std::string text;
};

} // namespace

CheckOutcome RunCheckOperation(CRadioLink& link, const std::string& portName,
                               const std::function<void(const CheckLine&)>& onLine)
{
    CheckOutcome outcome;
    MessageKeeper keeper;
    const PresenterStandIn standIn(link.Context(), &keeper);
    const auto line = [&](CheckStage stage, bool passed, const std::string& text) {
        outcome.lines.push_back({ stage, passed, text });
        if (onLine)
            onLine(outcome.lines.back());
        return passed;
    };

    OperationCourse course(link, portName, "check", outcome.record);
    if (!course.Begin()) {
        line(CheckStage::Port, false, keeper.Take());
        return outcome;
    }
    const std::string device = ResolvePort(link.Context().ports, portName);
    line(CheckStage::Port, true,
         device == portName ? FormatString(IDS_CHECK_DEVICE, device.c_str())
                            : FormatString(IDS_CHECK_PORT, portName.c_str(), device.c_str()));

    char radioInfo[RADIO_INFO_TEXT_SIZE] = {};
    int length = 0;
    const bool answered = link.ReadRadioInfo(radioInfo, 0, length, false);
    if (!line(CheckStage::Echo, link.m_bEchoed, LoadString(link.m_bEchoed ? IDS_CHECK_ECHO : IDS_CHECK_NO_ECHO)))
        return outcome;
    // A radio that sent anything back, even a refusal, is on: it is reset as
    // usual. Only a silent one is left alone.
    if (!link.m_bReplied) {
        line(CheckStage::Radio, false, LoadString(IDS_CHECK_RADIO_SILENT));
        return outcome;
    }
    bool chain = line(CheckStage::Radio, link.m_bAcknowledged,
                      LoadString(link.m_bAcknowledged ? IDS_CHECK_RADIO : IDS_CHECK_RADIO_REFUSED));
    if (!chain)
        keeper.Take(); // the refusal's own box: the stage line says it
    const std::string info(radioInfo, static_cast<size_t>(std::max(0, std::min(length, RADIO_INFO_TEXT_SIZE - 1))));
    if (answered)
        outcome.record.radioInfo = info;
    if (chain && !line(CheckStage::RadioInfo, answered, answered ? FormatString(IDS_CHECK_RADIO_INFO, info.c_str()) : keeper.Take()))
        chain = false;
    if (chain) {
        const bool identified = link.IdentifyBoard(BOARD_TYPE_TEXT);
        // A board that did not answer at all and one of another type need different help.
        const bool silent = !identified && link.m_nStatus == LINK_NO_RESPONSE;
        const std::string why = keeper.Take();
        const std::string failed = silent || why.empty() ? LoadString(IDS_CHECK_NO_BOARD) : why;
        chain = line(CheckStage::Board, identified, identified ? FormatString(IDS_CHECK_BOARD, BOARD_TYPE_TEXT) : failed);
        if (identified)
            outcome.record.boardType = BOARD_TYPE_TEXT;
    }
    if (chain) {
        int32_t major = 0, minor = 0;
        const bool usable = ReadCodeplugVersion(link, major, minor, &outcome.record.boardCodeplug);
        const std::string why = keeper.Take();
        chain = line(CheckStage::Codeplug, usable,
                     usable ? FormatString(IDS_CHECK_CODEPLUG, major, minor)
                            : !why.empty() && major == 255 ? why : FormatString(IDS_CHECK_CODEPLUG_BAD, major, minor));
    }
    link.m_nStatus = LINK_OK;
    const bool reset = course.ReleaseRadio();
    keeper.Take();
    line(CheckStage::Reset, reset, LoadString(reset ? IDS_CHECK_RESET : IDS_CHECK_RESET_FAILED));
    outcome.passed = chain && reset;
    if (outcome.passed)
        course.NoteResult("succeeded");
    return outcome;
}
