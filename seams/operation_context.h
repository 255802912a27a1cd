// What a board operation works with besides its radio link: the presenter that
// shows its messages, the host that keeps a window alive while it waits, the
// serial trace, the stop request and the clock. A front end owns its contexts
// and passes them down; nothing below the front ends keeps one of its own, so a
// fleet on several ports simply gives each port a context.
#pragma once

#include "seams/clock.h"
#include "seams/message_presenter.h"
#include "seams/operation_host.h"
#include "seams/port_resolver.h"
#include "seams/stop_request.h"
#include "seams/trace.h"

#include <cstdint>
#include <limits>

class OperationContext : public IIdleCalls {
public:
    // Messages to standard error, no window, no trace, a stop request of its
    // own and the system clock, until a front end points them elsewhere.
    OperationContext() = default;
    OperationContext(const OperationContext&) = delete;
    OperationContext& operator=(const OperationContext&) = delete;

    IMessagePresenter* presenter = &m_stderrPresenter;
    IOperationHost* host = &m_quietHost;
    ITrace* trace = nullptr;
    StopRequest* stop = &m_ownStop;
    IClock* clock = &m_systemClock;
    // Information boxes carry the lab-mode title while this is set and true.
    const bool* labMode = nullptr;
    // The devices the port names stand for; none: the link's built-in mapping.
    IPortResolver* ports = nullptr;
    // Who reads the hints beside a port that did not open.
    PortHintReader hintReader = PortHintReader::Window;

    // Back to the context's own presenter (standard error), host (no window) or
    // clock (the system's), when the one it pointed to goes away.
    void ForgetPresenter(const IMessagePresenter* gone)
    {
        if (presenter == gone)
            presenter = &m_stderrPresenter;
    }
    void ForgetHost(const IOperationHost* gone)
    {
        if (host == gone)
            host = &m_quietHost;
    }
    void ForgetClock(const IClock* gone)
    {
        if (clock == gone)
            clock = &m_systemClock;
    }

    int64_t NowMs() const { return clock->NowMs(); }
    // Waits until the clock reaches `deadlineMs`; the system clock makes the
    // host's idle call every idle slice on the way (a host without idle calls
    // sleeps straight through).
    void WaitUntil(int64_t deadlineMs) { clock->WaitUntil(deadlineMs); }
    // Waits until more than `ms` milliseconds have passed from now.
    void PauseMoreThan(int ms);
    // Makes the host's idle call when the last one is an idle slice ago. Every
    // wait of the link calls it, so the slice holds across waits of all kinds.
    void IdleWhenDue() override;
    // How long a wait may sleep before the next idle call is due: 0..IDLE_SLICE_MS,
    // or `leftMs` when the host wants no idle calls.
    int64_t SleepBeforeIdleMs(int64_t leftMs) const override;

    bool StopRequested() const { return stop->Requested(); }
    bool LabMode() const { return labMode && *labMode; }

    // Shows a box through the presenter, after putting its text into the trace.
    MsgAnswer Present(const MessageBoxRequest& request);

    // Whether the cable went away during the running operation: the serial port
    // notes it when its device vanishes, the operation's course forgets it when
    // the next operation begins, and the front ends add a line saying so after
    // what the operation itself said.
    void NoteCableUnplugged() { m_unplugged = true; }
    void ForgetCableUnplugged() { m_unplugged = m_saidUnplugged = false; }
    bool CableUnplugged() const { return m_unplugged; }
    // True once after the cable went: a window's user is told with the first box
    // after the pull, not again with each box that follows from it.
    bool FirstToSayCableUnplugged();

private:
    StderrPresenter m_stderrPresenter;
    QuietHost m_quietHost;
    StopRequest m_ownStop;
    SystemClock m_systemClock{ this };
    int64_t m_lastIdleMs = std::numeric_limits<int64_t>::min() / 2;
    bool m_unplugged = false;
    bool m_saidUnplugged = false;
};

// Puts a presenter into a context while it lives, so that the boxes of what
// runs meanwhile go to it (a check's lines, a fleet's reasons); the one it
// replaced comes back after.
class PresenterStandIn {
public:
    PresenterStandIn(OperationContext& context, IMessagePresenter* presenter)
        : m_context(context), m_previous(context.presenter)
    {
        context.presenter = presenter;
    }
    ~PresenterStandIn() { m_context.presenter = m_previous; }
    PresenterStandIn(const PresenterStandIn&) = delete;
    PresenterStandIn& operator=(const PresenterStandIn&) = delete;

    // The presenter stood in for.
    IMessagePresenter* Previous() const { return m_previous; }

private:
    OperationContext& m_context;
    IMessagePresenter* m_previous;
};
