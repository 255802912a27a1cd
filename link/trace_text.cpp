#include "link/trace_text.h"

#include <cstdio>

namespace {

// Bytes on one line, and the silence after which the next byte starts a new one.
constexpr int BYTES_PER_LINE = 16;
constexpr int64_t BYTE_GAP_MS = 20;

std::string Stamp(int64_t ms)
{
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
    m_lines.Line(Stamp(ms) + "   " + text);
}

void CTextTrace::OperationBegins(int64_t ms, const std::string& portName)
{
    Flush();
    m_lines.Restart();
    Event(ms, "operation on " + portName);
}

void CTextTrace::OperationEnds(int64_t ms)
{
    Event(ms, "port released");
}

void CTextTrace::Byte(int64_t ms, TraceDirection direction, uint8_t byte)
{
    if (m_byteCount > 0
        && (direction != m_direction || m_byteCount == BYTES_PER_LINE || ms - m_lastByteMs > BYTE_GAP_MS))
        Flush();
    if (m_byteCount == 0) {
        m_byteLine = Stamp(ms) + (direction == TraceDirection::Sent ? " >" : " <");
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
