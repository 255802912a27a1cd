// How soon the programs are of use: the GUI's main window painted, a small
// command of the command-line tool done. Each is the median of several runs.
#pragma once

#include <string>

// Milliseconds from starting the GUI program (offscreen) to the first paint of
// its main window reaching the screen; negative when no paint was seen.
double GuiStartupMs(const std::string& program, int runs);

// Milliseconds `show FILE` of the command-line program takes from start to exit,
// on a data file of factory settings; negative when it failed.
double CliShowMs(const std::string& program, int runs);
