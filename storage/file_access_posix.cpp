#include "storage/file_access.h"

#include <cerrno>
#include <climits>
#include <fcntl.h>
#include <random>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

constexpr int TEMPORARY_NAME_TRIES = 16;
constexpr int LINK_HOPS = 40; // as many as the system itself follows

bool WriteAll(int fd, const uint8_t* bytes, size_t count)
{
    size_t done = 0;
    while (done < count) {
        const ssize_t n = ::write(fd, bytes + done, count - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += static_cast<size_t>(n);
    }
    return true;
}

std::string FolderOf(const std::string& path)
{
    const size_t slash = path.find_last_of('/');
    if (slash == std::string::npos)
        return ".";
    return slash == 0 ? "/" : path.substr(0, slash);
}

// The file a path finally names: symbolic links are followed one by one, also to
// a target that does not exist yet, so that a dangling link is written through
// like a live one. False for a link that cannot be read or for a loop.
bool FinalPath(const std::string& path, std::string& target)
{
    target = path;
    for (int hop = 0; hop < LINK_HOPS; ++hop) {
        struct stat info;
        if (::lstat(target.c_str(), &info) != 0 || !S_ISLNK(info.st_mode))
            return true; // a file, or nothing yet: the later steps decide
        std::vector<char> link(PATH_MAX);
        const ssize_t length = ::readlink(target.c_str(), link.data(), link.size());
        if (length <= 0 || static_cast<size_t>(length) >= link.size())
            return false;
        const std::string next(link.data(), static_cast<size_t>(length));
        target = next[0] == '/' ? next : FolderOf(target) + "/" + next;
    }
    return false;
}

// Creates a new, empty temporary file beside the target; -1 on failure. Its
// name is short whatever the target's, so it fits where the target's name does.
int CreateTemporary(const std::string& target, std::string& name)
{
    static const char LETTERS[] = "abcdefghijklmnopqrstuvwxyz0123456789";
    const std::string folder = FolderOf(target);
    std::random_device seed;
    std::mt19937 random(seed());
    for (int attempt = 0; attempt < TEMPORARY_NAME_TRIES; ++attempt) {
        std::string unique(6, ' ');
        for (char& c : unique)
            c = LETTERS[random() % (sizeof(LETTERS) - 1)];
        name = folder + "/.vgd-" + unique + ".tmp";
        const int fd = ::open(name.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST)
            return fd;
    }
    return -1;
}

// Gives the new file the old one's owner and group. Only root may give a file
// away; others may still keep its group when they belong to it. What may not be
// kept (EPERM, or EINVAL for an id a user namespace cannot name) stays as the
// new file has it, as with a copy made by the same user.
bool KeepOwner(int fd, const struct stat& existing)
{
    if (::fchown(fd, existing.st_uid, existing.st_gid) == 0)
        return true;
    if (errno != EPERM && errno != EINVAL)
        return false;
    if (::fchown(fd, static_cast<uid_t>(-1), existing.st_gid) == 0)
        return true;
    return errno == EPERM || errno == EINVAL;
}

// What a failed write, create or rename says of its target.
WriteProblem WriteProblemOf(int error)
{
    switch (error) {
    case EACCES:
    case EPERM:
    case EROFS: return WriteProblem::FolderProtected;
    case ENOENT:
    case ENOTDIR: return WriteProblem::NoFolder;
    case ENOSPC:
    case EDQUOT: return WriteProblem::NoSpace;
    default: return WriteProblem::Other;
    }
}

} // namespace

long ReadFileExclusive(const std::string& path, uint8_t* buffer, size_t capacity, ReadProblem* problem)
{
    const auto refuse = [&](ReadProblem why) {
        if (problem)
            *problem = why;
        return -1L;
    };
    // Opened without waiting: a named pipe or a device would otherwise hold the
    // open until something else writes to it, and the tool with it.
    const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0) {
        switch (errno) {
        case ENOENT:
        case ENOTDIR: return refuse(ReadProblem::Missing);
        case EACCES:
        case EPERM: return refuse(ReadProblem::Denied);
        case ELOOP: return refuse(ReadProblem::LinkLoop);
        default: return refuse(ReadProblem::Other);
        }
    }
    struct stat info;
    // Only regular files are data files; a lock refused means another program
    // (another copy of this tool, say) is working with the file. The reads of a
    // regular file then go as usual.
    ReadProblem why = ReadProblem::None;
    const int flags = ::fcntl(fd, F_GETFL);
    if (::fstat(fd, &info) != 0)
        why = ReadProblem::Other;
    else if (S_ISDIR(info.st_mode))
        why = ReadProblem::Folder;
    else if (!S_ISREG(info.st_mode))
        why = ReadProblem::NotAFile;
    else if (::flock(fd, LOCK_EX | LOCK_NB) != 0)
        why = errno == EWOULDBLOCK ? ReadProblem::InUse : ReadProblem::Other;
    else if (flags < 0 || ::fcntl(fd, F_SETFL, flags & ~O_NONBLOCK) != 0)
        why = ReadProblem::Other;
    if (why != ReadProblem::None) {
        ::close(fd);
        return refuse(why);
    }
    size_t done = 0;
    while (done < capacity) {
        const ssize_t n = ::read(fd, buffer + done, capacity - done);
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            break;
        done += static_cast<size_t>(n);
    }
    ::close(fd);
    if (problem)
        *problem = ReadProblem::None;
    return static_cast<long>(done);
}

bool ReplaceFileContents(const std::string& path, const uint8_t* bytes, size_t count, WriteProblem* problem)
{
    const auto refuse = [&](WriteProblem why) {
        if (problem)
            *problem = why;
        return false;
    };
    std::string target;
    if (!FinalPath(path, target))
        return refuse(WriteProblem::NotAFile);
    struct stat existing;
    const bool exists = ::stat(target.c_str(), &existing) == 0;
    if (exists) {
        // A write-protected file stays protected, even for a user who could
        // replace it through its folder.
        if (!S_ISREG(existing.st_mode))
            return refuse(WriteProblem::NotAFile);
        if ((existing.st_mode & 0222) == 0 || ::access(target.c_str(), W_OK) != 0)
            return refuse(WriteProblem::WriteProtected);
    }

    std::string temporary;
    const int fd = CreateTemporary(target, temporary);
    if (fd < 0)
        return refuse(WriteProblemOf(errno));
    bool ok = WriteAll(fd, bytes, count) && ::fsync(fd) == 0;
    // The owner first: a change of owner clears the set-id permission bits.
    if (ok && exists)
        ok = KeepOwner(fd, existing) && ::fchmod(fd, existing.st_mode & 07777) == 0;
    int error = ok ? 0 : errno;
    if (::close(fd) != 0 && ok) {
        ok = false;
        error = errno;
    }
    if (ok && ::rename(temporary.c_str(), target.c_str()) != 0) {
        ok = false;
        error = errno;
    }
    if (!ok) {
        ::unlink(temporary.c_str());
        return refuse(WriteProblemOf(error));
    }
    // Make the new name itself durable.
    const int folder = ::open(FolderOf(target).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        ::fsync(folder);
        ::close(folder);
    }
    return true;
}
