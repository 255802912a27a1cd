// What another program holding the service history costs the work: the GUI's
// longest paint gap while a read's entry waits for it, and a two-port fleet's
// radios per minute with the history held and free.
#pragma once

// The longest time between two paints of a window (ms) during a read whose
// entry waits three seconds for a held history, until the entry lands.
double MeasureHeldHistoryPaintGap();

struct HeldFleetFigures {
    double freePerMinute = 0;
    double heldPerMinute = 0;
    int entriesFree = 0; // entries that landed, of 6
    int entriesHeld = 0;
};
// Two ports of three timed radios each, the history free, then held for the whole run.
HeldFleetFigures MeasureHeldHistoryFleet();
