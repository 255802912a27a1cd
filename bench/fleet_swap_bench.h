// How quickly the fleet loop sees a radio swapped for the next: from a radio's
// plug-in to the first request of its write, and the shortest unplug it always
// notices while it polls the radio it has just programmed.
#pragma once

// The worst time (ms) over ten swaps from the simulated plug-in of a radio to
// the first request of its write.
double MeasureSwapDetectMs();

// The shortest unplug (ms) of those tried, longest first, that the loop noticed
// every time, wherever it fell between two polls; 0 when none was.
int MeasureShortestUnplugNoticedMs();
