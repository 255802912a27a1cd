#include "seams/trace.h"

ITrace* trace_detail::g_trace = nullptr;

void SetTrace(ITrace* trace)
{
    trace_detail::g_trace = trace;
}
