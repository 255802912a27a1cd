// File access the data file and the calibration export need: an exclusive read,
// and a replacement that never leaves a half-written file under the target name.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Why a file could not be read, so that the message can say what to do about it.
enum class ReadProblem { None, Missing, Denied, Folder, NotAFile, LinkLoop, InUse, Other };

// Reads up to `capacity` bytes from the start of the file while holding it
// exclusively (a file another program holds is refused). Only regular files are
// read: a folder, a device or a named pipe is refused without waiting. The number
// of bytes read, or -1 when the file cannot be opened (with the reason in
// `problem` when one is given).
long ReadFileExclusive(const std::string& path, uint8_t* buffer, size_t capacity, ReadProblem* problem = nullptr);

// The sentence that names the file and says why it could not be read; empty for
// None and for a reason the system did not give.
std::string ReadProblemText(const std::string& path, ReadProblem problem);
// The string table's id of that sentence; 0 when there is none.
int ReadProblemMessageId(ReadProblem problem);

// Why a file could not be written, so that the message can say what to do about it.
enum class WriteProblem { None, NotAFile, WriteProtected, FolderProtected, NoFolder, NoSpace, Other };

// The sentence that names the file and says why it could not be written.
std::string WriteProblemText(const std::string& path, WriteProblem problem);

// Gives the file exactly these contents. They are written to a temporary file in
// the same folder, flushed to disk, and only then put in place of the target, so
// any failure (read-only folder or file, full disk) leaves an existing file byte
// for byte as it was. An existing target keeps its permissions; a symbolic link
// keeps pointing where it did and its target is replaced.
// False on failure, with the reason in `problem` when one is given.
bool ReplaceFileContents(const std::string& path, const uint8_t* bytes, size_t count,
                         WriteProblem* problem = nullptr);
