#include "tests/support/pty_peer.h"

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

void PtyPeer::ReplyAfter(size_t afterBytes, ByteString reply)
{
    std::lock_guard<std::mutex> lock(m_mutex);
    m_replies.emplace_back(afterBytes, std::move(reply));
    CheckReplies();
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

void PtyPeer::CheckReplies()
{
    for (auto it = m_replies.begin(); it != m_replies.end();) {
        if (m_received.size() >= it->first) {
            Send(it->second);
            it = m_replies.erase(it);
        } else {
            ++it;
        }
    }
}

void PtyPeer::Run()
{
    for (;;) {
        struct pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        if (::poll(fds, 2, -1) < 0)
            continue;
        if (fds[1].revents & POLLIN)
            return;
        if (fds[0].revents & POLLIN) {
            uint8_t chunk[512];
            const ssize_t n = ::read(m_master, chunk, sizeof(chunk));
            if (n <= 0)
                continue;
            std::lock_guard<std::mutex> lock(m_mutex);
            if (m_echo)
                Send(ByteString(chunk, chunk + n));
            m_received.insert(m_received.end(), chunk, chunk + n);
            CheckReplies();
            m_changed.notify_all();
        }
    }
}
