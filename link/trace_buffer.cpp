#include "link/trace_buffer.h"

#include "link/string_table.h"
#include "resources/string_ids.h"

void CTraceBuffer::Restart()
{
    m_lines.clear();
    m_bytes = 0;
    m_dropped = 0;
    m_started = true;
}

void CTraceBuffer::Line(const std::string& line)
{
    if (!m_started)
        return;
    m_lines.push_back(line);
    m_bytes += line.size() + 1;
    while (m_bytes > m_bound && m_lines.size() > 1) {
        m_bytes -= m_lines.front().size() + 1;
        m_lines.pop_front();
        ++m_dropped;
    }
}

std::string CTraceBuffer::Text() const
{
    std::string text;
    text.reserve(m_bytes + 128);
    if (m_dropped > 0) {
        text += FormatString(IDS_TRACE_LINES_DROPPED, static_cast<unsigned long>(m_dropped),
                             static_cast<unsigned long>(m_bound / 1024));
        text += '\n';
    }
    for (const std::string& line : m_lines) {
        text += line;
        text += '\n';
    }
    return text;
}
