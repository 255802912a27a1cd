// The depot's record's figures, on a PostgreSQL server of the bench's own: how
// many entries a bench sends per second, and how long the command line takes to
// list one radio's entries among a million from ten benches.
#pragma once

#include <string>

struct DepotFigures {
    double uploadPerSecond = -1; // entries sent per second, 20 000 realistic ones
    double queryMs = -1;         // median of `history --all-benches --radio-id X`, the program started each time
    int queryRows = 0;           // the entries that list holds
    std::string error;           // why the figures could not be measured
};

DepotFigures MeasureDepotFigures();
