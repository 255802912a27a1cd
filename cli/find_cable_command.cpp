// find-cable: Options > Configuration's Find Cable for a terminal. Asks for the
// programming cable to be unplugged and plugged in again while it watches the
// serial devices; the device that went and came is the cable, kept for the port
// by its stable name as the GUI keeps it.
#include "cli/commands.h"

#include "cli/standard_output.h"
#include "app/settings.h"
#include "link/cable_finder.h"
#include "link/serial_devices.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"
#include "seams/stop_request.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

#include <cstdio>

namespace {

// How often the devices are looked at, as the GUI's dialog does.
constexpr int LOOK_EVERY_MS = 250;

std::string DeviceLine(const SerialDevice& device)
{
    return FormatString(IDS_CONFIG_FOUND_ITEM, VisibleText(DeviceDescription(device)).c_str(),
                        VisibleText(device.path).c_str());
}

} // namespace

int CommandFindCable(const CliOptions& options)
{
    const std::vector<CableId> extraCables = StoredCableIds();
    OperationContext& context = *options.context;
    CableFinder finder(ListSerialDevices(extraCables), context.clock);
    ShowStatusText(context, MSG_INFO, IDS_FIND_CABLE_UNPLUG, LoadString(IDS_FIND_CABLE_UNPLUG));
    CableFinder::Stage stage = finder.CurrentStage();
    while (stage != CableFinder::Stage::Found) {
        context.WaitUntil(context.NowMs() + LOOK_EVERY_MS);
        if (context.StopRequested()) {
            std::fprintf(stderr, "%s\n", LoadString(IDS_CLI_FIND_CABLE_STOPPED).c_str());
            return 1;
        }
        const CableFinder::Stage before = stage;
        stage = finder.Feed(ListSerialDevices(extraCables));
        if (stage == CableFinder::Stage::WaitingForPlug && before != stage)
            ShowStatusText(context, MSG_INFO, IDS_FIND_CABLE_PLUG,
                           FormatString(IDS_FIND_CABLE_PLUG, DeviceLine(finder.Unplugged()).c_str()));
    }
    const SerialDevice& cable = finder.Cable();
    StorePortDevice(options.portName, cable.PathToKeep());
    std::fprintf(stdout, "%s\n",
                 FormatString(IDS_CLI_FIND_CABLE_FOUND, options.portName.c_str(), VisibleText(cable.PathToKeep()).c_str(),
                              VisibleText(DeviceDescription(cable)).c_str())
                     .c_str());
    FlushOutput(stdout);
    return 0;
}

// How the command line knows find-cable (cli/command_list.cpp).
extern const CliCommand FIND_CABLE_COMMAND = {
    "find-cable", "find-cable",
    QT_TRANSLATE_NOOP("Cli", "find the programming cable: unplug it and plug it in again\n"
                             "when asked; the port (--port, default: the configured one)\n"
                             "then stands for it, kept by its stable path"),
    0, 0, CLI_USES_PORT, &CommandFindCable,
};
