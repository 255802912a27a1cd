// CSerialPort on Windows: overlapped I/O on the COM device, with the driver's
// read time-outs doing the waiting.
#include "link/serial_port.h"

#include "link/clock.h"
#include "link/operation_host.h"
#include "link/port_resolver.h"

#include <string>
#include <vector>

// Each write keeps its own control block and byte until the driver has finished
// with them, so a block is never reused while its write is pending.
struct CSerialPort::PendingWrite {
    OVERLAPPED overlapped;
    std::vector<unsigned char> data;
};

CSerialPort::CSerialPort() : m_hComm(INVALID_HANDLE_VALUE)
{
    ZeroMemory(&m_ovRead, sizeof(m_ovRead));
    ZeroMemory(&m_ovWrite, sizeof(m_ovWrite));
}

CSerialPort::~CSerialPort()
{
    Close();
}

bool CSerialPort::IsOpen() const
{
    return m_hComm != INVALID_HANDLE_VALUE;
}

bool CSerialPort::Open(const char* portName)
{
    if (IsOpen() || portName == nullptr)
        return false;
    const std::string device = ResolvePort(portName);
    m_hComm = ::CreateFileA(device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                            FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (m_hComm == INVALID_HANDLE_VALUE)
        return false;

    ::SetCommMask(m_hComm, EV_RXCHAR);
    ::SetupComm(m_hComm, SERIAL_QUEUE_SIZE, SERIAL_QUEUE_SIZE);
    ::PurgeComm(m_hComm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);

    COMMTIMEOUTS timeouts;
    timeouts.ReadIntervalTimeout = SERIAL_READ_INTERVAL_MS;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = SERIAL_READ_TOTAL_MS;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 0;
    ::SetCommTimeouts(m_hComm, &timeouts);

    DCB dcb;
    ZeroMemory(&dcb, sizeof(dcb));
    dcb.DCBlength = sizeof(dcb);
    ::GetCommState(m_hComm, &dcb);
    dcb.BaudRate = CBR_9600;
    dcb.fBinary = TRUE;
    dcb.fParity = FALSE;
    dcb.fOutxCtsFlow = FALSE;
    dcb.fOutxDsrFlow = FALSE;
    dcb.fDtrControl = DTR_CONTROL_DISABLE;
    dcb.fDsrSensitivity = FALSE;
    dcb.fTXContinueOnXoff = TRUE;
    dcb.fOutX = FALSE;
    dcb.fInX = FALSE;
    dcb.fErrorChar = FALSE;
    dcb.fNull = FALSE;
    dcb.fRtsControl = RTS_CONTROL_DISABLE;
    dcb.fAbortOnError = FALSE;
    dcb.ByteSize = 8;
    dcb.Parity = NOPARITY;
    dcb.StopBits = ONESTOPBIT;
    return ::SetCommState(m_hComm, &dcb) != FALSE;
}

void CSerialPort::Close()
{
    if (!IsOpen())
        return;
    ::SetCommMask(m_hComm, 0);
    ::PurgeComm(m_hComm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    ReapWrites(true);
    ::CloseHandle(m_hComm);
    m_hComm = INVALID_HANDLE_VALUE;
}

int CSerialPort::Read(unsigned char* buffer, int count)
{
    if (!IsOpen() || buffer == nullptr || count <= 0)
        return 0;
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    m_ovRead.Offset = 0;
    m_ovRead.OffsetHigh = 0;
    m_ovRead.hEvent = event;
    DWORD transferred = 0;
    if (!::ReadFile(m_hComm, buffer, static_cast<DWORD>(count), &transferred, &m_ovRead)) {
        transferred = 0;
        if (::GetLastError() == ERROR_IO_PENDING) {
            // Wait in slices so the host's idle call runs while the driver's
            // time-outs decide when the read ends.
            for (;;) {
                ::WaitForSingleObject(event, IDLE_SLICE_MS);
                if (::GetOverlappedResult(m_hComm, &m_ovRead, &transferred, FALSE))
                    break;
                transferred = 0;
                if (::GetLastError() != ERROR_IO_INCOMPLETE)
                    break;
                OperationHost().Idle();
            }
        }
    }
    ::CloseHandle(event);
    m_ovRead.hEvent = nullptr;
    return static_cast<int>(transferred);
}

void CSerialPort::ReapWrites(bool waitForAll)
{
    while (!m_pendingWrites.empty()) {
        PendingWrite& oldest = *m_pendingWrites.front();
        DWORD done = 0;
        if (!::GetOverlappedResult(m_hComm, &oldest.overlapped, &done, waitForAll ? TRUE : FALSE)
            && ::GetLastError() == ERROR_IO_INCOMPLETE)
            return; // still with the driver; later writes are queued behind it
        m_pendingWrites.pop_front();
    }
}

int CSerialPort::Write(const unsigned char* buffer, int count)
{
    if (!IsOpen() || buffer == nullptr || count <= 0)
        return 0;
    ReapWrites(false);
    std::unique_ptr<PendingWrite> write(new PendingWrite);
    write->overlapped = m_ovWrite;
    write->overlapped.Offset = 0;
    write->overlapped.OffsetHigh = 0;
    write->overlapped.hEvent = nullptr;
    write->data.assign(buffer, buffer + count);
    DWORD written = 0;
    if (::WriteFile(m_hComm, write->data.data(), static_cast<DWORD>(count), &written, &write->overlapped))
        return static_cast<int>(written);
    if (::GetLastError() == ERROR_IO_PENDING) {
        // A pending write counts as done; its block stays alive until it completes.
        m_pendingWrites.push_back(std::move(write));
        return count;
    }
    return 0;
}

void CSerialPort::PurgeReceive()
{
    if (IsOpen())
        ::PurgeComm(m_hComm, PURGE_RXABORT | PURGE_RXCLEAR);
}

void CSerialPort::PurgeAll()
{
    if (IsOpen())
        ::PurgeComm(m_hComm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}
