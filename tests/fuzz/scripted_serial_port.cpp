// The serial port of the fuzz builds: what the radio "sends" is the fuzzer's
// input, byte after byte; a read past its end is a silent line. Nothing waits:
// a silent read moves the fuzz clock on by the read time-out instead.
#include "link/serial_port.h"

#include "tests/fuzz/fuzz_support.h"

namespace fuzz {

OperationContext& Context()
{
    static OperationContext context;
    return context;
}

const uint8_t* g_input = nullptr;
size_t g_inputSize = 0;
size_t g_position = 0;
size_t g_written = 0;
} // namespace fuzz

CRadioLink theRadioLink(fuzz::Context());
COptionBoardData theOptionBoardData;

struct CSerialPort::Impl {
    bool open = false;
};

CSerialPort::CSerialPort() : m_impl(new Impl) {}
CSerialPort::CSerialPort(OperationContext& context) : m_impl(new Impl), m_context(&context) {}
CSerialPort::~CSerialPort() { Close(); }
bool CSerialPort::IsOpen() const { return m_impl->open; }

bool CSerialPort::Open(const char* portName)
{
    if (!portName)
        return false;
    m_impl->open = true;
    return true;
}

void CSerialPort::Close()
{
    m_impl->open = false;
}

int CSerialPort::Read(unsigned char* buffer, int count, int totalMs)
{
    int got = 0;
    while (got < count && fuzz::g_position < fuzz::g_inputSize)
        buffer[got++] = fuzz::g_input[fuzz::g_position++];
    if (got == 0)
        m_context->WaitUntil(m_context->NowMs() + totalMs);
    return got;
}

int CSerialPort::Write(const unsigned char*, int count)
{
    fuzz::g_written += static_cast<size_t>(count);
    return count;
}

// The whole input is there from the start: nothing to wait for.
bool CSerialPort::InputWaiting() { return true; }

// A purge drops nothing: the input is all the radio will ever say.
void CSerialPort::PurgeReceive() {}
void CSerialPort::PurgeAll() {}
