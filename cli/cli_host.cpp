#include "cli/cli_host.h"

#include "cli/standard_output.h"

#include <utility>

CliHost::CliHost(std::FILE* progressOut, std::string exportPath)
    : m_progressOut(progressOut), m_exportPath(std::move(exportPath))
{
}

void CliHost::BeginProgress(int)
{
    m_lastWidth = 0;
}

void CliHost::SetProgress(int, const std::string& text)
{
    if (!m_progressOut)
        return;
    // Rewrites one line in place; blanks what a longer earlier text left behind.
    std::string line = text;
    if (line.size() < m_lastWidth)
        line.append(m_lastWidth - line.size(), ' ');
    m_lastWidth = text.size();
    std::fprintf(m_progressOut, "\r%s", line.c_str());
    FlushOutput(m_progressOut);
}

void CliHost::EndProgress()
{
    if (m_progressOut && m_lastWidth > 0) {
        std::fprintf(m_progressOut, "\n");
        FlushOutput(m_progressOut);
    }
    m_lastWidth = 0;
}

bool CliHost::ChooseCalibrationExportFile(std::string& path)
{
    if (m_exportPath.empty())
        return false;
    path = m_exportPath;
    return true;
}
