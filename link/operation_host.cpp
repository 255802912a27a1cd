#include "link/operation_host.h"

namespace {
IOperationHost g_quietHost;
IOperationHost* g_host = &g_quietHost;
} // namespace

void SetOperationHost(IOperationHost* host)
{
    g_host = host ? host : &g_quietHost;
}

IOperationHost& OperationHost()
{
    return *g_host;
}
