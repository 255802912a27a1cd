// The operation host of the command-line tool: a one-line progress display on a
// terminal, and the export file named on the command line.
#pragma once

#include "seams/operation_host.h"

#include <cstdio>
#include <string>

class CliHost : public IOperationHost {
public:
    CliHost(std::FILE* progressOut, std::string exportPath);

    void BeginProgress(int maximum) override;
    void SetProgress(int position, const std::string& text) override;
    void EndProgress() override;
    bool ChooseCalibrationExportFile(std::string& path) override;
    // Nothing to paint: waits sleep through without idle calls.
    bool WantsIdle() const override { return false; }

private:
    std::FILE* m_progressOut; // nullptr: no progress display
    std::string m_exportPath;
    size_t m_lastWidth = 0;
};
