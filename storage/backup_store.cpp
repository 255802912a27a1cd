#include "storage/backup_store.h"

#include "seams/local_time.h"
#include "storage/data_file_layout.h"
#include "storage/file_access.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

// A calibration export holds 28672 lines of "%3d\t%3d\r\n".
const BackupKind SETTINGS_BACKUP = { ".vgd", DATA_FILE_SIZE, BACKUPS_KEPT };
const BackupKind CALIBRATION_BACKUP = { ".txt", 28672u * 9u, CALIBRATION_BACKUPS_KEPT };

namespace {

constexpr size_t STAMP_SIZE = 17; // "2026-12-08_101502"

std::string PortPart(const std::string& portName)
{
    std::string part;
    for (char c : portName) {
        if (std::isalnum(static_cast<unsigned char>(c)) || c == '-')
            part += c;
        else if (!part.empty() && part.back() != '-')
            part += '-';
    }
    while (!part.empty() && part.back() == '-')
        part.pop_back();
    return part.empty() ? std::string("port") : part;
}

// Whether a file name is one the store gives: a stamp, '_', a port part as
// PortPart makes it, the extension.
bool IsBackupName(const std::string& name, const std::string& extension)
{
    if (name.size() <= STAMP_SIZE + 1 + extension.size()
        || name.compare(name.size() - extension.size(), extension.size(), extension) != 0)
        return false;
    for (size_t i = 0; i < STAMP_SIZE; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        const char separator = i == 4 || i == 7 ? '-' : (i == 10 ? '_' : '\0');
        if (separator ? name[i] != separator : !digit)
            return false;
    }
    if (name[STAMP_SIZE] != '_')
        return false;
    const std::string port = name.substr(STAMP_SIZE + 1, name.size() - STAMP_SIZE - 1 - extension.size());
    return PortPart(port) == port;
}

// A file the store made: its name form, a regular file itself (a symbolic link
// is never taken for one) and the kind's size.
bool IsStoreFile(const fs::directory_entry& entry, const BackupKind& kind)
{
    std::error_code code;
    if (!IsBackupName(entry.path().filename().string(), kind.extension)
        || !fs::is_regular_file(entry.symlink_status(code)))
        return false;
    const uintmax_t size = entry.file_size(code);
    return !code && size == kind.size;
}

void Prune(const std::string& folder, const BackupKind& kind, const std::string& keep)
{
    const std::vector<BackupEntry> backups = ListBackups(folder, kind);
    size_t kept = 1; // the one just written
    for (const BackupEntry& backup : backups) {
        if (backup.path == keep)
            continue;
        if (kept < kind.kept) {
            ++kept;
            continue;
        }
        std::error_code ignored;
        // Backups are read-only; on Windows that attribute would refuse the removal.
        fs::permissions(backup.path, fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove(backup.path, ignored);
    }
}

// Whether the file holds exactly these bytes.
bool HoldsExactly(const std::string& path, const uint8_t* bytes, size_t count)
{
    std::vector<uint8_t> found(count + 1);
    const long got = ReadFileExclusive(path, found.data(), found.size());
    return got == static_cast<long>(count) && std::equal(bytes, bytes + count, found.begin());
}

} // namespace

std::string BackupFileName(std::time_t when, const std::string& portName, const char* extension)
{
    const std::tm local = LocalTime(when);
    char stamp[32];
    std::strftime(stamp, sizeof(stamp), "%Y-%m-%d_%H%M%S", &local);
    return std::string(stamp) + "_" + PortPart(portName) + extension;
}

bool WriteBackupFile(const std::string& folder, const BackupKind& kind, const std::string& portName,
                     std::time_t when, const uint8_t* bytes, size_t count, std::string& path, std::string& error)
{
    std::error_code code;
    fs::create_directories(folder, code);
    if (code) {
        error = folder + ": " + code.message();
        return false;
    }
    // A second backup within one second from one port takes the next free second,
    // so that names stay unique and in order.
    fs::path target = fs::path(folder) / BackupFileName(when, portName, kind.extension);
    while (fs::exists(fs::symlink_status(target, code)))
        target = fs::path(folder) / BackupFileName(++when, portName, kind.extension);

    const std::string written = target.string();
    if (!ReplaceFileContents(written, bytes, count)) {
        error = written + ": could not be written";
        return false;
    }
    fs::permissions(written, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read,
                    fs::perm_options::replace, code);
    Prune(folder, kind, written);
    if (code || !HoldsExactly(written, bytes, count)) {
        error = written + ": could not be written";
        return false;
    }
    path = written;
    return true;
}

bool WriteBackup(const std::string& folder, const std::string& portName, std::time_t when, int32_t major,
                 int32_t minor, const uint8_t* image, std::string& path, std::string& error)
{
    uint8_t bytes[DATA_FILE_SIZE];
    bytes[0] = static_cast<uint8_t>(major & 0xFF);
    bytes[1] = static_cast<uint8_t>(minor & 0xFF);
    std::copy(image, image + SETTINGS_IMAGE_SIZE, bytes + DATA_FILE_HEADER_SIZE);
    return WriteBackupFile(folder, SETTINGS_BACKUP, portName, when, bytes, sizeof(bytes), path, error);
}

std::vector<BackupEntry> ListBackups(const std::string& folder, const BackupKind& kind)
{
    std::vector<BackupEntry> backups;
    std::error_code code;
    const size_t extension = std::char_traits<char>::length(kind.extension);
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
        if (!IsStoreFile(*it, kind))
            continue;
        const std::string name = it->path().filename().string();
        BackupEntry entry;
        entry.path = it->path().string();
        entry.name = name;
        entry.when = name.substr(0, 10) + " " + name.substr(11, 2) + ":" + name.substr(13, 2) + ":" + name.substr(15, 2);
        entry.port = name.substr(STAMP_SIZE + 1, name.size() - STAMP_SIZE - 1 - extension);
        backups.push_back(entry);
    }
    // The stamp leads the name, so newest first is the names in reverse order.
    std::sort(backups.begin(), backups.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.name > b.name; });
    return backups;
}

bool IsInsideFolder(const std::string& path, const std::string& folder)
{
    std::error_code code;
    const fs::path file = fs::weakly_canonical(fs::absolute(path, code), code);
    if (code)
        return false;
    const fs::path within = fs::weakly_canonical(fs::absolute(folder, code), code);
    if (code || within.empty())
        return false;
    auto f = file.begin();
    for (auto w = within.begin(); w != within.end(); ++w, ++f) {
        if (w->empty() && std::next(w) == within.end())
            break; // a trailing separator
        if (f == file.end() || *f != *w)
            return false;
    }
    return true;
}
