#include "app/history_sender.h"

#include "app/depot_store.h"
#include "app/history_store.h"

namespace {

// How long entries that could not go wait before the next try.
constexpr auto RETRY = std::chrono::seconds(30);

} // namespace

HistorySender::HistorySender(std::string historyPath, std::function<std::string()> server,
                             std::function<void(const HistorySendState&)> listener)
    : m_path(std::move(historyPath)), m_server(std::move(server)), m_listener(std::move(listener)),
      m_thread([this] { Run(); })
{
}

HistorySender::~HistorySender()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_stop = true;
    }
    m_wake.notify_all();
    m_thread.join();
}

void HistorySender::Poke()
{
    {
        const std::lock_guard<std::mutex> lock(m_mutex);
        m_poked = true;
    }
    m_wake.notify_all();
}

void HistorySender::Run()
{
    bool waiting = false;
    for (;;) {
        {
            std::unique_lock<std::mutex> lock(m_mutex);
            if (waiting)
                m_wake.wait_for(lock, RETRY, [this] { return m_poked || m_stop; });
            else
                m_wake.wait(lock, [this] { return m_poked || m_stop; });
            if (m_stop)
                return;
            m_poked = false;
        }
        HistorySendState state;
        const std::string server = m_server();
        state.configured = !server.empty();
        if (!state.configured) {
            waiting = false;
        } else {
            // The stores live on this thread: their connections belong to it.
            HistoryStore local(m_path);
            DepotStore depot(server);
            state.place = depot.Place();
            HistorySyncOutcome outcome;
            if (depot.Open()) {
                outcome = SyncHistory(local, depot, &m_stop);
                state.error = outcome.error;
            } else {
                outcome.waiting = local.WaitingCount();
                state.error = depot.Error();
            }
            state.waiting = outcome.waiting;
            waiting = outcome.waiting != 0;
        }
        if (m_stop)
            return;
        if (m_listener)
            m_listener(state);
    }
}
