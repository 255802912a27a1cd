// Ctrl+C and SIGTERM during a command: the first one asks the running operation
// to stop between two requests (the radio is reset, no file is left half
// written); a second one ends the program at once, as it normally would.
#pragma once

void InstallStopOnInterrupt();
