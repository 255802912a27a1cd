#include "seams/trace.h"

ITrace* trace_detail::g_trace = nullptr;
thread_local trace_detail::ThreadTrace trace_detail::t_trace;

void SetTrace(ITrace* trace)
{
    trace_detail::g_trace = trace;
}

ThreadTrace::ThreadTrace(ITrace* trace) : m_previous(trace_detail::t_trace)
{
    trace_detail::t_trace = { true, trace };
}

ThreadTrace::~ThreadTrace()
{
    trace_detail::t_trace = m_previous;
}
