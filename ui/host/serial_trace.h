// The GUI's serial trace: the last operation's trace kept in memory while the
// program runs, and Help > Save Serial Trace... writing it to a file for support.
#pragma once

#include "ui/host/trace_buffer.h"
#include "app/trace_text.h"

class QWidget;

class GuiSerialTrace {
public:
    GuiSerialTrace();
    // The trace for the GUI's operation context: it fills the buffer.
    ITrace* Trace() { return &m_text; }
    bool HasTrace() const { return !m_buffer.Empty(); }
    // The trace as Save writes it; empty when there is none yet.
    std::string Text() const { return HasTrace() ? m_buffer.Text() : std::string(); }
    // Asks where to save the trace and saves it whole or not at all; says so when
    // there is no trace yet or the file cannot be written.
    void Save(QWidget* parent);

private:
    CTraceBuffer m_buffer;
    CTextTrace m_text{ m_buffer };
};
