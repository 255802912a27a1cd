#include "sim/pty_server.h"

#include <algorithm>
#include <cerrno>
#include <climits>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <termios.h>
#include <unistd.h>

namespace sim {

namespace {

const char* RequestName(RequestKind kind)
{
    switch (kind) {
    case RequestKind::Reset: return "reset";
    case RequestKind::Info: return "info";
    case RequestKind::BoardRead: return "read";
    case RequestKind::BoardWrite: return "write";
    case RequestKind::Identify: return "identify";
    case RequestKind::CalStart: return "cal-start";
    case RequestKind::CalCheck: return "cal-check";
    case RequestKind::BoardOther: return "board";
    case RequestKind::Other: return "other";
    }
    return "other";
}

bool SetNonBlocking(int fd)
{
    const int flags = ::fcntl(fd, F_GETFL);
    return flags >= 0 && ::fcntl(fd, F_SETFL, flags | O_NONBLOCK) == 0;
}

} // namespace

PtyServer::PtyServer(RadioModel& radio, BoardMemory& memory, ServerOptions options)
    : m_radio(radio), m_memory(memory), m_options(std::move(options)), m_start(Clock::now()),
      m_freshMemory(memory.Bytes())
{
}

std::vector<BoardMemory::Image> PtyServer::FleetMemories() const
{
    std::vector<BoardMemory::Image> memories = m_fleetDone;
    memories.push_back(m_memory.Bytes());
    return memories;
}

PtyServer::~PtyServer()
{
    for (int fd : { m_master, m_slave, m_wake[0], m_wake[1] }) {
        if (fd >= 0)
            ::close(fd);
    }
    if (m_log)
        std::fclose(m_log);
}

bool PtyServer::Open(std::string& error)
{
    m_master = ::posix_openpt(O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_master < 0 || ::grantpt(m_master) != 0 || ::unlockpt(m_master) != 0) {
        error = "cannot create a pseudo-terminal";
        return false;
    }
    char name[PATH_MAX];
    if (::ptsname_r(m_master, name, sizeof(name)) != 0) {
        error = "cannot name the pseudo-terminal";
        return false;
    }
    m_devicePath = name;
    m_slave = ::open(name, O_RDWR | O_NOCTTY | O_CLOEXEC);
    if (m_slave < 0) {
        error = "cannot open " + m_devicePath;
        return false;
    }
    // Raw until the service tool sets its own line settings: no echo by the
    // terminal layer, no line editing.
    struct termios tio;
    if (::tcgetattr(m_slave, &tio) == 0) {
        ::cfmakeraw(&tio);
        ::tcsetattr(m_slave, TCSANOW, &tio);
    }
    if (!SetNonBlocking(m_master) || ::pipe2(m_wake, O_CLOEXEC | O_NONBLOCK) != 0) {
        error = "cannot set up the pseudo-terminal";
        return false;
    }
    if (!m_options.logPath.empty()) {
        m_log = std::fopen(m_options.logPath.c_str(), "a");
        if (!m_log) {
            error = "cannot open log file " + m_options.logPath;
            return false;
        }
    }
    return true;
}

void PtyServer::Stop()
{
    if (m_wake[1] >= 0) {
        const char byte = 1;
        [[maybe_unused]] const ssize_t ignored = ::write(m_wake[1], &byte, 1);
    }
}

void PtyServer::Schedule(uint8_t byte, Clock::time_point earliest)
{
    const std::chrono::nanoseconds byteTime = m_options.lineTiming ? LINE_BYTE_TIME : std::chrono::nanoseconds(0);
    const Clock::time_point start = std::max(earliest, m_outputFree);
    m_outputFree = start + byteTime;
    m_output.push_back({ m_outputFree, byte });
}

void PtyServer::ReadInput()
{
    uint8_t chunk[512];
    for (;;) {
        const ssize_t n = ::read(m_master, chunk, sizeof(chunk));
        if (n <= 0)
            return;
        const Clock::time_point now = Clock::now();
        const std::chrono::nanoseconds byteTime =
            m_options.lineTiming ? LINE_BYTE_TIME : std::chrono::nanoseconds(0);
        {
            std::lock_guard<std::mutex> guard(m_mutex);
            m_traffic.bytesIn += static_cast<uint64_t>(n);
        }
        for (ssize_t i = 0; i < n; ++i) {
            // A byte has arrived once its last bit has crossed the line.
            m_lastArrival = std::max(now, m_lastArrival) + byteTime;
            m_input.push_back({ m_lastArrival, chunk[i] });
        }
    }
}

void PtyServer::FeedDueInput(Clock::time_point now)
{
    if (m_assembler.InFrame() && now - m_lastFed > PARTIAL_FRAME_TIMEOUT) {
        m_assembler.Reset();
        m_frameArrivals.clear();
    }
    while (!m_input.empty() && m_input.front().at <= now) {
        const TimedByte in = m_input.front();
        m_input.pop_front();
        m_lastFed = in.at;
        m_frameArrivals.push_back(in.at);
        if (std::optional<WireFrame> frame = m_assembler.Feed(in.byte)) {
            HandleFrame(*frame, m_frameArrivals);
            m_frameArrivals.clear();
        } else if (!m_assembler.InFrame()) {
            m_frameArrivals.clear(); // dropped as noise
        }
    }
}

void PtyServer::HandleFrame(const WireFrame& frame, const std::vector<Clock::time_point>& arrivals)
{
    std::lock_guard<std::mutex> guard(m_mutex);
    const Clock::time_point arrived = arrivals.back();
    if (m_swapDue && arrived >= m_unpluggedFrom)
        ConnectNextRadio();
    if (arrived >= m_unpluggedFrom && arrived < m_unpluggedUntil)
        return; // no radio on the cable
    const RadioResponse response = m_radio.OnFrame(frame);
    m_arrivals.push_back(arrived);
    Log(frame, m_radio.LastRequest());
    if (response.memoryChanged && !m_options.statePath.empty()) {
        std::string error;
        if (!m_memory.SaveState(m_options.statePath, error))
            std::fprintf(stderr, "vigilon-radio-sim: %s\n", error.c_str());
    }
    if (!response.echo)
        return;
    // Each echoed byte leaves as soon as it has come in; the answer follows the
    // whole frame after the radio's thinking time.
    for (size_t i = 0; i < response.echoBytes.size(); ++i)
        Schedule(response.echoBytes[i], arrivals[std::min(i, arrivals.size() - 1)]);
    const Clock::time_point replyAt = arrivals.back() + std::chrono::milliseconds(m_options.answerDelayMs);
    m_traffic.replyBytesOut += response.reply.size();
    for (uint8_t byte : response.reply)
        Schedule(byte, replyAt);
    if (response.endsWrite && m_radio.Settings().fleetSize > 0) {
        // Unplugged once the acknowledgement is out (and the technician's reach
        // later); the next radio is what answers after the swap.
        m_swapDue = true;
        m_unpluggedFrom = m_outputFree + std::chrono::milliseconds(m_options.unplugAfterMs);
        m_unpluggedUntil = m_unpluggedFrom + std::chrono::milliseconds(m_options.swapMs);
        m_plugIns.push_back(m_unpluggedUntil);
    }
}

// The written radio is gone; the next one has a fresh board.
void PtyServer::ConnectNextRadio()
{
    m_swapDue = false;
    m_fleetDone.push_back(m_memory.Bytes());
    for (size_t i = 0; i < m_freshMemory.size(); ++i)
        m_memory.Put(i, m_freshMemory[i]);
    m_radio.NextRadio();
}

void PtyServer::WriteDueOutput(Clock::time_point now)
{
    std::vector<uint8_t> due;
    for (const TimedByte& out : m_output) {
        if (out.at > now)
            break;
        due.push_back(out.byte);
    }
    if (due.empty())
        return;
    const ssize_t written = ::write(m_master, due.data(), due.size());
    if (written > 0)
        m_output.erase(m_output.begin(), m_output.begin() + written);
}

void PtyServer::Log(const WireFrame& frame, const Request& request)
{
    if (!m_log)
        return;
    const double seconds = std::chrono::duration<double>(Clock::now() - m_start).count();
    std::fprintf(m_log, "%10.3f #%d %s", seconds, request.frameNumber, RequestName(request.kind));
    if (request.kind == RequestKind::BoardRead || request.kind == RequestKind::BoardWrite)
        std::fprintf(m_log, " 0x%04X/%d", request.address, request.count);
    if (!frame.checksumOk)
        std::fprintf(m_log, " bad-checksum");
    std::fprintf(m_log, ":");
    for (uint8_t byte : frame.raw)
        std::fprintf(m_log, " %02X", byte);
    std::fprintf(m_log, "\n");
    std::fflush(m_log);
}

void PtyServer::Run()
{
    m_lastArrival = m_outputFree = m_lastFed = Clock::now();
    for (;;) {
        const Clock::time_point now = Clock::now();
        FeedDueInput(now);
        WriteDueOutput(now);

        // Sleep until the next byte is due in either direction, input arrives or
        // Stop() is called.
        Clock::time_point wakeAt = now + std::chrono::milliseconds(200);
        if (!m_input.empty())
            wakeAt = std::min(wakeAt, m_input.front().at);
        // Output already due but not yet taken by the terminal waits for room to
        // write instead of a time.
        const bool outputBlocked = !m_output.empty() && m_output.front().at <= now;
        if (!m_output.empty() && !outputBlocked)
            wakeAt = std::min(wakeAt, m_output.front().at);
        if (m_assembler.InFrame())
            wakeAt = std::min(wakeAt, m_lastFed + PARTIAL_FRAME_TIMEOUT + std::chrono::milliseconds(1));
        const std::chrono::nanoseconds wait = std::max(std::chrono::nanoseconds(0), wakeAt - now);
        struct timespec timeout;
        timeout.tv_sec = static_cast<time_t>(wait.count() / 1000000000LL);
        timeout.tv_nsec = static_cast<long>(wait.count() % 1000000000LL);

        struct pollfd fds[2] = { { m_master, POLLIN, 0 }, { m_wake[0], POLLIN, 0 } };
        if (outputBlocked)
            fds[0].events |= POLLOUT;
        const int ready = ::ppoll(fds, 2, &timeout, nullptr);
        if (ready < 0 && errno != EINTR)
            return;
        if (fds[1].revents & POLLIN)
            return;
        if (fds[0].revents & POLLIN)
            ReadInput();
    }
}

} // namespace sim
