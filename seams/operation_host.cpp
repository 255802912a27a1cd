#include "seams/operation_host.h"

namespace {

class QuietHost : public IOperationHost {
public:
    bool WantsIdle() const override { return false; }
};

QuietHost g_quietHost;
IOperationHost* g_host = &g_quietHost;
thread_local IOperationHost* t_host = nullptr;

} // namespace

void SetOperationHost(IOperationHost* host)
{
    g_host = host ? host : &g_quietHost;
}

IOperationHost& OperationHost()
{
    return t_host ? *t_host : *g_host;
}

ThreadOperationHost::ThreadOperationHost(IOperationHost* host) : m_previous(t_host)
{
    t_host = host;
}

ThreadOperationHost::~ThreadOperationHost()
{
    t_host = m_previous;
}
