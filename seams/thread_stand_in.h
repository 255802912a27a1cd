// One thread's own stand-in for a program-wide seam (presenter, host): while a
// ThreadStandIn lives, that thread uses its object instead of the program's, so
// a loop on a thread of its own never touches a front end's window. Scopes nest.
#pragma once

template <typename Seam>
class ThreadStandIn {
public:
    explicit ThreadStandIn(Seam* standIn) : m_previous(Slot()) { Slot() = standIn; }
    ~ThreadStandIn() { Slot() = m_previous; }
    ThreadStandIn(const ThreadStandIn&) = delete;
    ThreadStandIn& operator=(const ThreadStandIn&) = delete;

    // This thread's stand-in, or nullptr when it uses the program's.
    static Seam* Current() { return Slot(); }

private:
    static Seam*& Slot()
    {
        thread_local Seam* slot = nullptr;
        return slot;
    }
    Seam* m_previous;
};
