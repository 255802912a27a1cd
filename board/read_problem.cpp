// The words for a file that could not be read: shared by every reader of files
// (the data file, a settings text, a calibration export) and both platforms.
#include "board/file_access.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

std::string ReadProblemText(const std::string& path, ReadProblem problem)
{
    switch (problem) {
    case ReadProblem::Missing: return FormatString(IDS_FILE_MISSING, path.c_str());
    case ReadProblem::Denied: return FormatString(IDS_FILE_DENIED, path.c_str());
    case ReadProblem::Folder: return FormatString(IDS_FILE_IS_FOLDER, path.c_str());
    case ReadProblem::NotAFile: return FormatString(IDS_FILE_NOT_REGULAR, path.c_str());
    case ReadProblem::LinkLoop: return FormatString(IDS_FILE_LINK_LOOP, path.c_str());
    case ReadProblem::InUse: return FormatString(IDS_FILE_IN_USE, path.c_str());
    case ReadProblem::None:
    case ReadProblem::Other: break;
    }
    return std::string();
}
