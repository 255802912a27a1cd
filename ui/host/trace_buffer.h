// The session's trace kept in memory, for the GUI to save on request. Bounded:
// beyond the bound the oldest whole operations are dropped (and, should one
// operation alone outgrow it, its oldest lines), and the text says how many, so
// a day of 20-minute read-outs costs a few megabytes at most.
#pragma once

#include "app/trace_text.h"

#include <cstddef>
#include <deque>
#include <string>
#include <vector>

constexpr size_t TRACE_BUFFER_BYTES = 4 * 1024 * 1024;

class CTraceBuffer : public ITraceLines {
public:
    explicit CTraceBuffer(size_t boundBytes = TRACE_BUFFER_BYTES) : m_bound(boundBytes) {}

    // The lines the text starts with, outside the bound.
    void SetHeader(std::vector<std::string> header) { m_header = std::move(header); }
    void Restart() override;
    void Line(const std::string& line) override;

    bool Empty() const { return m_operations.empty(); }
    // The header, a line saying what was dropped when something was, then the
    // operations kept, each line ending in a line end.
    std::string Text() const;

private:
    void DropOldest();

    size_t m_bound;
    std::vector<std::string> m_header;
    std::deque<std::deque<std::string>> m_operations;
    size_t m_bytes = 0; // text kept, line ends included
    size_t m_droppedOperations = 0;
    size_t m_droppedLines = 0; // of the oldest operation kept
};
