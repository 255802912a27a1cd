#include "storage/file_access.h"

#include <windows.h>

#include <string>

long ReadFileExclusive(const std::string& path, uint8_t* buffer, size_t capacity, ReadProblem* problem)
{
    const auto refuse = [&](ReadProblem why) {
        if (problem)
            *problem = why;
        return -1L;
    };
    // A folder cannot be opened as a file at all; say so rather than "denied".
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return refuse(ReadProblem::Folder);
    // Share mode 0: refused while another program has the file open.
    const HANDLE file = ::CreateFileA(path.c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        switch (::GetLastError()) {
        case ERROR_FILE_NOT_FOUND:
        case ERROR_PATH_NOT_FOUND: return refuse(ReadProblem::Missing);
        case ERROR_ACCESS_DENIED: return refuse(ReadProblem::Denied);
        case ERROR_SHARING_VIOLATION:
        case ERROR_LOCK_VIOLATION: return refuse(ReadProblem::InUse);
        default: return refuse(ReadProblem::Other);
        }
    }
    // Only files on disk are data files: a read from a pipe, a console or a port
    // could wait for ever.
    if (::GetFileType(file) != FILE_TYPE_DISK) {
        ::CloseHandle(file);
        return refuse(ReadProblem::NotAFile);
    }
    size_t done = 0;
    while (done < capacity) {
        DWORD got = 0;
        if (!::ReadFile(file, buffer + done, static_cast<DWORD>(capacity - done), &got, nullptr) || got == 0)
            break;
        done += got;
    }
    ::CloseHandle(file);
    if (problem)
        *problem = ReadProblem::None;
    return static_cast<long>(done);
}

namespace {

// What a failed create, write or move says of its target.
WriteProblem WriteProblemOf(DWORD error)
{
    switch (error) {
    case ERROR_ACCESS_DENIED:
    case ERROR_WRITE_PROTECT: return WriteProblem::FolderProtected;
    case ERROR_PATH_NOT_FOUND: return WriteProblem::NoFolder;
    case ERROR_DISK_FULL:
    case ERROR_HANDLE_DISK_FULL: return WriteProblem::NoSpace;
    default: return WriteProblem::Other;
    }
}

} // namespace

bool ReplaceFileContents(const std::string& path, const uint8_t* bytes, size_t count, WriteProblem* problem)
{
    const auto refuse = [&](WriteProblem why) {
        if (problem)
            *problem = why;
        return false;
    };
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0)
        return refuse(WriteProblem::NotAFile);
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY) != 0)
        return refuse(WriteProblem::WriteProtected);

    // A short temporary name in the target's folder: one built on the target's
    // name would not fit where a long target name just does.
    const size_t separator = path.find_last_of("\\/:");
    const std::string folder = separator == std::string::npos ? std::string() : path.substr(0, separator + 1);
    std::string temporary;
    HANDLE file = INVALID_HANDLE_VALUE;
    for (unsigned attempt = 0; attempt < 16 && file == INVALID_HANDLE_VALUE; ++attempt) {
        temporary =
            folder + ".vgd-" + std::to_string(::GetCurrentProcessId()) + "-" + std::to_string(attempt) + ".tmp";
        file = ::CreateFileA(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL,
                             nullptr);
        if (file == INVALID_HANDLE_VALUE && ::GetLastError() != ERROR_FILE_EXISTS)
            return refuse(WriteProblemOf(::GetLastError()));
    }
    if (file == INVALID_HANDLE_VALUE)
        return refuse(WriteProblem::Other);
    bool ok = true;
    size_t done = 0;
    while (ok && done < count) {
        DWORD written = 0;
        ok = ::WriteFile(file, bytes + done, static_cast<DWORD>(count - done), &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && ::FlushFileBuffers(file);
    ok = ::CloseHandle(file) && ok;
    if (ok)
        ok = ::MoveFileExA(temporary.c_str(), path.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!ok) {
        const DWORD error = ::GetLastError();
        ::DeleteFileA(temporary.c_str());
        return refuse(WriteProblemOf(error));
    }
    return true;
}
