// The course every board operation follows: open the port (or say it could not
// be opened), wait cursor on, attach the port to the link, identify radio and
// board, ... the operation's own requests ..., and at the end detach, close the
// port and take the wait cursor off, whatever happened in between. A request
// that fails ends the course the same way in every operation: the radio is
// reset, then the failure is said, and the record says "failed".
#pragma once

#include "link/port_name.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "operations/operation_record.h"

#include <string>

class OperationCourse {
public:
    // The course runs on `link` over the named port; `operation` names it in
    // the serial trace and the record: "read", "write", ... What the course
    // learns and how it ends go into `record` as they happen.
    OperationCourse(CRadioLink& link, std::string portName, const char* operation, OperationRecord& record);
    ~OperationCourse();
    OperationCourse(const OperationCourse&) = delete;
    OperationCourse& operator=(const OperationCourse&) = delete;

    // Opens the port, then turns the wait cursor on and attaches the port. When
    // the port does not open, says so and returns false (nothing else happens).
    bool Begin();
    // ReadRadioInfo (item 0, not quiet) then IdentifyBoard with the board type;
    // false at the first that fails (it has shown its message). The radio's
    // text and the board's type go into the record.
    bool IdentifyRadioAndBoard();
    // True when a stop was requested: the radio has then been reset, the record
    // says "stopped" and the operation ends without a message of its own.
    bool StopBeforeNextRequest();
    // Ends the course stopped now: the radio is reset and the record says "stopped".
    void Stop();
    // A request failed: the radio is reset, then the error with this id is shown
    // (none for 0: the failed request has said why), with `details` beside it.
    void Fail(int messageId = 0, std::string details = std::string());
    // The same with a ready text made from the error with this id.
    void FailWithText(int messageId, std::string text);
    // The operation's requests are done: the radio is reset. False when the
    // reset failed (its message has been shown, the record says "failed").
    bool ReleaseRadio();
    // How the operation ended, for the trace and the record ("succeeded",
    // "stopped"); without it the operation failed.
    void NoteResult(const char* result) { m_record.result = result; }
    // Detaches and closes the port and turns the wait cursor off (once).
    void End();

    const std::string& PortName() const { return m_portName; }
    CRadioLink& Link() const { return m_link; }
    OperationContext& Context() const { return m_link.Context(); }
    OperationRecord& Record() const { return m_record; }

private:
    CRadioLink& m_link;
    std::string m_portName;
    CSerialPort m_port;
    const char* m_operation;
    OperationRecord& m_record;
    bool m_begun = false;
};
