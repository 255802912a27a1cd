// vigilon-oss-cli: the service tool's board operations from a terminal, for
// scripts and for servicing a fleet of radios.
#include "cli/command_line.h"

int main(int argc, char** argv)
{
    return CliMain(argc, argv);
}
