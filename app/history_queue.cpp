#include "app/history_queue.h"

#include <algorithm>
#include <chrono>
#include <utility>

namespace {

// The pause before a job refused by a held file is tried again.
constexpr auto RETRY_PAUSE = std::chrono::milliseconds(200);

} // namespace

HistoryQueue::HistoryQueue(std::string path, int patienceMs, bool retryWhileBusy, Listener listener)
    : m_path(std::move(path)), m_patienceMs(patienceMs), m_retryWhileBusy(retryWhileBusy),
      m_listener(std::move(listener)), m_thread([this] { Run(); })
{
}

HistoryQueue::~HistoryQueue()
{
    Finish(0);
}

void HistoryQueue::Queue(Job job)
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    if (m_givingUp)
        return;
    m_jobs.push_back(std::move(job));
    m_changed.notify_all();
}

bool HistoryQueue::WaitUntilTried(int waitMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    return m_changed.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return m_jobs.empty() && !m_trying; });
}

int HistoryQueue::NotDone()
{
    const std::lock_guard<std::mutex> lock(m_mutex);
    return m_notDone;
}

int HistoryQueue::Finish(int waitMs)
{
    std::unique_lock<std::mutex> lock(m_mutex);
    if (!m_thread.joinable())
        return m_notDone;
    m_finishing = true;
    m_finishBy = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMs);
    m_changed.notify_all();
    m_changed.wait_for(lock, std::chrono::milliseconds(waitMs), [this] { return m_jobs.empty() && !m_trying; });
    m_givingUp = true;
    m_changed.notify_all();
    lock.unlock();
    m_thread.join();
    lock.lock();
    m_notDone += static_cast<int>(m_jobs.size());
    m_jobs.clear();
    return m_notDone;
}

void HistoryQueue::Run()
{
    std::unique_lock<std::mutex> lock(m_mutex);
    for (;;) {
        // Until Finish gives up: a job queued while it waits is still tried.
        m_changed.wait(lock, [this] { return m_givingUp || !m_jobs.empty(); });
        if (m_givingUp)
            return;
        Job job = m_jobs.front();
        m_trying = true;
        int patience = m_patienceMs;
        if (m_finishing) {
            const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(m_finishBy - std::chrono::steady_clock::now());
            patience = static_cast<int>(std::max<std::chrono::milliseconds::rep>(0, std::min<std::chrono::milliseconds::rep>(patience, left.count())));
        }
        lock.unlock();
        // A store of its own for each try: a file moved aside or started anew by
        // another program meanwhile is opened as it is now.
        HistoryStore store(m_path);
        store.SetPatience(patience);
        const bool done = job(store);
        const bool again = !done && m_retryWhileBusy && store.Busy();
        if (m_listener)
            m_listener(store, !done && !again);
        lock.lock();
        m_trying = false;
        if (!again) {
            m_jobs.pop_front();
            if (!done)
                ++m_notDone;
        }
        m_changed.notify_all();
        if (again)
            m_changed.wait_for(lock, RETRY_PAUSE, [this] { return m_givingUp; });
    }
}
