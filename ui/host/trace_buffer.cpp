#include "ui/host/trace_buffer.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

void CTraceBuffer::Restart()
{
    m_operations.emplace_back();
    DropOldest();
}

void CTraceBuffer::Line(const std::string& line)
{
    // Lines before the first operation (a question, say) are not kept.
    if (m_operations.empty())
        return;
    m_operations.back().push_back(line);
    m_bytes += line.size() + 1;
    DropOldest();
}

void CTraceBuffer::DropOldest()
{
    while (m_bytes > m_bound && m_operations.size() > 1) {
        for (const std::string& line : m_operations.front())
            m_bytes -= line.size() + 1;
        m_operations.pop_front();
        ++m_droppedOperations;
        m_droppedLines = 0;
    }
    // One operation alone over the bound keeps its newest lines.
    std::deque<std::string>& only = m_operations.front();
    while (m_bytes > m_bound && only.size() > 1) {
        m_bytes -= only.front().size() + 1;
        only.pop_front();
        ++m_droppedLines;
    }
}

std::string CTraceBuffer::Text() const
{
    std::string text;
    text.reserve(m_bytes + 512);
    for (const std::string& line : m_header)
        text += line + '\n';
    const unsigned long kib = static_cast<unsigned long>(m_bound / 1024);
    if (m_droppedOperations > 0)
        text += FormatEnglishString(IDS_TRACE_OPERATIONS_DROPPED, static_cast<unsigned long>(m_droppedOperations), kib) + '\n';
    if (m_droppedLines > 0)
        text += FormatEnglishString(IDS_TRACE_LINES_DROPPED, static_cast<unsigned long>(m_droppedLines), kib) + '\n';
    for (const std::deque<std::string>& operation : m_operations) {
        for (const std::string& line : operation)
            text += line + '\n';
    }
    return text;
}
