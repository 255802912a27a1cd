#include "link/device_listing.h"

#include "link/port_name.h"
#include "link/port_resolver.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "seams/visible_text.h"

std::vector<std::string> PortsFor(IPortResolver* resolver, const SerialDevice& device)
{
    std::vector<std::string> ports;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const std::string name = PortNameForIndex(index);
        const std::string resolved = ResolvePort(resolver, name);
        if (resolved == device.path || (!device.stablePath.empty() && resolved == device.stablePath))
            ports.push_back(name);
    }
    return ports;
}

int DeviceKindId(const SerialDevice& device)
{
    return device.knownCable ? IDS_DEVICE_KIND_CABLE : device.usb ? IDS_DEVICE_KIND_USB : IDS_DEVICE_KIND_SERIAL;
}

std::string DeviceListingLine(IPortResolver* resolver, const SerialDevice& device)
{
    std::string ports;
    for (const std::string& port : PortsFor(resolver, device))
        ports += (ports.empty() ? "" : ",") + port;
    // Texts from the device may hold anything: shown, they must not act on the terminal.
    return VisibleText(device.path) + '\t' + (device.stablePath.empty() ? "-" : VisibleText(device.stablePath)) + '\t'
        + (ports.empty() ? "-" : ports) + '\t' + LoadEnglishString(DeviceKindId(device)) + '\t'
        + VisibleText(DeviceDescription(device));
}
