// The option board data file: 26 bytes, the codeplug version then the settings
// image, kept in the record's fileHeader and fileImage on the way in and out.
#include "board/codeplug_version.h"
#include "storage/file_access.h"
#include "board/option_board_data.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

#include <algorithm>

bool COptionBoardData::LoadFromFile(const std::string& path, int32_t* major, int32_t* minor)
{
    // A record without a context of its own says its boxes on standard error.
    OperationContext standardError;
    OperationContext& boxes = context ? *context : standardError;
    uint8_t bytes[DATA_FILE_SIZE] = {};
    // A shorter file leaves the missing bytes zero; a longer one is read as its
    // first 26 bytes.
    // The box's text is the same for every reason; beside it, which file and why,
    // which a user cannot otherwise tell (diff names two files).
    ReadProblem problem = ReadProblem::None;
    if (ReadFileExclusive(path, bytes, sizeof(bytes), &problem) < 0) {
        ShowStatusMessage(boxes, MSG_ERROR, IDS_FILE_OPEN_FAILED, ReadProblemText(path, problem));
        return false;
    }
    std::copy(bytes, bytes + DATA_FILE_HEADER_SIZE, fileHeader);
    std::copy(bytes + DATA_FILE_HEADER_SIZE, bytes + DATA_FILE_SIZE, fileImage);

    // The version is taken before the checks, so a refused file still leaves it.
    if (major)
        *major = fileHeader[0];
    if (minor)
        *minor = fileHeader[1];
    if (fileHeader[0] > supportedCodeplugMajor) {
        ShowStatusText(boxes, MSG_ERROR, IDS_CODEPLUG_VERSION, CodeplugVersionMessage(fileHeader[0], fileHeader[1]),
                       FormatString(IDS_FILE_NOT_USABLE, path.c_str()));
        return false;
    }
    if (!FromImage(fileImage)) {
        ShowStatusMessage(boxes, MSG_ERROR, IDS_FILE_INVALID, FormatString(IDS_FILE_NOT_USABLE, path.c_str()));
        return false;
    }
    return true;
}

bool COptionBoardData::SaveToFile(const std::string& path, int32_t major, int32_t minor)
{
    fileHeader[0] = static_cast<uint8_t>(major & 0xFF);
    fileHeader[1] = static_cast<uint8_t>(minor & 0xFF);
    return SaveToFile(path);
}

bool COptionBoardData::SaveToFile(const std::string& path)
{
    OperationContext standardError;
    OperationContext& boxes = context ? *context : standardError;
    ToImage(fileImage);
    uint8_t bytes[DATA_FILE_SIZE];
    std::copy(fileHeader, fileHeader + DATA_FILE_HEADER_SIZE, bytes);
    std::copy(fileImage, fileImage + SETTINGS_IMAGE_SIZE, bytes + DATA_FILE_HEADER_SIZE);
    // The box's own text covers every reason; beside it, which file and why.
    WriteProblem problem = WriteProblem::None;
    if (!ReplaceFileContents(path, bytes, sizeof(bytes), &problem)) {
        ShowStatusMessage(boxes, MSG_ERROR, IDS_FILE_WRITE_FAILED, WriteProblemText(path, problem));
        return false;
    }
    return true;
}
