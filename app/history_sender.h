// The GUI's entries on their way to the depot's record: a thread of its own
// sends what waits after each entry, and again every half minute while entries
// wait, so that a server that is down, slow or refusing never holds up the
// window or an operation. The record's address is read from the settings at
// each try, so that a new one takes effect without a restart.
#pragma once

#include "app/history_sync.h"

#include <chrono>
#include <atomic>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

// How the sending stands after a try: no record set, everything sent, or entries
// still waiting (and why, when the server could not be used).
struct HistorySendState {
    bool configured = false;
    std::string place;  // the record as messages name it
    int waiting = 0;    // -1: the bench's own file could not tell
    std::string error;  // empty when the last try reached the record
};

class HistorySender {
public:
    // `historyPath`: the bench's file; `server`: where the record is (empty: none;
    // asked at each try); `listener` hears every try's end, on the sender's thread.
    HistorySender(std::string historyPath, std::function<std::string()> server,
                  std::function<void(const HistorySendState&)> listener);
    // Stops after the block in hand (a connection being made is waited for, at
    // most the connection's time-out).
    ~HistorySender();
    HistorySender(const HistorySender&) = delete;
    HistorySender& operator=(const HistorySender&) = delete;

    // Entries were added, or the address changed: try now. From any thread.
    void Poke();

private:
    void Run();

    const std::string m_path;
    const std::function<std::string()> m_server;
    const std::function<void(const HistorySendState&)> m_listener;
    std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_poked = true; // the first try comes at once: entries may wait from before
    std::atomic<bool> m_stop{ false };
    std::thread m_thread; // last: started once everything above is in place
};
