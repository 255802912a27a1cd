#include "board/backup_store.h"

#include "board/file_access.h"
#include "board/option_board_data.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

constexpr size_t STAMP_SIZE = 17; // "2026-12-08_101502"
const char* const EXTENSION = ".vgd";

std::tm LocalTime(std::time_t when)
{
    std::tm local = {};
#ifdef _WIN32
    localtime_s(&local, &when);
#else
    localtime_r(&when, &local);
#endif
    return local;
}

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

// Whether a file name is one of ours: a stamp, '_', a port, the extension.
bool IsBackupName(const std::string& name)
{
    if (name.size() <= STAMP_SIZE + 1 + 4 || name.compare(name.size() - 4, 4, EXTENSION) != 0)
        return false;
    for (size_t i = 0; i < STAMP_SIZE; ++i) {
        const bool digit = std::isdigit(static_cast<unsigned char>(name[i])) != 0;
        const char separator = i == 4 || i == 7 ? '-' : (i == 10 ? '_' : '\0');
        if (separator ? name[i] != separator : !digit)
            return false;
    }
    return name[STAMP_SIZE] == '_';
}

void Prune(const std::string& folder)
{
    const std::vector<BackupEntry> backups = ListBackups(folder);
    for (size_t i = BACKUPS_KEPT; i < backups.size(); ++i) {
        std::error_code ignored;
        fs::remove(backups[i].path, ignored);
    }
}

} // namespace

std::string BackupFileName(std::time_t when, const std::string& portName)
{
    const std::tm local = LocalTime(when);
    char stamp[32];
    std::strftime(stamp, sizeof(stamp), "%Y-%m-%d_%H%M%S", &local);
    return std::string(stamp) + "_" + PortPart(portName) + EXTENSION;
}

bool WriteBackup(const std::string& folder, const std::string& portName, std::time_t when, int32_t major,
                 int32_t minor, const uint8_t* image, std::string& path, std::string& error)
{
    std::error_code code;
    fs::create_directories(folder, code);
    if (code) {
        error = folder + ": " + code.message();
        return false;
    }
    // A second backup within one second from one port takes the next free second,
    // so that names stay unique and in order.
    fs::path target = fs::path(folder) / BackupFileName(when, portName);
    while (fs::exists(target, code))
        target = fs::path(folder) / BackupFileName(++when, portName);

    uint8_t bytes[DATA_FILE_SIZE];
    bytes[0] = static_cast<uint8_t>(major & 0xFF);
    bytes[1] = static_cast<uint8_t>(minor & 0xFF);
    std::copy(image, image + SETTINGS_IMAGE_SIZE, bytes + DATA_FILE_HEADER_SIZE);
    if (!ReplaceFileContents(target.string(), bytes, sizeof(bytes))) {
        error = target.string() + ": could not be written";
        return false;
    }
    path = target.string();
    Prune(folder);
    return true;
}

std::vector<BackupEntry> ListBackups(const std::string& folder)
{
    std::vector<BackupEntry> backups;
    std::error_code code;
    for (fs::directory_iterator it(folder, code), end; !code && it != end; it.increment(code)) {
        const std::string name = it->path().filename().string();
        if (!IsBackupName(name) || !it->is_regular_file(code))
            continue;
        BackupEntry entry;
        entry.path = it->path().string();
        entry.name = name;
        entry.when = name.substr(0, 10) + " " + name.substr(11, 2) + ":" + name.substr(13, 2) + ":" + name.substr(15, 2);
        entry.port = name.substr(STAMP_SIZE + 1, name.size() - STAMP_SIZE - 1 - 4);
        backups.push_back(entry);
    }
    // The stamp leads the name, so newest first is the names in reverse order.
    std::sort(backups.begin(), backups.end(),
              [](const BackupEntry& a, const BackupEntry& b) { return a.name > b.name; });
    return backups;
}
