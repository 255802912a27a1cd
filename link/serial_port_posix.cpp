// CSerialPort on POSIX systems: termios for the line settings, poll() for the read
// time-outs, TIOCEXCL plus flock() for exclusive use.
#include "link/serial_port.h"

#include "link/port_resolver.h"

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <poll.h>
#include <string>
#include <sys/file.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

namespace {

constexpr int INVALID_HANDLE = -1;

// Waits until fd is ready for `events` or the deadline passes, sleeping in slices
// and making the idle call when due, also while bytes keep arriving (a long frame
// at 9600 baud takes tens of milliseconds). True when ready.
bool WaitReady(OperationContext& context, int fd, short events, int64_t deadlineMs)
{
    for (;;) {
        const int64_t left = deadlineMs - context.NowMs();
        struct pollfd pfd = { fd, events, 0 };
        const int result = ::poll(&pfd, 1, static_cast<int>(std::max<int64_t>(0, context.SleepBeforeIdleMs(left))));
        context.IdleWhenDue();
        if (result > 0)
            return true;
        if ((result < 0 && errno != EINTR) || left <= 0)
            return false;
    }
}

// Empties both queues and gives the device back, exclusive flag and lock included.
void CloseDescriptor(int fd)
{
    ::tcflush(fd, TCIOFLUSH);
    // The exclusive flag outlives this descriptor when someone else keeps the
    // device open; clear it so the next open is not refused.
    ::ioctl(fd, TIOCNXCL);
    ::close(fd); // also releases the lock
}

PortOpenFailure FailureOf(int error)
{
    switch (error) {
    case ENOENT:
    case ENODEV:
    case ENXIO:
        return PortOpenFailure::NoSuchDevice;
    case EACCES:
    case EPERM:
        return PortOpenFailure::PermissionDenied;
    case EBUSY:
    case EWOULDBLOCK:
        return PortOpenFailure::Busy;
    default:
        return PortOpenFailure::Other;
    }
}

} // namespace

struct CSerialPort::Impl {
    // Moves up to `count` bytes read ahead into buffer; how many.
    int TakeAhead(unsigned char* buffer, int count)
    {
        const int taken = std::min(count, static_cast<int>(m_aheadEnd - m_aheadStart));
        std::copy(m_ahead + m_aheadStart, m_ahead + m_aheadStart + taken, buffer);
        m_aheadStart += static_cast<size_t>(taken);
        return taken;
    }
    void DropAhead() { m_aheadStart = m_aheadEnd = 0; }

    int m_hComm = INVALID_HANDLE;
    // What one read() took from the device beyond what the caller asked for: byte-wise
    // reads are served from here without a system call each. Purged with the queue.
    unsigned char m_ahead[SERIAL_QUEUE_SIZE];
    size_t m_aheadStart = 0;
    size_t m_aheadEnd = 0;
};

CSerialPort::CSerialPort() : m_impl(new Impl) {}

CSerialPort::CSerialPort(OperationContext& context) : m_impl(new Impl), m_context(&context) {}

CSerialPort::~CSerialPort()
{
    Close();
}

bool CSerialPort::IsOpen() const
{
    return m_impl->m_hComm != INVALID_HANDLE;
}

bool CSerialPort::Open(const char* portName)
{
    if (IsOpen() || portName == nullptr) {
        m_lastOpenFailure = PortOpenFailure::Other;
        return false;
    }
    m_device = ResolvePort(m_context->ports, portName);
    // Only a character device can be a serial line: a file, folder or named pipe
    // is refused without being opened.
    struct stat info;
    if (::stat(m_device.c_str(), &info) == 0 && !S_ISCHR(info.st_mode)) {
        m_lastOpenFailure = PortOpenFailure::NotSerialDevice;
        return false;
    }
    const int fd = ::open(m_device.c_str(), O_RDWR | O_NOCTTY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        m_lastOpenFailure = FailureOf(errno); // EBUSY: another program set TIOCEXCL
        return false;
    }

    // Exclusive use. TIOCEXCL keeps out other users' opens but not root's, so a
    // lock on the device is taken as well; either refusal means "in use". The lock
    // comes before anything that would disturb another program's traffic.
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        m_lastOpenFailure = FailureOf(errno);
        ::close(fd);
        return false;
    }
    ::ioctl(fd, TIOCEXCL);

    // The kernel's own tty queues stand in for the driver queue sizes.
    ::tcflush(fd, TCIOFLUSH);

    // A device that is no serial line (or refuses the settings) is not kept open.
    struct termios tio;
    if (::tcgetattr(fd, &tio) != 0) {
        m_lastOpenFailure = errno == ENOTTY ? PortOpenFailure::NotSerialDevice : PortOpenFailure::Other;
        CloseDescriptor(fd);
        return false;
    }
    ::cfmakeraw(&tio);
    tio.c_cflag &= ~static_cast<tcflag_t>(CSIZE | PARENB | CSTOPB | CRTSCTS | HUPCL);
    tio.c_cflag |= CS8 | CLOCAL | CREAD;
    tio.c_iflag &= ~static_cast<tcflag_t>(IXON | IXOFF | IXANY | INPCK | ISTRIP | IGNPAR | PARMRK);
    tio.c_cc[VMIN] = 0;
    tio.c_cc[VTIME] = 0;
    ::cfsetispeed(&tio, B9600);
    ::cfsetospeed(&tio, B9600);
    if (::tcsetattr(fd, TCSANOW, &tio) != 0) {
        m_lastOpenFailure = PortOpenFailure::Other;
        CloseDescriptor(fd);
        return false;
    }

    // DTR and RTS held off. A device without modem lines (a pseudo-terminal)
    // refuses the request; that is not a failure.
    int lines = TIOCM_DTR | TIOCM_RTS;
    ::ioctl(fd, TIOCMBIC, &lines);
    m_impl->m_hComm = fd;
    m_lastOpenFailure = PortOpenFailure::None;
    return true;
}

void CSerialPort::Close()
{
    if (!IsOpen())
        return;
    CloseDescriptor(m_impl->m_hComm);
    m_impl->m_hComm = INVALID_HANDLE;
    m_impl->DropAhead();
    m_vanished = false;
}

int CSerialPort::Read(unsigned char* buffer, int count, int totalMs)
{
    if (!IsOpen() || buffer == nullptr || count <= 0)
        return 0;
    Impl& port = *m_impl;
    int got = port.TakeAhead(buffer, count);
    if (got == count || m_vanished)
        return got;
    const int64_t start = m_context->NowMs();
    const int64_t totalDeadline = start + std::clamp(totalMs, 0, SERIAL_READ_TOTAL_MS);
    // After the first byte, a gap longer than the interval time-out ends the read.
    int64_t deadline = got > 0 ? std::min(totalDeadline, start + SERIAL_READ_INTERVAL_MS) : totalDeadline;
    while (got < count) {
        if (!WaitReady(*m_context, port.m_hComm, POLLIN, deadline))
            break;
        const ssize_t n = ::read(port.m_hComm, port.m_ahead, sizeof(port.m_ahead));
        if (n > 0) {
            port.m_aheadStart = 0;
            port.m_aheadEnd = static_cast<size_t>(n);
            got += port.TakeAhead(buffer + got, count - got);
            deadline = std::min(totalDeadline, m_context->NowMs() + SERIAL_READ_INTERVAL_MS);
        } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
            // A device that was ready yet gave nothing, or an error: the kernel hung
            // the line up because the device is gone (a USB cable pulled). Nothing
            // more will come, so the operation ends now rather than after time-outs.
            NoteVanished();
            break;
        }
    }
    return got;
}

int CSerialPort::Write(const unsigned char* buffer, int count)
{
    if (!IsOpen() || buffer == nullptr || count <= 0 || m_vanished)
        return 0;
    int written = 0;
    while (written < count) {
        const ssize_t n = ::write(m_impl->m_hComm, buffer + written, static_cast<size_t>(count - written));
        if (n > 0) {
            written += static_cast<int>(n);
            continue;
        }
        if (n < 0 && errno == EINTR)
            continue;
        // The output queue is full: give the line a moment to drain, never forever.
        if (n < 0 && errno == EAGAIN && WaitReady(*m_context, m_impl->m_hComm, POLLOUT, m_context->NowMs() + SERIAL_READ_TOTAL_MS))
            continue;
        if (n < 0 && (errno == EIO || errno == ENODEV || errno == ENXIO))
            NoteVanished();
        break;
    }
    return written;
}

bool CSerialPort::InputWaiting()
{
    int queued = 0;
    return m_impl->m_aheadEnd > m_impl->m_aheadStart || ::ioctl(m_impl->m_hComm, FIONREAD, &queued) != 0
        || queued > 0;
}

void CSerialPort::PurgeReceive()
{
    m_impl->DropAhead();
    if (IsOpen())
        ::tcflush(m_impl->m_hComm, TCIFLUSH);
}

void CSerialPort::PurgeAll()
{
    m_impl->DropAhead();
    if (IsOpen())
        ::tcflush(m_impl->m_hComm, TCIOFLUSH);
}
