// The byte-wise reads and writes the framing layer uses, the same on every platform.
#include "link/serial_port.h"


#include <algorithm>

void CSerialPort::NoteVanished()
{
    if (m_vanished)
        return;
    m_vanished = true;
    m_context->NoteCableUnplugged();
}

int CSerialPort::ReadByte(int totalMs)
{
    unsigned char byte = 0;
    if (Read(&byte, 1, totalMs) != 1)
        return -1;
    if (ITrace* trace = m_context->trace)
        trace->Byte(m_context->NowMs(), TraceDirection::Received, byte);
    return byte;
}

int CSerialPort::WriteByte(int byte)
{
    const unsigned char value = static_cast<unsigned char>(byte & 0xFF);
    if (Write(&value, 1) != 1)
        return -1;
    if (ITrace* trace = m_context->trace)
        trace->Byte(m_context->NowMs(), TraceDirection::Sent, value);
    return byte;
}

void CSerialPort::AwaitBytes(int count)
{
    if (!IsOpen() || count < 2 || InputWaiting())
        return;
    // The last byte cannot arrive before the others have crossed the line.
    const int lineMs = static_cast<int>(static_cast<int64_t>(count - 1) * SERIAL_BYTE_TIME_US / 1000);
    const int waitMs = std::min(lineMs, IDLE_SLICE_MS);
    if (waitMs > 0)
        m_context->WaitUntil(m_context->NowMs() + waitMs);
}
