// Every command of vigilon-oss-cli, in the order --help tells them.
#pragma once

#include "cli/commands.h"

#include <string>
#include <vector>

extern const CliCommand* const CLI_COMMANDS[];
extern const int CLI_COMMAND_COUNT;

// The command called `name`; null when there is none.
const CliCommand* FindCliCommand(const std::string& name);

// The names of the commands with `trait` (CliCommandTraits), in the list's order.
std::vector<std::string> CliCommandNames(unsigned trait);
