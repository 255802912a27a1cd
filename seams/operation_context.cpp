#include "seams/operation_context.h"

#include <algorithm>

void OperationContext::PauseMoreThan(int ms)
{
    if (trace)
        trace->Pause(NowMs(), ms);
    WaitUntil(NowMs() + ms + 1);
}

void OperationContext::IdleWhenDue()
{
    const int64_t now = NowMs();
    // A clock put in since the last idle call may stand behind it: due then too.
    if (now - m_lastIdleMs >= IDLE_SLICE_MS || now < m_lastIdleMs) {
        m_lastIdleMs = now;
        host->Idle();
    }
}

int64_t OperationContext::SleepBeforeIdleMs(int64_t leftMs) const
{
    if (!host->WantsIdle())
        return leftMs;
    const int64_t now = NowMs();
    if (now < m_lastIdleMs)
        return 0;
    return std::max<int64_t>(0, std::min(leftMs, m_lastIdleMs + IDLE_SLICE_MS - now));
}

MsgAnswer OperationContext::Present(const MessageBoxRequest& request)
{
    if (trace)
        trace->Message(NowMs(), request.details.empty() ? request.text : request.text + " " + request.details);
    return presenter->Present(request);
}

bool OperationContext::FirstToSayCableUnplugged()
{
    if (!m_unplugged || m_saidUnplugged)
        return false;
    m_saidUnplugged = true;
    return true;
}
