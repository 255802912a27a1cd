// The soak: board operations one after another against the simulated radio, one
// in five with a fault, to see that nothing piles up over thousands of them:
// memory, descriptors, a port left held.
#pragma once

struct SoakFigures {
    int operations = 0;
    int faulted = 0;
    double seconds = 0;
    long rssGrowthKb = 0; // resident memory at the end over that after the warm-up
    long fdGrowth = 0;    // open descriptors at the end over those after the warm-up
    int portLeftHeld = 0; // operations after which the port could not be opened again
};

// Runs `operations` operations (read, write, information, calibration and
// read-outs cut short) with the protocol's pauses skipped by a clock of its own.
SoakFigures RunSoak(int operations);
