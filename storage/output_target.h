// Whether a file the tool is about to write can take what it will hold, checked
// before any work starts: a 20-minute read-out should not end on a file that was
// never writable.
#pragma once

#include <cstddef>
#include <string>

enum class TargetProblem {
    None,
    NotAFile,       // a folder, a named pipe, a device, a loop of links
    WriteProtected, // an existing file without write permission, or one that refuses opening for writing
    NoFolder,       // its folder is missing or takes no new file
    NoSpace,        // its folder cannot take `expectedSize` bytes
};

// Checks `path` as a target that will be replaced with about `expectedSize`
// bytes: an existing file must be a regular one that may be written; its folder
// must take a new file of that size (tried with a scratch file, removed again).
TargetProblem CheckOutputTarget(const std::string& path, size_t expectedSize);

// Whether two paths name the same file: the same file on disk when both exist,
// else the same absolute path once links are followed.
bool SameFile(const std::string& a, const std::string& b);
