#include "seams/operation_host.h"

namespace {

class QuietHost : public IOperationHost {
public:
    bool WantsIdle() const override { return false; }
};

QuietHost g_quietHost;
IOperationHost* g_host = &g_quietHost;

} // namespace

void SetOperationHost(IOperationHost* host)
{
    g_host = host ? host : &g_quietHost;
}

IOperationHost& OperationHost()
{
    IOperationHost* standIn = ThreadOperationHost::Current();
    return standIn ? *standIn : *g_host;
}
