// The operation-host seam: what a board operation asks of whichever front end runs it.
// The link calls Idle() while it waits for the radio, so a GUI can keep painting.
#pragma once

#include <string>

class IOperationHost {
public:
    virtual ~IOperationHost() = default;
    virtual void BeginWaitCursor() {}
    virtual void EndWaitCursor() {}
    // Called repeatedly (every few milliseconds) while the link waits; must not
    // start another operation or take user input.
    virtual void Idle() {}
    // False for a host whose Idle() does nothing: waits then sleep straight to
    // their end instead of waking every idle slice.
    virtual bool WantsIdle() const { return true; }

    // Progress of a long operation: shown from Begin to End, range 0..maximum.
    virtual void BeginProgress(int maximum) { (void)maximum; }
    virtual void SetProgress(int position, const std::string& text)
    {
        (void)position;
        (void)text;
    }
    virtual void EndProgress() {}

    // Asks where to save the calibration data export; false when the user cancels.
    virtual bool ChooseCalibrationExportFile(std::string& path)
    {
        (void)path;
        return false;
    }
};

// A host for an operation that runs without a window: nothing to paint, so
// waits sleep straight to their end.
class QuietHost : public IOperationHost {
public:
    bool WantsIdle() const override { return false; }
};
