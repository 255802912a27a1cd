// The command line's entries on their way to the depot's record: a detached
// `vigilon-oss-cli history sync` sends them, so that no command waits for the
// server, however slow or far it is, and one that is down only leaves them waiting.
#pragma once

#include <chrono>
#include <mutex>
#include <string>

class DetachedHistorySync {
public:
    // `program`: this program's file, to start again; `server`: the record's address.
    DetachedHistorySync(std::string program, std::string server);
    // Starts one for what was added since the last start.
    ~DetachedHistorySync();
    DetachedHistorySync(const DetachedHistorySync&) = delete;
    DetachedHistorySync& operator=(const DetachedHistorySync&) = delete;

    // Entries were added (from any thread): a sync starts now, unless one started
    // in the last few seconds (a fleet adds one entry per radio).
    void Added();

private:
    void Start();

    const std::string m_program;
    const std::string m_server;
    std::mutex m_mutex;
    bool m_pending = false;
    std::chrono::steady_clock::time_point m_lastStart{};
    bool m_started = false;
};

// This program's file from its first argument: as given when it names a file,
// else found on the PATH as the shell found it.
std::string ProgramFile(const char* argv0);
