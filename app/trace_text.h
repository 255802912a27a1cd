// The trace as plain text a person can read, one event a line:
//        12.345 > FF 2F 00 06 45 00 00 00 BB CB
//        12.360 < FF 2F 00 06 45 00 00 00 BB CB
//        12.361   frame in 2F len 5 data 45 00 00 00 BB checksum ok
//        12.400   pause 101 ms
//        13.000   message: No response from radio.
// Each operation opens with a line naming it, its port and device and its local
// start time; the times of its events are seconds since it began. Bytes going one way are gathered
// on one line until the direction changes, another event comes, the line is full
// or the line falls silent for a moment.
#pragma once

#include "seams/trace.h"

#include <string>
#include <vector>

// Where the lines of text go.
class ITraceLines {
public:
    virtual ~ITraceLines() = default;
    // An operation begins: a bounded sink drops whole operations, oldest first.
    virtual void Restart() {}
    // One line, without its line end.
    virtual void Line(const std::string& line) = 0;
};

class CTextTrace : public ITrace {
public:
    explicit CTextTrace(ITraceLines& lines) : m_lines(lines) {}

    void OperationBegins(int64_t ms, const std::string& operation, const std::string& portName,
                         const std::string& device) override;
    void OperationEnds(int64_t ms, const std::string& result) override;
    void Byte(int64_t ms, TraceDirection direction, uint8_t byte) override;
    void Frame(int64_t ms, TraceDirection direction, uint8_t opcode, const uint8_t* data, size_t length,
               TraceChecksum checksum) override;
    void Pause(int64_t ms, int pauseMs) override;
    void Message(int64_t ms, const std::string& text) override;

    // Writes out the bytes gathered so far.
    void Flush();

private:
    void Event(int64_t ms, const std::string& text);

    ITraceLines& m_lines;
    std::string m_byteLine; // the bytes gathered, with their time and direction
    TraceDirection m_direction = TraceDirection::Sent;
    int m_byteCount = 0;
    int64_t m_lastByteMs = 0;
    int64_t m_operationStartMs = 0;
};

// The lines a trace file starts with: the program and its version, the local
// date and time with its offset from UTC, the operating system and the line
// settings every port is used with.
std::vector<std::string> TraceHeader(const std::string& program, const std::string& version);

// The local time now as "2026-12-08 18:50:12 +0100".
std::string LocalTimeText();
