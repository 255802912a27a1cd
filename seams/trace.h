// The trace seam: what went over the wire, for support. The link reports every
// byte sent and received, every frame it decoded, every pause and the text of
// every message shown; the GUI keeps the last operation in memory, the CLI
// writes a file. With no trace installed each report costs one pointer test.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

enum class TraceDirection { Sent, Received };
// A one-byte frame carries no checksum.
enum class TraceChecksum { Good, Bad, None };

class ITrace {
public:
    virtual ~ITrace() = default;
    // An operation ("read", "write", ...) begins on this port and the device it
    // stands for (before the port is opened).
    virtual void OperationBegins(int64_t ms, const std::string& operation, const std::string& portName,
                                 const std::string& device)
    {
        (void)ms, (void)operation, (void)portName, (void)device;
    }
    // The operation has released the port; `result` says how it ended.
    virtual void OperationEnds(int64_t ms, const std::string& result) { (void)ms, (void)result; }
    virtual void Byte(int64_t ms, TraceDirection direction, uint8_t byte) { (void)ms, (void)direction, (void)byte; }
    virtual void Frame(int64_t ms, TraceDirection direction, uint8_t opcode, const uint8_t* data, size_t length,
                       TraceChecksum checksum)
    {
        (void)ms, (void)direction, (void)opcode, (void)data, (void)length, (void)checksum;
    }
    virtual void Pause(int64_t ms, int pauseMs) { (void)ms, (void)pauseMs; }
    virtual void Message(int64_t ms, const std::string& text) { (void)ms, (void)text; }
};

namespace trace_detail {
extern ITrace* g_trace;
// This thread's own trace while a ThreadTrace lives; `set` tells "off" from "the program's".
struct ThreadTrace {
    bool set = false;
    ITrace* trace = nullptr;
};
extern thread_local ThreadTrace t_trace;
}

// Installs the trace used from now on; nullptr switches tracing off.
void SetTrace(ITrace* trace);

// The installed trace, or nullptr when tracing is off. Report sites test it first:
//     if (ITrace* trace = ActiveTrace()) trace->Byte(ClockNowMs(), ...);
inline ITrace* ActiveTrace()
{
    return trace_detail::t_trace.set ? trace_detail::t_trace.trace : trace_detail::g_trace;
}

// Gives this thread its own trace (nullptr: none) while it lives, so that loops
// on several ports never write into one trace at once. Scopes nest.
class ThreadTrace {
public:
    explicit ThreadTrace(ITrace* trace);
    ~ThreadTrace();
    ThreadTrace(const ThreadTrace&) = delete;
    ThreadTrace& operator=(const ThreadTrace&) = delete;

private:
    trace_detail::ThreadTrace m_previous;
};
