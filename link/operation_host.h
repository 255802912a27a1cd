// The operation-host seam: what a board operation asks of whichever front end runs it.
// The link calls Idle() while it waits for the radio, so a GUI can keep painting.
#pragma once

class IOperationHost {
public:
    virtual ~IOperationHost() = default;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
    // Called repeatedly (every few milliseconds) while the link waits; must not
    // start another operation or take user input.
    virtual void Idle() {}
};

// Installs the host used from now on; nullptr restores the default, which does nothing.
void SetOperationHost(IOperationHost* host);
IOperationHost& OperationHost();
