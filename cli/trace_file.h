// Trace lines written to a file as they come, each flushed at once, so the file
// holds everything up to the moment a program or a radio stopped answering.
#pragma once

#include "app/trace_text.h"

#include <cstdio>
#include <string>

class CTraceFile : public ITraceLines {
public:
    CTraceFile() = default;
    ~CTraceFile() override;
    CTraceFile(const CTraceFile&) = delete;
    CTraceFile& operator=(const CTraceFile&) = delete;

    // Creates (or empties) the file; false when it cannot be opened for writing.
    bool Open(const std::string& path);
    void Line(const std::string& line) override;
    // False once a line could not be written whole (a full disk, say) or the
    // file could not be closed cleanly.
    bool Complete();

private:
    std::FILE* m_file = nullptr;
    bool m_failed = false;
};
