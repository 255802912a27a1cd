#include "cli/trace_file.h"

CTraceFile::~CTraceFile()
{
    if (m_file)
        std::fclose(m_file);
}

bool CTraceFile::Open(const std::string& path)
{
    if (m_file)
        std::fclose(m_file);
    m_file = std::fopen(path.c_str(), "w");
    m_failed = m_file == nullptr;
    return m_file != nullptr;
}

void CTraceFile::Line(const std::string& line)
{
    if (!m_file)
        return;
    if (std::fputs(line.c_str(), m_file) < 0 || std::fputc('\n', m_file) == EOF || std::fflush(m_file) != 0)
        m_failed = true;
}

bool CTraceFile::Complete()
{
    if (m_file) {
        m_failed = std::fclose(m_file) != 0 || m_failed;
        m_file = nullptr;
    }
    return !m_failed;
}
