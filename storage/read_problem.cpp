// The words for a file that could not be read or written: shared by every
// reader and writer of files (the data file, a settings text, a calibration
// export) and both platforms.
#include "storage/file_access.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

int ReadProblemMessageId(ReadProblem problem)
{
    switch (problem) {
    case ReadProblem::Missing: return IDS_FILE_MISSING;
    case ReadProblem::Denied: return IDS_FILE_DENIED;
    case ReadProblem::Folder: return IDS_FILE_IS_FOLDER;
    case ReadProblem::NotAFile: return IDS_FILE_NOT_REGULAR;
    case ReadProblem::LinkLoop: return IDS_FILE_LINK_LOOP;
    case ReadProblem::InUse: return IDS_FILE_IN_USE;
    case ReadProblem::None:
    case ReadProblem::Other: break;
    }
    return 0;
}

std::string WriteProblemText(const std::string& path, WriteProblem problem)
{
    const std::string folder = [&] {
        const size_t slash = path.find_last_of("/\\");
        return slash == std::string::npos ? std::string(".") : path.substr(0, slash == 0 ? 1 : slash);
    }();
    switch (problem) {
    case WriteProblem::NotAFile: return FormatString(IDS_TARGET_NOT_FILE, path.c_str());
    case WriteProblem::WriteProtected: return FormatString(IDS_TARGET_PROTECTED, path.c_str());
    case WriteProblem::FolderProtected: return FormatString(IDS_TARGET_FOLDER_PROTECTED, path.c_str(), folder.c_str());
    case WriteProblem::NoFolder: return FormatString(IDS_TARGET_NO_FOLDER, path.c_str());
    case WriteProblem::NoSpace: return FormatString(IDS_TARGET_NO_SPACE, path.c_str());
    case WriteProblem::None: return std::string();
    case WriteProblem::Other: break;
    }
    return FormatString(IDS_CLI_CANNOT_WRITE, path.c_str());
}

std::string ReadProblemText(const std::string& path, ReadProblem problem)
{
    const int id = ReadProblemMessageId(problem);
    return id ? FormatString(id, path.c_str()) : std::string();
}
