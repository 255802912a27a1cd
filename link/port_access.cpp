#include "link/port_access.h"

#include "link/same_device.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

#ifndef _WIN32
#include <cerrno>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

// Programs known to take programming cables for themselves, and the line that
// says what to do about each.
struct KnownHolder {
    const char* name;
    int adviceId;
};
const KnownHolder KNOWN_HOLDERS[] = {
    { "brltty", IDS_HINT_BRLTTY },
    { "ModemManager", IDS_HINT_MODEM_MANAGER },
};

std::vector<std::string> Split(const std::string& text, char separator)
{
    std::vector<std::string> parts;
    std::string part;
    std::istringstream stream(text);
    while (std::getline(stream, part, separator))
        parts.push_back(part);
    // "a:b:" ends with an empty part that getline does not give.
    if (!text.empty() && text.back() == separator)
        parts.emplace_back();
    return parts;
}

bool ParseId(const std::string& text, long& id)
{
    if (text.empty() || !std::all_of(text.begin(), text.end(), [](unsigned char c) { return c >= '0' && c <= '9'; }))
        return false;
    id = std::strtol(text.c_str(), nullptr, 10);
    return true;
}

std::string CommandName(const fs::path& process)
{
    std::ifstream file(process / "comm");
    std::string name;
    std::getline(file, name);
    return name;
}

// The processes of the proc folder, each with its id.
template <typename Visit> void ForEachProcess(const std::string& procFolder, Visit visit)
{
    std::error_code error;
    for (fs::directory_iterator it(procFolder, error), end; !error && it != end; it.increment(error)) {
        long pid = 0;
        if (ParseId(it->path().filename().string(), pid))
            visit(pid, it->path());
    }
}

// The programs named in KNOWN_HOLDERS that run, for a device whose holder
// cannot be seen from this account (they run as root).
std::vector<ProgramWithDevice> KnownHoldersRunning(const std::string& procFolder)
{
    std::vector<ProgramWithDevice> running;
    ForEachProcess(procFolder, [&](long pid, const fs::path& process) {
        const std::string name = CommandName(process);
        for (const KnownHolder& known : KNOWN_HOLDERS) {
            if (name == known.name)
                running.push_back({ pid, name });
        }
    });
    std::sort(running.begin(), running.end(),
              [](const ProgramWithDevice& a, const ProgramWithDevice& b) { return a.pid < b.pid; });
    return running;
}

void AddAdvice(const std::string& program, std::vector<std::string>& notes)
{
    for (const KnownHolder& known : KNOWN_HOLDERS) {
        const std::string advice = LoadString(known.adviceId);
        if (program == known.name && std::find(notes.begin(), notes.end(), advice) == notes.end())
            notes.push_back(advice);
    }
}

std::vector<std::string> GroupNotes(const std::string& group, const AccessSources& sources)
{
    // Joining root's group is no advice to give.
    if (group.empty() || group == "root" || sources.user.empty())
        return {};
    switch (StandingInGroup(group, sources)) {
    case GroupStanding::NotMember:
        return { FormatString(IDS_HINT_JOIN_GROUP, sources.user.c_str(), group.c_str(), group.c_str(),
                              sources.user.c_str()) };
    case GroupStanding::JoinedAfterLogin:
        return { FormatString(IDS_HINT_LOG_IN_AGAIN, sources.user.c_str(), group.c_str()) };
    case GroupStanding::Member:
    case GroupStanding::Unknown:
        break;
    }
    return {};
}

std::vector<std::string> HolderNotes(const std::string& node, const std::string& procFolder)
{
    // Where there is no proc folder (Windows) nothing can be said of holders.
    std::error_code error;
    if (!fs::is_directory(procFolder, error))
        return {};
    std::vector<std::string> notes;
    const std::vector<ProgramWithDevice> holders = ProgramsHolding(node, procFolder);
    for (const ProgramWithDevice& holder : holders)
        notes.push_back(FormatString(IDS_HINT_HELD_BY, holder.name.c_str(), static_cast<int>(holder.pid)));
    if (holders.empty()) {
        const std::vector<ProgramWithDevice> running = KnownHoldersRunning(procFolder);
        for (const ProgramWithDevice& program : running)
            notes.push_back(FormatString(IDS_HINT_RUNNING, program.name.c_str(), static_cast<int>(program.pid)));
        if (running.empty())
            notes.push_back(FormatString(IDS_HINT_HOLDER_UNSEEN, node.c_str()));
        for (const ProgramWithDevice& program : running)
            AddAdvice(program.name, notes);
    }
    for (const ProgramWithDevice& holder : holders)
        AddAdvice(holder.name, notes);
    return notes;
}

} // namespace

AccessSources SystemAccessSources()
{
    AccessSources sources;
#ifndef _WIN32
    if (const struct passwd* account = ::getpwuid(::getuid())) {
        sources.user = account->pw_name;
        sources.primaryGroup = static_cast<long>(account->pw_gid);
    } else if (const char* user = std::getenv("USER")) {
        sources.user = user;
    }
    const int count = ::getgroups(0, nullptr);
    std::vector<gid_t> groups(static_cast<size_t>(std::max(count, 0)));
    if (count > 0 && ::getgroups(count, groups.data()) == count) {
        for (gid_t group : groups)
            sources.loginGroups.push_back(static_cast<long>(group));
    }
    sources.loginGroups.push_back(static_cast<long>(::getegid()));
#endif
    return sources;
}

GroupStanding StandingInGroup(const std::string& group, const AccessSources& sources)
{
    std::ifstream file(sources.groupFile);
    std::string line;
    while (std::getline(file, line)) {
        // name:password:id:member,member
        const std::vector<std::string> fields = Split(line, ':');
        long id = 0;
        if (fields.size() < 4 || fields[0] != group || !ParseId(fields[2], id))
            continue;
        const std::vector<long>& login = sources.loginGroups;
        if (std::find(login.begin(), login.end(), id) != login.end())
            return GroupStanding::Member;
        const std::vector<std::string> members = Split(fields[3], ',');
        const bool listed = std::find(members.begin(), members.end(), sources.user) != members.end();
        return listed || id == sources.primaryGroup ? GroupStanding::JoinedAfterLogin : GroupStanding::NotMember;
    }
    return GroupStanding::Unknown;
}

std::vector<ProgramWithDevice> ProgramsHolding(const std::string& node, const std::string& procFolder)
{
    std::vector<ProgramWithDevice> holders;
    ForEachProcess(procFolder, [&](long pid, const fs::path& process) {
        std::error_code error;
        for (fs::directory_iterator fd(process / "fd", error), end; !error && fd != end; fd.increment(error)) {
            std::error_code linkError;
            if (fs::read_symlink(fd->path(), linkError) == fs::path(node)) {
                holders.push_back({ pid, CommandName(process) });
                return;
            }
        }
    });
    std::sort(holders.begin(), holders.end(),
              [](const ProgramWithDevice& a, const ProgramWithDevice& b) { return a.pid < b.pid; });
    return holders;
}

PortOpenFailure ForeseenOpenFailure(const std::string& device, const AccessSources& sources)
{
#ifdef _WIN32
    (void)device;
    (void)sources;
    return PortOpenFailure::None;
#else
    struct stat info;
    if (::stat(device.c_str(), &info) != 0)
        return errno == EACCES ? PortOpenFailure::PermissionDenied : PortOpenFailure::NoSuchDevice;
    if (!S_ISCHR(info.st_mode))
        return PortOpenFailure::NotSerialDevice;
    if (::access(device.c_str(), R_OK | W_OK) != 0)
        return errno == EACCES || errno == EPERM ? PortOpenFailure::PermissionDenied : PortOpenFailure::Other;
    return ProgramsHolding(DeviceBehind(device), sources.procFolder).empty() ? PortOpenFailure::None : PortOpenFailure::Busy;
#endif
}

std::vector<std::string> PortAccessNotes(const std::string& node, const std::string& group, PortOpenFailure failure,
                                         const AccessSources& sources)
{
    switch (failure) {
    case PortOpenFailure::PermissionDenied: return GroupNotes(group, sources);
    case PortOpenFailure::Busy: return HolderNotes(node, sources.procFolder);
    default: return {};
    }
}

bool MayOpenDevice(const std::string& device)
{
#ifdef _WIN32
    // A COM port refused on Windows is held by another program, not forbidden.
    (void)device;
    return true;
#else
    return ::access(device.c_str(), R_OK | W_OK) == 0 || errno != EACCES;
#endif
}
