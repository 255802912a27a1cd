// The trace seam: what went over the wire, for support. The link reports every
// byte sent and received, every frame it decoded, every pause and the text of
// every message shown; the GUI keeps the last operation in memory, the CLI
// writes a file. An operation's context holds its trace, or none: then each
// report costs one pointer test.
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
