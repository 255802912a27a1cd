#include "tests/support/pty_peer.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <stdexcept>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

PtyPeer::PtyPeer()
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    char name[PATH_MAX];
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0
        || ::ptsname_r(m_master, name, sizeof(name)) != 0)
        throw std::runtime_error("no pseudo-terminal");
    m_path = name;
    // Held open so the terminal does not hang up while the product has it closed.
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    struct termios tio;
    if (m_slave < 0 || ::tcgetattr(m_slave, &tio) != 0)
        throw std::runtime_error("cannot open the pseudo-terminal");
    ::cfmakeraw(&tio);
    ::tcsetattr(m_slave, TCSANOW, &tio);
    // Packet mode: each read from this side says whether the product flushed its
    // input queue, so a purge can be seen from here.
    int packet = 1;
    if (::ioctl(m_master, TIOCPKT, &packet) != 0)
        throw std::runtime_error("no packet mode on the pseudo-terminal");
    if (::pipe2(m_wake, O_CLOEXEC) != 0)
        throw std::runtime_error("no pipe");
    m_thread = std::thread([this] { Run(); });
}

PtyPeer::~PtyPeer()
{
    const char byte = 1;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], &byte, 1);
    m_thread.join();
    for (int fd : { m_master, m_slave, m_wake[0], m_wake[1] })
        ::close(fd);
}

void PtyPeer::SetEcho(bool echo)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_echo = echo;
}

void PtyPeer::ReplyAfter(size_t afterBytes, ByteString reply, int delayMs)
{
    {
        std::lock_guard<std::mutex> lock(m_mutex);
        m_replies.push_back({ afterBytes, std::move(reply), delayMs });
        CheckReplies();
    }
    Wake(); // the reply may be due later: the peer's wait must know
}

void PtyPeer::Send(const ByteString& bytes)
{
    size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(m_master, bytes.data() + done, bytes.size() - done);
        if (n <= 0)
            throw std::runtime_error("pseudo-terminal write failed");
        done += static_cast<size_t>(n);
    }
}

size_t PtyPeer::QueuedForProduct()
{
    int queued = 0;
    // The peer's own descriptor of the device shares the product's input queue.
    if (::ioctl(m_slave, FIONREAD, &queued) != 0)
        return 0;
    return static_cast<size_t>(queued);
}

bool PtyPeer::WaitUntilQueued(size_t count, int timeoutMs)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeoutMs);
    while (QueuedForProduct() != count) {
        if (std::chrono::steady_clock::now() > deadline)
            return false;
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    }
    return true;
}

ByteString PtyPeer::Received()
{
    std::lock_guard<std::mutex> lock(m_mutex);
    return m_received;
}

ByteString PtyPeer::WaitForBytes(size_t count, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_received.size() >= count; });
    return m_received;
}

bool PtyPeer::WaitForPurges(size_t count, int timeoutMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(timeoutMs), [&] { return m_purges >= count; });
}

struct termios PtyPeer::LineSettings()
{
    struct termios settings = {};
    if (::tcgetattr(m_master, &settings) != 0)
        throw std::runtime_error("cannot read the line settings");
    return settings;
}

void PtyPeer::SetLineSettings(const struct termios& settings)
{
    if (::tcsetattr(m_master, TCSANOW, &settings) != 0)
        throw std::runtime_error("cannot set the line settings");
}

void PtyPeer::Wake()
{
    const char byte = 0;
    [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], &byte, 1);
}

void PtyPeer::CheckReplies()
{
    for (auto it = m_replies.begin(); it != m_replies.end();) {
        if (m_received.size() >= it->afterBytes) {
            if (it->delayMs > 0)
                m_delayed.emplace_back(std::chrono::steady_clock::now() + std::chrono::milliseconds(it->delayMs),
                                       std::move(it->bytes));
            else
                Send(it->bytes);
            it = m_replies.erase(it);
        } else {
            ++it;
        }
    }
}

int PtyPeer::SendDueReplies()
{
    const TimePoint now = std::chrono::steady_clock::now();
    int untilNext = -1;
    for (auto it = m_delayed.begin(); it != m_delayed.end();) {
        if (it->first <= now) {
            Send(it->second);
            it = m_delayed.erase(it);
            continue;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(it->first - now).count() + 1;
        untilNext = untilNext < 0 ? static_cast<int>(left) : std::min(untilNext, static_cast<int>(left));
        ++it;
    }
    return untilNext;
}

void PtyPeer::Run()
{
    for (;;) {
        int timeoutMs = -1;
        {
            std::lock_guard<std::mutex> lock(m_mutex);
            timeoutMs = SendDueReplies();
        }
        struct pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        if (::poll(fds, 2, timeoutMs) < 0)
            continue;
        if (fds[1].revents & POLLIN) {
            char byte = 0;
            if (::read(m_wake[0], &byte, 1) == 1 && byte != 0)
                return; // the destructor's wake-up
        }
        if (fds[0].revents & POLLIN) {
            uint8_t chunk[513];
            const ssize_t n = ::read(m_master, chunk, sizeof(chunk));
            if (n <= 0)
                continue;
            std::lock_guard<std::mutex> lock(m_mutex);
            // The first byte of each packet: 0 before data, else what happened to the queues.
            if (chunk[0] != TIOCPKT_DATA) {
                if (chunk[0] & TIOCPKT_FLUSHREAD)
                    ++m_purges;
            } else if (n > 1) {
                if (m_echo)
                    Send(ByteString(chunk + 1, chunk + n));
                m_received.insert(m_received.end(), chunk + 1, chunk + n);
                CheckReplies();
            }
            m_changed.notify_all();
        }
    }
}
