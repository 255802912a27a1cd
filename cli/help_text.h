// vigilon-oss-cli's usage line and --help: what the program does, then each
// command of the list with its usage and its own text, then the options.
#pragma once

#include <string>

// The usage line a usage error ends with, in the user's language.
std::string UsageText();

// What --help prints, in the user's language.
std::string HelpText();
