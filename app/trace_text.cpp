#include "app/trace_text.h"

#include "seams/local_time.h"

#include <cstdio>
#include <ctime>

#ifndef _WIN32
#include <sys/utsname.h>
#endif

namespace {

// Bytes on one line, and the silence after which the next byte starts a new one.
constexpr int BYTES_PER_LINE = 16;
constexpr int64_t BYTE_GAP_MS = 20;

std::string Stamp(int64_t ms)
{
    if (ms < 0)
        ms = 0;
    char text[32];
    std::snprintf(text, sizeof(text), "%5lld.%03lld", static_cast<long long>(ms / 1000),
                  static_cast<long long>(ms % 1000));
    return text;
}

void AppendHex(std::string& line, uint8_t byte)
{
    static const char DIGITS[] = "0123456789ABCDEF";
    line += ' ';
    line += DIGITS[byte >> 4];
    line += DIGITS[byte & 0x0F];
}

} // namespace

void CTextTrace::Flush()
{
    if (m_byteCount == 0)
        return;
    m_lines.Line(m_byteLine);
    m_byteLine.clear();
    m_byteCount = 0;
}

void CTextTrace::Event(int64_t ms, const std::string& text)
{
    Flush();
    m_lines.Line(Stamp(ms - m_operationStartMs) + "   " + text);
}

void CTextTrace::OperationBegins(int64_t ms, const std::string& operation, const std::string& portName,
                                 const std::string& device)
{
    Flush();
    m_lines.Restart();
    m_operationStartMs = ms;
    std::string line = "== " + operation + " on " + portName;
    if (!device.empty() && device != portName)
        line += " (" + device + ")";
    m_lines.Line(line + ", started " + LocalTimeText());
}

void CTextTrace::OperationEnds(int64_t ms, const std::string& result)
{
    Event(ms, "port released");
    Event(ms, "ended: " + result);
}

void CTextTrace::Byte(int64_t ms, TraceDirection direction, uint8_t byte)
{
    if (m_byteCount > 0
        && (direction != m_direction || m_byteCount == BYTES_PER_LINE || ms - m_lastByteMs > BYTE_GAP_MS))
        Flush();
    if (m_byteCount == 0) {
        m_byteLine = Stamp(ms - m_operationStartMs) + (direction == TraceDirection::Sent ? " >" : " <");
        m_direction = direction;
    }
    AppendHex(m_byteLine, byte);
    ++m_byteCount;
    m_lastByteMs = ms;
}

void CTextTrace::Frame(int64_t ms, TraceDirection direction, uint8_t opcode, const uint8_t* data, size_t length,
                       TraceChecksum checksum)
{
    std::string text = direction == TraceDirection::Sent ? "frame out" : "frame in";
    AppendHex(text, opcode);
    text += " len " + std::to_string(length);
    if (length > 0) {
        text += " data";
        for (size_t i = 0; i < length; ++i)
            AppendHex(text, data[i]);
    }
    switch (checksum) {
    case TraceChecksum::Good: text += " checksum ok"; break;
    case TraceChecksum::Bad: text += " checksum BAD"; break;
    case TraceChecksum::None: text += " no checksum"; break;
    }
    Event(ms, text);
}

void CTextTrace::Pause(int64_t ms, int pauseMs)
{
    Event(ms, "pause " + std::to_string(pauseMs) + " ms");
}

void CTextTrace::Message(int64_t ms, const std::string& text)
{
    // One line per message, whatever line breaks its text has.
    std::string line = "message: ";
    for (char c : text)
        line += (c == '\n' || c == '\r') ? ' ' : c;
    Event(ms, line);
}

std::string LocalTimeText()
{
    const std::tm local = LocalTime(std::time(nullptr));
    char text[64];
    std::strftime(text, sizeof(text), "%Y-%m-%d %H:%M:%S %z", &local);
    return text;
}

std::vector<std::string> TraceHeader(const std::string& program, const std::string& version)
{
    std::string system;
#ifdef _WIN32
    system = "Windows";
#else
    struct utsname name;
    system = ::uname(&name) == 0 ? std::string(name.sysname) + " " + name.release + " " + name.machine : "POSIX";
#endif
    return {
        "Serial trace of " + program + " " + version,
        "started: " + LocalTimeText(),
        "system: " + system,
        "line: 9600 baud, 8 data bits, no parity, 1 stop bit, no flow control",
        "times: seconds since the start of each operation",
    };
}
