// The far end of a pseudo-terminal driven byte by byte by a test: sends exactly
// the bytes a test scripts and keeps every byte it receives. No framing at all,
// so the product's frames are checked against literal bytes.
#pragma once

#include <chrono>
#include <condition_variable>
#include <cstdint>
#include <mutex>
#include <string>
#include <termios.h>
#include <thread>
#include <utility>
#include <vector>

using ByteString = std::vector<uint8_t>;

class PtyPeer {
public:
    PtyPeer();
    ~PtyPeer();
    PtyPeer(const PtyPeer&) = delete;
    PtyPeer& operator=(const PtyPeer&) = delete;

    const std::string& DevicePath() const { return m_path; }

    // Echo every byte received straight back (what the radio does).
    void SetEcho(bool echo);
    // Once `afterBytes` bytes have been received in total, send `reply`, at once
    // or `delayMs` later (a slow radio).
    void ReplyAfter(size_t afterBytes, ByteString reply, int delayMs = 0);
    // Sends bytes now.
    void Send(const ByteString& bytes);
    // Bytes sent that wait in the product's input queue, not yet read.
    size_t QueuedForProduct();
    // Waits until exactly `count` bytes wait there; false after `timeoutMs`.
    bool WaitUntilQueued(size_t count, int timeoutMs);
    // Every byte received so far.
    ByteString Received();
    // Waits until at least `count` bytes have been received or `timeoutMs` passed.
    ByteString WaitForBytes(size_t count, int timeoutMs);
    // Waits until the product has discarded its input queue `count` times in all;
    // false after `timeoutMs`.
    bool WaitForPurges(size_t count, int timeoutMs);
    // The device's line settings, read or set from this side.
    struct termios LineSettings();
    void SetLineSettings(const struct termios& settings);

private:
    using TimePoint = std::chrono::steady_clock::time_point;
    struct Reply {
        size_t afterBytes;
        ByteString bytes;
        int delayMs;
    };

    void Run();
    void Wake();
    void CheckReplies(); // with m_mutex held
    int SendDueReplies(); // with m_mutex held; ms until the next one is due, -1 if none

    int m_master = -1;
    int m_slave = -1;
    int m_wake[2] = { -1, -1 };
    std::string m_path;
    std::thread m_thread;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    bool m_echo = false;
    ByteString m_received;
    size_t m_purges = 0;
    std::vector<Reply> m_replies;
    std::vector<std::pair<TimePoint, ByteString>> m_delayed;
};
