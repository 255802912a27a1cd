#include "storage/output_target.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <random>
#include <system_error>
#include <vector>

#ifndef _WIN32
#include <unistd.h>
#endif

namespace fs = std::filesystem;

namespace {

constexpr size_t PROBE_CHUNK = 64 * 1024;

// Writes a scratch file of `size` bytes into `folder` and removes it again.
TargetProblem ProbeFolder(const fs::path& folder, size_t size)
{
    std::random_device seed;
    std::mt19937 random(seed());
    fs::path probe;
    std::error_code code;
    for (int attempt = 0; attempt < 16; ++attempt) {
        probe = folder / (".vgd-probe-" + std::to_string(random() % 1000000) + ".tmp");
        if (!fs::exists(fs::symlink_status(probe, code)))
            break;
    }
    std::FILE* file = std::fopen(probe.string().c_str(), "wb");
    if (file == nullptr)
        return errno == ENOSPC ? TargetProblem::NoSpace : TargetProblem::NoFolder;
    const std::vector<char> chunk(PROBE_CHUNK, ' ');
    bool ok = true;
    for (size_t left = size > 0 ? size : 1; ok && left > 0;) {
        const size_t n = left < chunk.size() ? left : chunk.size();
        ok = std::fwrite(chunk.data(), 1, n, file) == n;
        left -= n;
    }
    ok = std::fflush(file) == 0 && ok;
#ifndef _WIN32
    // A file system that allocates late says "full" only here.
    ok = ok && ::fsync(fileno(file)) == 0;
#endif
    const int error = errno;
    std::fclose(file);
    fs::remove(probe, code);
    if (ok)
        return TargetProblem::None;
    return error == ENOSPC ? TargetProblem::NoSpace : TargetProblem::NoFolder;
}

} // namespace

TargetProblem CheckOutputTarget(const std::string& path, size_t expectedSize)
{
    std::error_code code;
    const fs::file_status status = fs::status(path, code);
    if (code && status.type() != fs::file_type::not_found)
        return TargetProblem::NotAFile; // a loop of links, an unreadable folder on the way
    fs::path folder;
    if (fs::exists(status)) {
        if (!fs::is_regular_file(status))
            return TargetProblem::NotAFile;
        const fs::perms writable = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
        if ((status.permissions() & writable) == fs::perms::none)
            return TargetProblem::WriteProtected;
        // Opened for update, never truncated: what it holds stays as it is.
        std::FILE* file = std::fopen(path.c_str(), "r+b");
        if (file == nullptr)
            return TargetProblem::WriteProtected;
        std::fclose(file);
        folder = fs::canonical(path, code).parent_path();
    } else {
        folder = fs::weakly_canonical(fs::absolute(path, code), code).parent_path();
    }
    if (code || !fs::is_directory(folder, code))
        return TargetProblem::NoFolder;
    return ProbeFolder(folder, expectedSize);
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code code;
    if (fs::equivalent(a, b, code) && !code)
        return true;
    const fs::path first = fs::weakly_canonical(fs::absolute(a, code), code);
    const fs::path second = fs::weakly_canonical(fs::absolute(b, code), code);
    return !code && first == second;
}
