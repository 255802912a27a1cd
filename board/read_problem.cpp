// The words for a file that could not be read: shared by every reader of files
// (the data file, a settings text, a calibration export) and both platforms.
#include "board/file_access.h"

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

std::string ReadProblemText(const std::string& path, ReadProblem problem)
{
    const int id = ReadProblemMessageId(problem);
    return id ? FormatString(id, path.c_str()) : std::string();
}
