// Why a port that exists does not open, beyond the system's error code: the
// user's standing in the device's group (never joined, or joined after this
// login began), and the programs that have the device open. What the hint adds
// after its first line; the support bundle shows the same for each port.
#pragma once

#include "link/serial_port.h"

#include <string>
#include <vector>

// Where the diagnosis looks. The system's own places and this login's groups
// unless a test gives its own tree and group file.
struct AccessSources {
    std::string procFolder = "/proc";
    std::string groupFile = "/etc/group";
    std::string user;                // the login name
    long primaryGroup = -1;          // the user's group in the password database
    std::vector<long> loginGroups;   // the groups this login runs with (getgroups)
};
AccessSources SystemAccessSources();

enum class GroupStanding { Unknown, NotMember, JoinedAfterLogin, Member };

// The user's standing in `group`, from the group file and the login's groups.
GroupStanding StandingInGroup(const std::string& group, const AccessSources& sources);

struct ProgramWithDevice {
    long pid = 0;
    std::string name; // the process's command name
};

// The processes with `node` open: their file links under the proc folder. Only
// processes this account may look into are seen.
std::vector<ProgramWithDevice> ProgramsHolding(const std::string& node, const std::string& procFolder);

// Why opening `device` would fail, told without opening it (an open may stir
// the cable's lines): the node missing, not a terminal, no permission to read
// and write it, or a program holding it. None where nothing stands in the way
// that can be seen; Windows tells nothing without opening.
PortOpenFailure ForeseenOpenFailure(const std::string& device, const AccessSources& sources);

// The lines the hint adds after its own for a port whose device node is `node`
// (owned by `group`, empty when unknown) and that failed with `failure`: how to
// join the group, to log in again, or which program holds the device and what
// to do about it. None where nothing more is known.
std::vector<std::string> PortAccessNotes(const std::string& node, const std::string& group, PortOpenFailure failure,
                                         const AccessSources& sources);

// False only when the system says this user lacks the right to open `device`
// for reading and writing (access(), cheap enough for a list that follows
// typing); a device that is missing or busy is not judged here.
bool MayOpenDevice(const std::string& device);
