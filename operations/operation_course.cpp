#include "operations/operation_course.h"

#include "link/port_hint.h"
#include "link/port_resolver.h"
#include "link/radio_link.h"
#include "seams/status_message.h"

#include <algorithm>
#include <utility>

OperationCourse::OperationCourse(CRadioLink& link, std::string portName, const char* operation, OperationRecord& record)
    : m_link(link), m_portName(std::move(portName)), m_port(link.Context()), m_operation(operation), m_record(record)
{
    m_record.operation = operation;
    m_record.port = m_portName;
    m_record.result = "failed";
}

OperationCourse::~OperationCourse()
{
    End();
}

bool OperationCourse::Begin()
{
    OperationContext& context = Context();
    m_record.begun = true;
    context.ForgetCableUnplugged();
    m_record.device = ResolvePort(context.ports, m_portName);
    if (ITrace* trace = context.trace)
        trace->OperationBegins(context.NowMs(), m_operation, m_portName, m_record.device);
    if (!m_port.Open(m_portName.c_str())) {
        m_port.Close(); // opened but not configured counts as not opened
        if (ITrace* trace = context.trace)
            trace->OperationEnds(context.NowMs(), "failed: the port did not open");
        ShowPortOpenFailed(context, m_portName, PortOpenHint(m_portName, m_port.Device(), m_port.LastOpenFailure(), context.hintReader));
        return false;
    }
    context.host->BeginWaitCursor();
    m_link.m_pPort = &m_port;
    m_begun = true;
    return true;
}

bool OperationCourse::IdentifyRadioAndBoard()
{
    char radioInfo[RADIO_INFO_TEXT_SIZE] = {};
    int length = 0;
    if (!m_link.ReadRadioInfo(radioInfo, 0, length, false))
        return false;
    m_record.radioInfo.assign(radioInfo, static_cast<size_t>(std::clamp(length, 0, RADIO_INFO_TEXT_SIZE - 1)));
    if (!m_link.IdentifyBoard(BOARD_TYPE_TEXT))
        return false;
    m_record.boardType = BOARD_TYPE_TEXT;
    return true;
}

bool OperationCourse::StopBeforeNextRequest()
{
    if (!Context().StopRequested())
        return false;
    Stop();
    return true;
}

void OperationCourse::Stop()
{
    m_link.ResetRadio();
    m_link.m_nStatus = LINK_OK;
    m_record.result = "stopped";
}

void OperationCourse::Fail(int messageId, std::string details)
{
    m_link.ResetRadio();
    if (messageId != 0)
        ShowStatusMessage(Context(), MSG_ERROR, messageId, std::move(details));
}

void OperationCourse::FailWithText(int messageId, std::string text)
{
    m_link.ResetRadio();
    ShowStatusText(Context(), MSG_ERROR, messageId, std::move(text));
}

bool OperationCourse::ReleaseRadio()
{
    return m_link.ResetRadio();
}

void OperationCourse::End()
{
    if (!m_begun)
        return;
    m_begun = false;
    m_link.m_pPort = nullptr;
    m_port.Close();
    OperationContext& context = Context();
    if (ITrace* trace = context.trace)
        trace->OperationEnds(context.NowMs(), m_record.result);
    context.host->EndWaitCursor();
}
