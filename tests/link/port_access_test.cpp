// What the hint adds for a port that exists but did not open, read from a proc
// tree and a group file the test builds: the user's standing in the device's
// group, and the programs that hold the device.
#include "link/port_access.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

// A process as the proc folder shows it: its command name and one open file.
void Process(const fs::path& proc, int pid, const std::string& name, const std::string& openFile)
{
    const fs::path folder = proc / std::to_string(pid);
    fs::create_directories(folder / "fd");
    std::ofstream(folder / "comm") << name << "\n";
    fs::create_symlink(openFile, folder / "fd" / "3");
}

} // namespace

TEST(PortAccess, NotesNameTheGroupToJoinTheLoginToRenewAndTheProgramThatHoldsTheDevice)
{
    TempFolder folder;
    const fs::path proc = folder.Path("proc");
    Process(proc, 100, "bash", "/dev/pts/1");
    Process(proc, 200, "ModemManager", "/dev/ttyUSB0");
    Process(proc, 300, "brltty", "/dev/ttyACM0");
    Process(proc, 400, "minicom", "/dev/ttyUSB1");
    fs::create_directory_symlink("100", proc / "self");
    const fs::path quietProc = folder.Path("quiet-proc");
    Process(quietProc, 1, "init", "/dev/console");
    const std::string groups = folder.Path("group");
    std::ofstream(groups) << "root:x:0:\ndialout:x:20:alice,carol\ntech:x:1000:\n";

    const std::string join = "The user bob is not in the group dialout: join it with sudo usermod -aG dialout bob, "
                             "then log out and in again.";
    const std::string again = "The user alice is in the group dialout, but this login began before joining it: "
                              "log out and in again (or restart the computer).";
    const std::string brltty = "brltty, the Braille display reader, takes USB serial cables for itself: where no "
                               "Braille display is used, remove it (sudo apt remove brltty), then plug the cable in again.";
    const std::string modemManager = "ModemManager tries new serial devices as modems: the udev rules this program "
                                     "installs keep it off programming cables (plug the cable in again once they are "
                                     "installed), or stop it with sudo systemctl stop ModemManager.";
    struct Case {
        const char* what;
        std::string user;
        long primaryGroup;
        std::vector<long> loginGroups;
        std::string procFolder;
        std::string node;
        std::string group;
        PortOpenFailure failure;
        std::vector<std::string> notes;
    };
    const Case cases[] = {
        { "not in the group", "bob", 1001, { 1001 }, proc, "/dev/ttyUSB0", "dialout", PortOpenFailure::PermissionDenied,
          { join } },
        { "joined after this login began", "alice", 1000, { 1000 }, proc, "/dev/ttyUSB0", "dialout",
          PortOpenFailure::PermissionDenied, { again } },
        { "the group is the user's own", "dave", 20, { 1000 }, proc, "/dev/ttyUSB0", "dialout",
          PortOpenFailure::PermissionDenied,
          { "The user dave is in the group dialout, but this login began before joining it: log out and in again "
            "(or restart the computer)." } },
        { "in the group in this login", "alice", 1000, { 1000, 20 }, proc, "/dev/ttyUSB0", "dialout",
          PortOpenFailure::PermissionDenied, {} },
        { "a root-only device", "bob", 1001, { 1001 }, proc, "/dev/ttyUSB0", "root", PortOpenFailure::PermissionDenied, {} },
        { "held by a terminal program", "bob", 1001, { 1001 }, proc, "/dev/ttyUSB1", "dialout", PortOpenFailure::Busy,
          { "It is held by minicom (process 400)." } },
        { "held by ModemManager", "bob", 1001, { 1001 }, proc, "/dev/ttyUSB0", "dialout", PortOpenFailure::Busy,
          { "It is held by ModemManager (process 200).", modemManager } },
        { "held by brltty", "bob", 1001, { 1001 }, proc, "/dev/ttyACM0", "dialout", PortOpenFailure::Busy,
          { "It is held by brltty (process 300).", brltty } },
        { "holder unseen, known holders running", "bob", 1001, { 1001 }, proc, "/dev/ttyS0", "dialout",
          PortOpenFailure::Busy,
          { "ModemManager (process 200) is running and may hold it.", "brltty (process 300) is running and may hold it.",
            modemManager, brltty } },
        { "holder unseen, nothing known running", "bob", 1001, { 1001 }, quietProc, "/dev/ttyS0", "dialout",
          PortOpenFailure::Busy,
          { "Which program holds it cannot be seen from this account: sudo fuser -v /dev/ttyS0 names it." } },
        { "no such device", "bob", 1001, { 1001 }, proc, "/dev/ttyUSB0", "dialout", PortOpenFailure::NoSuchDevice, {} },
    };
    for (const Case& c : cases) {
        AccessSources sources;
        sources.procFolder = c.procFolder;
        sources.groupFile = groups;
        sources.user = c.user;
        sources.primaryGroup = c.primaryGroup;
        sources.loginGroups = c.loginGroups;
        EXPECT_EQ(PortAccessNotes(c.node, c.group, c.failure, sources), c.notes) << c.what;
    }
}
