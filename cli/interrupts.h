// Ctrl+C and SIGTERM during a command: the first one asks the running operation
// to stop between two requests (the radio is reset, no file is left half
// written); a second one ends the program at once, as it normally would.
#pragma once

#include "seams/stop_request.h"

// The stop request an interrupt sets: the command line's operations hear it
// through their context.
StopRequest& InterruptStopRequest();

void InstallStopOnInterrupt();
