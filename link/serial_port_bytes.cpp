// The byte-wise reads and writes the framing layer uses, the same on every platform.
#include "link/serial_port.h"

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
