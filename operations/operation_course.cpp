#include "operations/operation_course.h"

#include "link/port_hint.h"
#include "link/port_resolver.h"
#include "link/radio_link.h"
#include "seams/clock.h"
#include "seams/operation_host.h"
#include "seams/status_message.h"
#include "seams/stop_request.h"
#include "seams/trace.h"

#include <utility>

OperationCourse::OperationCourse(CRadioLink& link, std::string portName, const char* operation)
    : m_link(link), m_portName(std::move(portName)), m_operation(operation)
{
}

OperationCourse::~OperationCourse()
{
    End();
}

bool OperationCourse::Begin()
{
    if (ITrace* trace = ActiveTrace())
        trace->OperationBegins(ClockNowMs(), m_operation, m_portName, ResolvePort(m_portName));
    if (!m_port.Open(m_portName.c_str())) {
        m_port.Close(); // opened but not configured counts as not opened
        if (ITrace* trace = ActiveTrace())
            trace->OperationEnds(ClockNowMs(), "failed: the port did not open");
        ShowPortOpenFailed(m_portName, PortOpenHint(m_portName, m_port.Device(), m_port.LastOpenFailure()));
        return false;
    }
    OperationHost().BeginWaitCursor();
    m_link.m_pPort = &m_port;
    m_begun = true;
    return true;
}

bool OperationCourse::IdentifyRadioAndBoard()
{
    char radioInfo[RADIO_INFO_TEXT_SIZE];
    int length = 0;
    return m_link.ReadRadioInfo(radioInfo, 0, length, false) && m_link.IdentifyBoard(BOARD_TYPE_TEXT);
}

bool OperationCourse::StopBeforeNextRequest()
{
    if (!StopRequested())
        return false;
    m_link.ResetRadio();
    m_link.m_nStatus = LINK_OK;
    return true;
}

void OperationCourse::End()
{
    if (!m_begun)
        return;
    m_begun = false;
    m_link.m_pPort = nullptr;
    m_port.Close();
    if (ITrace* trace = ActiveTrace())
        trace->OperationEnds(ClockNowMs(), m_result ? m_result : StopRequested() ? "stopped" : "failed");
    OperationHost().EndWaitCursor();
}
