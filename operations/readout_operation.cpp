#include "operations/readout_operation.h"

#include "board/file_access.h"
#include "link/operation_host.h"
#include "link/radio_link.h"
#include "link/status_message.h"
#include "link/string_table.h"
#include "operations/operation_course.h"
#include "operations/stop_request.h"
#include "resources/string_ids.h"

#include <cstdio>
#include <vector>

std::string FormatCalibrationExport(const uint8_t* data, size_t size)
{
    std::string text;
    text.reserve(size / 2 * 9);
    char line[16];
    for (size_t i = 0; i + 1 < size; i += 2) {
        // CR LF on every platform: the file is the same wherever it was made.
        std::snprintf(line, sizeof(line), "%3d\t%3d\r\n", data[i], data[i + 1]);
        text += line;
    }
    return text;
}

ReadoutOutcome RunCalibrationReadout(const std::string& portName)
{
    ReadoutOutcome outcome;
    OperationCourse course(portName);
    if (!course.Begin())
        return outcome;
    outcome.result = ReadoutResult::Failed;
    if (!course.IdentifyRadioAndBoard()) {
        theRadioLink.ResetRadio();
        return outcome;
    }

    // Bytes a short answer did not deliver stay zero; one byte more for the
    // zero the last request writes behind its data.
    std::vector<uint8_t> buffer(static_cast<size_t>(CAL_DATA_SIZE) + 1, 0);
    IOperationHost& host = OperationHost();
    host.BeginProgress(CAL_DATA_SIZE);
    bool failed = false;
    bool stopped = false;
    for (int offset = 0, remaining = CAL_DATA_SIZE; remaining > 0;
         offset += CAL_BLOCK_SIZE, remaining -= CAL_BLOCK_SIZE) {
        // A stop takes effect between requests, never in the middle of one.
        if (StopRequested()) {
            stopped = true;
            break;
        }
        const int size = offset + CAL_BLOCK_SIZE > CAL_DATA_SIZE ? remaining : CAL_BLOCK_SIZE;
        host.SetProgress(offset, FormatString(IDS_PROGRESS_BYTES, offset, CAL_DATA_SIZE));
        if (!theRadioLink.ReadBoard(static_cast<uint16_t>(CAL_DATA_START + offset), size, buffer.data() + offset,
                                    buffer.size() - static_cast<size_t>(offset), nullptr)) {
            failed = true;
            break;
        }
        outcome.bytesRead = offset + size;
    }
    host.EndProgress();

    if (stopped) {
        theRadioLink.ResetRadio();
        theRadioLink.m_nStatus = LINK_OK;
        outcome.result = ReadoutResult::Stopped;
        return outcome;
    }
    if (failed) {
        theRadioLink.ResetRadio();
        theRadioLink.m_nStatus = LINK_OK;
        return outcome;
    }
    if (!theRadioLink.ResetRadio())
        return outcome;

    std::string path;
    if (!host.ChooseCalibrationExportFile(path)) {
        outcome.result = ReadoutResult::Cancelled;
        return outcome;
    }
    // Written beside the chosen name and moved into place only when complete,
    // so a failure never leaves a truncated export under that name.
    const std::string text = FormatCalibrationExport(buffer.data(), CAL_DATA_SIZE);
    if (!ReplaceFileContents(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
        ShowStatusMessage(MSG_ERROR, IDS_CALFILE_WRITE_FAILED);
        return outcome;
    }
    outcome.result = ReadoutResult::Exported;
    outcome.path = path;
    return outcome;
}
