// The byte-wise reads and writes the framing layer uses, the same on every platform.
#include "link/serial_port.h"

#include "link/clock.h"

#include <algorithm>

int CSerialPort::ReadByte()
{
    unsigned char byte = 0;
    return Read(&byte, 1) == 1 ? byte : -1;
}

int CSerialPort::WriteByte(int byte)
{
    const unsigned char value = static_cast<unsigned char>(byte & 0xFF);
    return Write(&value, 1) == 1 ? byte : -1;
}

void CSerialPort::AwaitBytes(int count)
{
    if (!IsOpen() || count < 2 || InputWaiting())
        return;
    // The last byte cannot arrive before the others have crossed the line.
    const int lineMs = static_cast<int>(static_cast<int64_t>(count - 1) * SERIAL_BYTE_TIME_US / 1000);
    const int waitMs = std::min(lineMs, IDLE_SLICE_MS);
    if (waitMs > 0)
        ClockWaitUntil(ClockNowMs() + waitMs);
}
