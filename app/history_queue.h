// Work on the service history done on a thread of its own, in the order it was
// queued, so that a history another program holds locked never holds up the
// work: the window keeps painting, a fleet keeps programming radios.
#pragma once

#include "app/history_store.h"

#include <chrono>
#include <condition_variable>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>

class HistoryQueue {
public:
    // One piece of work on a store opened for it alone; false when the history
    // refused it (the store's Error() and Busy() say why).
    using Job = std::function<bool(HistoryStore& store)>;
    // Hears of each try on the queue's thread: the store (what it moved aside,
    // its error) and whether the job was given up.
    using Listener = std::function<void(HistoryStore& store, bool givenUp)>;

    // `path` is named by the caller (on the main thread). Each try waits at
    // most `patienceMs` for another program holding the file. With
    // `retryWhileBusy` a job refused because the file was held is tried again
    // until Finish; else it is given up at once.
    HistoryQueue(std::string path, int patienceMs, bool retryWhileBusy, Listener listener);
    // Finish(0): what is still queued is dropped, the try in hand ends first.
    ~HistoryQueue();
    HistoryQueue(const HistoryQueue&) = delete;
    HistoryQueue& operator=(const HistoryQueue&) = delete;

    // Never waits.
    void Queue(Job job);
    // Waits until everything queued so far has been tried, at most `waitMs`;
    // false when that time ran out first.
    bool WaitUntilTried(int waitMs);
    // Waits at most `waitMs` for the queue to empty, then ends the thread: a
    // try started meanwhile waits no longer than what is left of `waitMs`. The
    // number of jobs not done (given up, or still queued). Once.
    int Finish(int waitMs);
    // The jobs given up so far.
    int NotDone();

private:
    void Run();

    const std::string m_path;
    const int m_patienceMs;
    const bool m_retryWhileBusy;
    const Listener m_listener;
    std::mutex m_mutex;
    std::condition_variable m_changed;
    std::deque<Job> m_jobs;
    bool m_trying = false;   // a job is being tried outside the lock
    bool m_finishing = false; // Finish was called: busy jobs are tried until it gives up
    bool m_givingUp = false;  // Finish's wait is over
    int m_notDone = 0;
    std::chrono::steady_clock::time_point m_finishBy; // Finish's deadline, once it was called
    std::thread m_thread; // last: started once everything above is in place
};
