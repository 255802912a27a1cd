// vigilon-oss-cli's whole run: the arguments parsed, the command run, standard
// output closed; the exit status.
#pragma once

class IClock;

// Runs the command line on `clock`, or on the system clock when none is given.
int CliMain(int argc, char** argv, IClock* clock = nullptr);
