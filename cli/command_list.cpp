// The one list of the commands. Each is declared beside the function that runs
// it; a new command is its declaration there and its row here.
#include "cli/command_list.h"

extern const CliCommand READ_COMMAND;
extern const CliCommand WRITE_COMMAND;
extern const CliCommand INFO_COMMAND;
extern const CliCommand CHECK_COMMAND;
extern const CliCommand CALIBRATE_COMMAND;
extern const CliCommand READ_CAL_COMMAND;
extern const CliCommand CAL_STATS_COMMAND;
extern const CliCommand SHOW_COMMAND;
extern const CliCommand PORTS_COMMAND;
extern const CliCommand FIND_CABLE_COMMAND;
extern const CliCommand BACKUPS_COMMAND;
extern const CliCommand DIFF_COMMAND;
extern const CliCommand TO_TEXT_COMMAND;
extern const CliCommand FROM_TEXT_COMMAND;
extern const CliCommand FLEET_COMMAND;
extern const CliCommand HISTORY_COMMAND;
extern const CliCommand SUPPORT_BUNDLE_COMMAND;

const CliCommand* const CLI_COMMANDS[] = {
    &READ_COMMAND,
    &WRITE_COMMAND,
    &INFO_COMMAND,
    &CHECK_COMMAND,
    &CALIBRATE_COMMAND,
    &READ_CAL_COMMAND,
    &CAL_STATS_COMMAND,
    &SHOW_COMMAND,
    &PORTS_COMMAND,
    &FIND_CABLE_COMMAND,
    &BACKUPS_COMMAND,
    &DIFF_COMMAND,
    &TO_TEXT_COMMAND,
    &FROM_TEXT_COMMAND,
    &FLEET_COMMAND,
    &HISTORY_COMMAND,
    &SUPPORT_BUNDLE_COMMAND,
};
const int CLI_COMMAND_COUNT = static_cast<int>(sizeof CLI_COMMANDS / sizeof CLI_COMMANDS[0]);

const CliCommand* FindCliCommand(const std::string& name)
{
    for (int i = 0; i < CLI_COMMAND_COUNT; ++i) {
        if (name == CLI_COMMANDS[i]->name)
            return CLI_COMMANDS[i];
    }
    return nullptr;
}

std::vector<std::string> CliCommandNames(unsigned trait)
{
    std::vector<std::string> names;
    for (int i = 0; i < CLI_COMMAND_COUNT; ++i) {
        if (CLI_COMMANDS[i]->traits & trait)
            names.push_back(CLI_COMMANDS[i]->name);
    }
    return names;
}
