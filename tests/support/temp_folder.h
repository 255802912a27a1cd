// Scratch folders and files for tests, and small file systems that are read-only
// or full, for the failures a technician's disk can have.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <dirent.h>
#include <fstream>
#include <functional>
#include <iterator>
#include <string>
#include <sys/mount.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

inline std::vector<uint8_t> ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

inline void WriteBytes(const std::string& path, const std::vector<uint8_t>& bytes)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::vector<std::string> ListFolder(const std::string& path)
{
    std::vector<std::string> names;
    if (DIR* dir = ::opendir(path.c_str())) {
        while (const dirent* entry = ::readdir(dir)) {
            const std::string name = entry->d_name;
            if (name != "." && name != ".." && name != "lost+found")
                names.push_back(name);
        }
        ::closedir(dir);
    }
    std::sort(names.begin(), names.end());
    return names;
}

class TempFolder {
public:
    TempFolder()
    {
        char pattern[] = "/tmp/vigilon-test-XXXXXX";
        m_path = ::mkdtemp(pattern);
    }
    ~TempFolder()
    {
        const std::string command = "chmod -R u+w '" + m_path + "' 2>/dev/null; rm -rf '" + m_path + "'";
        if (std::system(command.c_str()) != 0)
            ADD_FAILURE() << "could not remove " << m_path;
    }
    std::string Path(const std::string& name) const { return m_path + "/" + name; }
    std::vector<std::string> Entries() const { return ListFolder(m_path); }
    const std::string& Root() const { return m_path; }

private:
    std::string m_path;
};

// A small file system of its own. As root it is a tmpfs mount; without the right
// to mount, a read-only folder is a folder without write permission, and a full
// disk cannot be made (the test is skipped; the half-way write test covers it).
class ScratchMount {
public:
    enum class Kind { ReadOnlyAfterSetup, Full };

    explicit ScratchMount(Kind kind) : m_kind(kind)
    {
        m_mountPoint = m_folder.Path("mnt");
        ::mkdir(m_mountPoint.c_str(), 0755);
        m_mounted = ::mount("tmpfs", m_mountPoint.c_str(), "tmpfs", 0, "size=16k,nr_inodes=16") == 0;
        if (!m_mounted && kind == Kind::Full)
            m_skipReason = "cannot mount a small file system here";
    }
    ~ScratchMount()
    {
        if (m_mounted)
            ::umount2(m_mountPoint.c_str(), MNT_DETACH);
        ::chmod(m_mountPoint.c_str(), 0755);
    }

    std::string Path(const std::string& name) const { return m_mountPoint + "/" + name; }
    std::vector<std::string> Entries() const { return ListFolder(m_mountPoint); }

    // Why the failure cannot be made here; empty when it can.
    const std::string& SkipReason() const { return m_skipReason; }

    // Runs the setup while the file system is writable, then makes it read-only
    // or fills it. False (with a failure recorded) when that did not work.
    bool Prepare(const std::function<void()>& setup)
    {
        setup();
        if (m_kind == Kind::ReadOnlyAfterSetup) {
            const int made = m_mounted
                ? ::mount("tmpfs", m_mountPoint.c_str(), "tmpfs", MS_REMOUNT | MS_RDONLY, nullptr)
                : ::chmod(m_mountPoint.c_str(), 0555);
            if (made != 0) {
                ADD_FAILURE() << "cannot make " << m_mountPoint << " read-only";
                return false;
            }
            return true;
        }
        std::ofstream filler(Path("filler"), std::ios::binary);
        const std::vector<char> block(4096, 'x');
        for (int i = 0; i < 16 && filler; ++i)
            filler.write(block.data(), static_cast<std::streamsize>(block.size()));
        return true;
    }

private:
    TempFolder m_folder;
    Kind m_kind;
    std::string m_mountPoint;
    bool m_mounted = false;
    std::string m_skipReason;
};
