#include "operations/operation_course.h"

#include "link/port_hint.h"
#include "link/port_resolver.h"
#include "link/radio_link.h"
#include "seams/cable_unplugged.h"
#include "seams/clock.h"
#include "seams/operation_host.h"
#include "seams/status_message.h"
#include "seams/stop_request.h"
#include "seams/trace.h"

#include <algorithm>
#include <utility>

OperationCourse::OperationCourse(CRadioLink& link, std::string portName, const char* operation, OperationRecord& record)
    : m_link(link), m_portName(std::move(portName)), m_operation(operation), m_record(record)
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
    m_record.begun = true;
    ForgetCableUnplugged();
    m_record.device = ResolvePort(m_portName);
    if (ITrace* trace = ActiveTrace())
        trace->OperationBegins(ClockNowMs(), m_operation, m_portName, m_record.device);
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
    if (!StopRequested())
        return false;
    m_link.ResetRadio();
    m_link.m_nStatus = LINK_OK;
    m_record.result = "stopped";
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
        trace->OperationEnds(ClockNowMs(), m_record.result);
    OperationHost().EndWaitCursor();
}
