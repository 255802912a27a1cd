#include "link/trace_file.h"

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
    return m_file != nullptr;
}

void CTraceFile::Line(const std::string& line)
{
    if (!m_file)
        return;
    std::fputs(line.c_str(), m_file);
    std::fputc('\n', m_file);
    std::fflush(m_file);
}
