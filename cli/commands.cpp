#include "cli/commands.h"

#include "board/option_board_data.h"
#include "board/settings_table.h"
#include "link/port_probe.h"
#include "link/string_table.h"
#include "operations/calibration_operation.h"
#include "operations/info_operation.h"
#include "operations/read_operation.h"
#include "operations/readout_operation.h"
#include "operations/write_operation.h"
#include "operations/stop_request.h"
#include "resources/string_ids.h"

namespace {

// A command that did not succeed: said to have been stopped when it was.
int Failed()
{
    if (StopRequested()) {
        std::fprintf(stderr, "%s\n", LoadString(IDS_STOPPED).c_str());
        std::fflush(stderr);
    }
    return 1;
}

} // namespace

int CommandRead(const std::string& portName, const std::string& file)
{
    if (!RunReadOperation(portName, nullptr).loaded)
        return Failed();
    return theOptionBoardData.SaveToFile(file) ? 0 : 1;
}

int CommandWrite(const std::string& portName, const std::string& file)
{
    // A file that does not load never gets near the port.
    if (!theOptionBoardData.LoadFromFile(file))
        return 1;
    return RunWriteOperation(portName, nullptr).written ? 0 : Failed();
}

int CommandInfo(const std::string& portName, std::FILE* out)
{
    const BoardInfo info = RunInfoOperation(portName);
    if (!info.show)
        return Failed();
    const struct {
        int labelId;
        const std::string& text;
    } fields[] = {
        { IDS_LABEL_BOARD_TYPE, info.type },
        { IDS_LABEL_HARDWARE_REVISION, info.hardware },
        { IDS_LABEL_SOFTWARE_VERSION, info.software },
        { IDS_LABEL_CODEPLUG_VERSION, info.codeplug },
    };
    for (const auto& field : fields)
        std::fprintf(out, "%s: %s\n", LoadString(field.labelId).c_str(), field.text.c_str());
    std::fprintf(out, "%s\n%s\n", LoadString(IDS_LABEL_VENDOR_REMARKS).c_str(), info.remarks.c_str());
    std::fflush(out);
    return 0;
}

int CommandCalibrate(const std::string& portName)
{
    return RunCalibrationOperation(portName) ? 0 : Failed();
}

int CommandReadCalibration(const std::string& portName, std::FILE* out)
{
    const ReadoutOutcome outcome = RunCalibrationReadout(portName);
    if (outcome.result == ReadoutResult::Stopped) {
        std::fprintf(stderr, "%s\n", FormatString(IDS_READOUT_STOPPED, outcome.bytesRead, CAL_DATA_SIZE).c_str());
        return 1;
    }
    if (outcome.result != ReadoutResult::Exported)
        return Failed();
    std::fprintf(out, "%s\n", FormatString(IDS_CLI_EXPORTED, outcome.path.c_str()).c_str());
    std::fflush(out);
    return 0;
}

int CommandShow(const std::string& file, std::FILE* out)
{
    if (!theOptionBoardData.LoadFromFile(file))
        return 1;
    const COptionBoardData& r = theOptionBoardData;
    std::fprintf(out, "%s: %02d.%02d\n", LoadString(IDS_LABEL_CODEPLUG_VERSION).c_str(), codeplugMajor, codeplugMinor);
    std::fprintf(out, "%s: %d (0x%04X)\n", LoadString(IDS_CLI_CHECKSUM).c_str(), r.checksum, r.checksum);
    for (const SettingRow& row : SETTINGS) {
        std::fprintf(out, "%s%s: %s\n", row.owner >= 0 ? "  " : "", LoadString(row.labelId).c_str(),
                     SettingValueText(row, SettingValue(r, row), false).c_str());
    }
    std::fflush(out);
    return 0;
}

int CommandPorts(std::FILE* out)
{
    const std::vector<ProbedPort> ports = ProbePorts();
    if (ports.empty())
        std::fprintf(out, "%s\n", LoadString(IDS_CLI_NO_PORTS).c_str());
    for (const ProbedPort& port : ports)
        std::fprintf(out, "%s\t%s\n", port.name.c_str(), port.device.c_str());
    std::fflush(out);
    return 0;
}
