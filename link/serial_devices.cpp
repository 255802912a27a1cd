#include "link/serial_devices.h"

#include "link/windows_device_ids.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <cstdlib>

namespace {

// Chips found in radio programming cables: FTDI, Prolific, Silicon Labs CP210x,
// WCH CH340/CH341 (any of the vendor's products).
constexpr CableId KNOWN_CABLES[] = { { 0x0403, 0 }, { 0x067b, 0 }, { 0x10c4, 0 }, { 0x1a86, 0 } };

bool ParseHex16(const std::string& text, uint16_t& value)
{
    if (text.empty() || text.size() > 4)
        return false;
    char* end = nullptr;
    const unsigned long parsed = std::strtoul(text.c_str(), &end, 16);
    if (*end != '\0' || !std::isxdigit(static_cast<unsigned char>(text[0])))
        return false;
    value = static_cast<uint16_t>(parsed);
    return true;
}

bool Matches(const std::vector<CableId>& ids, const SerialDevice& device)
{
    return std::any_of(ids.begin(), ids.end(), [&](const CableId& id) {
        return id.vendor == device.vendorId && (id.product == 0 || id.product == device.productId);
    });
}

} // namespace

bool ParseCableIds(const std::string& text, std::vector<CableId>& ids)
{
    std::vector<CableId> parsed;
    size_t at = 0;
    while (at <= text.size()) {
        size_t end = text.find(',', at);
        if (end == std::string::npos)
            end = text.size();
        std::string part = text.substr(at, end - at);
        part.erase(0, part.find_first_not_of(" \t"));
        part.erase(part.find_last_not_of(" \t") + 1);
        if (!part.empty()) {
            CableId id;
            const size_t colon = part.find(':');
            if (!ParseHex16(part.substr(0, colon), id.vendor))
                return false;
            if (colon != std::string::npos && !ParseHex16(part.substr(colon + 1), id.product))
                return false;
            parsed.push_back(id);
        }
        at = end + 1;
    }
    ids = parsed;
    return true;
}

void SortSerialDevices(std::vector<SerialDevice>& devices, const std::vector<CableId>& extraCables)
{
    const std::vector<CableId> known(std::begin(KNOWN_CABLES), std::end(KNOWN_CABLES));
    for (SerialDevice& device : devices) {
        device.knownCable = (device.usb && (Matches(known, device) || Matches(extraCables, device)))
                         || device.driver == "cdc_acm" || device.driver == "usbser";
    }
    const auto rank = [](const SerialDevice& device) { return device.knownCable ? 0 : device.usb ? 1 : 2; };
    std::stable_sort(devices.begin(), devices.end(), [&](const SerialDevice& a, const SerialDevice& b) {
        if (rank(a) != rank(b))
            return rank(a) < rank(b);
        // ttyUSB2 before ttyUSB10.
        if (a.name.size() != b.name.size())
            return a.name.size() < b.name.size();
        return a.name < b.name;
    });
}

std::string DeviceDescription(const SerialDevice& device)
{
    std::string text = device.manufacturer;
    if (!device.product.empty())
        text += (text.empty() ? "" : " ") + device.product;
    if (device.usb) {
        char ids[16];
        std::snprintf(ids, sizeof(ids), "%04x:%04x", device.vendorId, device.productId);
        std::string details = ids;
        if (!device.serialNumber.empty())
            details += ", serial " + device.serialNumber;
        text += (text.empty() ? "USB serial adapter (" : " (") + details + ")";
    }
    if (text.empty())
        text = device.driver.empty() ? std::string("serial port") : device.driver;
    if (device.problem != 0)
        text += " - " + DeviceProblemText(device.problem);
    return text;
}
