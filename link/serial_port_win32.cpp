// CSerialPort on Windows: overlapped I/O on the COM device, with the driver's
// read time-outs doing the waiting.
#include "link/serial_port.h"

#include "link/port_resolver.h"

#include <windows.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace {

// The errors a USB serial driver fails reads with once its device has been
// unplugged; a time-out or a read cancelled here is none of them.
bool DeviceGone(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_BAD_COMMAND:
    case ERROR_GEN_FAILURE:
    case ERROR_DEVICE_REMOVED:
    case ERROR_DEVICE_NOT_CONNECTED:
        return true;
    default:
        return false;
    }
}

// Each write keeps its own control block and byte until the driver has finished
// with them, so a block is never reused while its write is pending.
struct PendingWrite {
    OVERLAPPED overlapped;
    std::vector<unsigned char> data;
};

PortOpenFailure FailureOf(DWORD error)
{
    switch (error) {
    case ERROR_FILE_NOT_FOUND:
    case ERROR_PATH_NOT_FOUND:
        return PortOpenFailure::NoSuchDevice;
    case ERROR_ACCESS_DENIED: // what a port held by another program gives
    case ERROR_SHARING_VIOLATION:
        return PortOpenFailure::Busy;
    default:
        return PortOpenFailure::Other;
    }
}

} // namespace

struct CSerialPort::Impl {
    // Waits for the writes still with the driver: all of them, or none (only
    // those already finished are let go).
    void ReapWrites(bool waitForAll);

    HANDLE m_hComm = INVALID_HANDLE_VALUE;
    OVERLAPPED m_ovRead = {};
    OVERLAPPED m_ovWrite = {}; // template for each write's own control block
    std::deque<std::unique_ptr<PendingWrite>> m_pendingWrites;
};

CSerialPort::CSerialPort() : m_impl(new Impl) {}

CSerialPort::CSerialPort(OperationContext& context) : m_impl(new Impl), m_context(&context) {}

CSerialPort::~CSerialPort()
{
    Close();
}

bool CSerialPort::IsOpen() const
{
    return m_impl->m_hComm != INVALID_HANDLE_VALUE;
}

bool CSerialPort::Open(const char* portName)
{
    if (IsOpen() || portName == nullptr) {
        m_lastOpenFailure = PortOpenFailure::Other;
        return false;
    }
    m_device = ResolvePort(m_context->ports, portName);
    const HANDLE comm = ::CreateFileA(m_device.c_str(), GENERIC_READ | GENERIC_WRITE, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL | FILE_FLAG_OVERLAPPED, nullptr);
    if (comm == INVALID_HANDLE_VALUE) {
        m_lastOpenFailure = FailureOf(::GetLastError());
        return false;
    }
    m_impl->m_hComm = comm;

    ::SetCommMask(comm, EV_RXCHAR);
    ::SetupComm(comm, SERIAL_QUEUE_SIZE, SERIAL_QUEUE_SIZE);
    ::PurgeComm(comm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);

    COMMTIMEOUTS timeouts;
    timeouts.ReadIntervalTimeout = SERIAL_READ_INTERVAL_MS;
    timeouts.ReadTotalTimeoutMultiplier = 0;
    timeouts.ReadTotalTimeoutConstant = SERIAL_READ_TOTAL_MS;
    timeouts.WriteTotalTimeoutMultiplier = 0;
    timeouts.WriteTotalTimeoutConstant = 0;
    ::SetCommTimeouts(comm, &timeouts);

    DCB dcb;
    ZeroMemory(&dcb, sizeof(dcb));
    dcb.DCBlength = sizeof(dcb);
    // A handle without a line's state (a file) is no serial device.
    if (!::GetCommState(comm, &dcb)) {
        m_lastOpenFailure = PortOpenFailure::NotSerialDevice;
        return false;
    }
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
    // When this fails the handle stays open; the caller treats the port as not
    // opened and Close (or the destructor) lets it go.
    const bool configured = ::SetCommState(comm, &dcb) != FALSE;
    m_lastOpenFailure = configured ? PortOpenFailure::None : PortOpenFailure::Other;
    return configured;
}

void CSerialPort::Close()
{
    if (!IsOpen())
        return;
    Impl& port = *m_impl;
    ::SetCommMask(port.m_hComm, 0);
    ::PurgeComm(port.m_hComm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
    port.ReapWrites(true);
    ::CloseHandle(port.m_hComm);
    port.m_hComm = INVALID_HANDLE_VALUE;
    m_vanished = false;
}

int CSerialPort::Read(unsigned char* buffer, int count, int totalMs)
{
    if (!IsOpen() || buffer == nullptr || count <= 0 || m_vanished)
        return 0;
    Impl& port = *m_impl;
    const int64_t start = m_context->NowMs();
    const bool cut = totalMs < SERIAL_READ_TOTAL_MS;
    const int64_t deadline = start + std::clamp(totalMs, 0, SERIAL_READ_TOTAL_MS);
    HANDLE event = ::CreateEventA(nullptr, TRUE, FALSE, nullptr);
    port.m_ovRead.Offset = 0;
    port.m_ovRead.OffsetHigh = 0;
    port.m_ovRead.hEvent = event;
    DWORD transferred = 0;
    // The error that ended a read the driver failed.
    DWORD failure = ERROR_SUCCESS;
    if (!::ReadFile(port.m_hComm, buffer, static_cast<DWORD>(count), &transferred, &port.m_ovRead)) {
        transferred = 0;
        failure = ::GetLastError();
        if (failure == ERROR_IO_PENDING) {
            failure = ERROR_SUCCESS;
            // Wait in slices so the host's idle call runs while the driver's
            // time-outs decide when the read ends (a shorter read is cancelled).
            for (;;) {
                const int64_t left = cut ? std::max<int64_t>(0, deadline - m_context->NowMs()) : SERIAL_READ_TOTAL_MS;
                const int64_t sleepMs = m_context->SleepBeforeIdleMs(left);
                ::WaitForSingleObject(event, static_cast<DWORD>(sleepMs));
                m_context->IdleWhenDue();
                if (::GetOverlappedResult(port.m_hComm, &port.m_ovRead, &transferred, FALSE))
                    break;
                transferred = 0;
                if (::GetLastError() != ERROR_IO_INCOMPLETE) {
                    failure = ::GetLastError();
                    break;
                }
                if (cut && m_context->NowMs() >= deadline) {
                    ::CancelIoEx(port.m_hComm, &port.m_ovRead);
                    if (!::GetOverlappedResult(port.m_hComm, &port.m_ovRead, &transferred, TRUE))
                        transferred = 0;
                    break;
                }
            }
        }
    }
    ::CloseHandle(event);
    port.m_ovRead.hEvent = nullptr;
    if (transferred == 0 && DeviceGone(failure)) {
        NoteVanished();
    } else if (transferred == 0) {
        // Any other failure is waited out like a silent line, so the caller's
        // receive loop does not spin until its deadline.
        m_context->WaitUntil(deadline);
    }
    return static_cast<int>(transferred);
}

void CSerialPort::Impl::ReapWrites(bool waitForAll)
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
    Impl& port = *m_impl;
    port.ReapWrites(false);
    std::unique_ptr<PendingWrite> write(new PendingWrite);
    write->overlapped = port.m_ovWrite;
    write->overlapped.Offset = 0;
    write->overlapped.OffsetHigh = 0;
    write->overlapped.hEvent = nullptr;
    write->data.assign(buffer, buffer + count);
    DWORD written = 0;
    if (::WriteFile(port.m_hComm, write->data.data(), static_cast<DWORD>(count), &written, &write->overlapped))
        return static_cast<int>(written);
    if (::GetLastError() == ERROR_IO_PENDING) {
        // A pending write counts as done; its block stays alive until it completes.
        port.m_pendingWrites.push_back(std::move(write));
        return count;
    }
    return 0;
}

bool CSerialPort::InputWaiting()
{
    COMSTAT status = {};
    DWORD errors = 0;
    return !::ClearCommError(m_impl->m_hComm, &errors, &status) || status.cbInQue > 0;
}

void CSerialPort::PurgeReceive()
{
    if (IsOpen())
        ::PurgeComm(m_impl->m_hComm, PURGE_RXABORT | PURGE_RXCLEAR);
}

void CSerialPort::PurgeAll()
{
    if (IsOpen())
        ::PurgeComm(m_impl->m_hComm, PURGE_TXABORT | PURGE_RXABORT | PURGE_TXCLEAR | PURGE_RXCLEAR);
}
