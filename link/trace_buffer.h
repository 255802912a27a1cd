// The last operation's trace kept in memory, for the GUI to save on request.
// Bounded: beyond the bound the oldest lines are dropped, and the text says how
// many, so a 20-minute read-out costs a few megabytes at most. Lines come from
// the start of an operation until the next one starts.
#pragma once

#include "link/trace_text.h"

#include <cstddef>
#include <deque>
#include <string>

constexpr size_t TRACE_BUFFER_BYTES = 4 * 1024 * 1024;

class CTraceBuffer : public ITraceLines {
public:
    explicit CTraceBuffer(size_t boundBytes = TRACE_BUFFER_BYTES) : m_bound(boundBytes) {}

    void Restart() override;
    void Line(const std::string& line) override;

    bool Empty() const { return m_lines.empty(); }
    // The lines kept, each ending in a line end; first a line saying how many
    // were dropped, when some were.
    std::string Text() const;

private:
    size_t m_bound;
    std::deque<std::string> m_lines;
    size_t m_bytes = 0; // text kept, line ends included
    size_t m_dropped = 0;
    bool m_started = false; // lines before the first operation (a question, say) are not kept
};
