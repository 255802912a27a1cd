#include "operations/readout_operation.h"

#include "storage/file_access.h"
#include "link/radio_link.h"
#include "operations/operation_course.h"
#include "resources/string_ids.h"
#include "seams/operation_host.h"
#include "seams/status_message.h"
#include "seams/string_table.h"

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

ReadoutOutcome RunCalibrationReadout(CRadioLink& link, const std::string& portName, const KeepReadout& keep)
{
    ReadoutOutcome outcome;
    OperationCourse course(link, portName, "read-out", outcome.record);
    if (!course.Begin())
        return outcome;
    outcome.result = ReadoutResult::Failed;
    if (!course.IdentifyRadioAndBoard()) {
        course.Fail();
        return outcome;
    }

    // One byte more for the zero the last request writes behind its data.
    std::vector<uint8_t> buffer(static_cast<size_t>(CAL_DATA_SIZE) + 1, 0);
    OperationContext& context = link.Context();
    IOperationHost& host = *context.host;
    host.BeginProgress(CAL_DATA_SIZE);
    bool failed = false;
    bool stopped = false;
    for (int offset = 0, remaining = CAL_DATA_SIZE; remaining > 0;
         offset += CAL_BLOCK_SIZE, remaining -= CAL_BLOCK_SIZE) {
        // A stop takes effect between requests, never in the middle of one.
        if (context.StopRequested()) {
            stopped = true;
            break;
        }
        const int size = offset + CAL_BLOCK_SIZE > CAL_DATA_SIZE ? remaining : CAL_BLOCK_SIZE;
        host.SetProgress(offset, FormatString(IDS_PROGRESS_BYTES, offset, CAL_DATA_SIZE));
        const uint16_t address = static_cast<uint16_t>(CAL_DATA_START + offset);
        int received = -1;
        if (!link.ReadBoardWhole(address, size, buffer.data() + offset,
                                         buffer.size() - static_cast<size_t>(offset), received)) {
            // Missing bytes would pass for data in the export: the read-out fails.
            if (received >= 0 && received < size)
                ShowStatusText(context, MSG_ERROR, IDS_READOUT_SHORT, FormatString(IDS_READOUT_SHORT, address, received, size));
            failed = true;
            break;
        }
        outcome.bytesRead = offset + size;
    }
    host.EndProgress();

    if (stopped) {
        course.Stop();
        outcome.result = ReadoutResult::Stopped;
        return outcome;
    }
    if (failed) {
        course.Fail(); // the failed request has said why
        link.m_nStatus = LINK_OK;
        return outcome;
    }
    // The data are kept before anything else can go wrong: the reset, the save
    // dialog, the save itself or a stop.
    const std::string text = FormatCalibrationExport(buffer.data(), CAL_DATA_SIZE);
    std::string keepError;
    if (keep)
        outcome.keptPath = keep(text, keepError);
    outcome.record.keptFile = outcome.keptPath;
    const bool reset = course.ReleaseRadio();
    if (keep && outcome.keptPath.empty())
        ShowStatusText(context, MSG_WARNING, IDS_CAL_BACKUP_FAILED, FormatString(IDS_CAL_BACKUP_FAILED, keepError.c_str()));
    if (!reset)
        return outcome;
    if (context.StopRequested()) {
        outcome.result = ReadoutResult::Stopped;
        course.NoteResult("stopped");
        return outcome;
    }

    std::string path;
    if (!host.ChooseCalibrationExportFile(path)) {
        outcome.result = ReadoutResult::Cancelled;
        course.NoteResult("read; the save was cancelled");
        return outcome;
    }
    // Written beside the chosen name and moved into place only when complete,
    // so a failure never leaves a truncated export under that name.
    if (!ReplaceFileContents(path, reinterpret_cast<const uint8_t*>(text.data()), text.size())) {
        ShowStatusMessage(context, MSG_ERROR, IDS_CALFILE_WRITE_FAILED);
        return outcome;
    }
    outcome.result = ReadoutResult::Exported;
    course.NoteResult("succeeded");
    outcome.path = path;
    return outcome;
}
