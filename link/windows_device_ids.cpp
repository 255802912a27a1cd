#include "link/windows_device_ids.h"

#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <cctype>
#include <cstdlib>

namespace {

// The four hex digits after `tag` ("VID_", "PID_"), case ignored; false when there are none.
bool HexAfter(const std::string& text, const char* tag, uint16_t& value, size_t& end)
{
    std::string upper = text;
    for (char& c : upper)
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const size_t at = upper.find(tag);
    if (at == std::string::npos || at + 4 + 4 > upper.size())
        return false;
    const std::string digits = upper.substr(at + 4, 4);
    for (char c : digits) {
        if (!std::isxdigit(static_cast<unsigned char>(c)))
            return false;
    }
    value = static_cast<uint16_t>(std::strtoul(digits.c_str(), nullptr, 16));
    end = at + 8;
    return true;
}

} // namespace

bool ParseUsbInstanceId(const std::string& instanceId, uint16_t& vendorId, uint16_t& productId, std::string& serialNumber)
{
    size_t afterVendor = 0;
    size_t afterProduct = 0;
    if (!HexAfter(instanceId, "VID_", vendorId, afterVendor) || !HexAfter(instanceId, "PID_", productId, afterProduct))
        return false;
    serialNumber.clear();
    if (afterProduct < instanceId.size() && instanceId[afterProduct] == '+') {
        // The vendor's bus: the serial number and the chip's port letter, up to the next part.
        const size_t end = instanceId.find('\\', afterProduct);
        serialNumber = instanceId.substr(afterProduct + 1, end == std::string::npos ? std::string::npos : end - afterProduct - 1);
        if (serialNumber.size() > 1 && serialNumber.back() >= 'A' && serialNumber.back() <= 'D')
            serialNumber.pop_back();
    } else {
        // USB\VID_xxxx&PID_xxxx[&MI_nn]\SERIAL: the last part, unless Windows made it up.
        const size_t slash = instanceId.find('\\', afterProduct);
        if (slash != std::string::npos)
            serialNumber = instanceId.substr(slash + 1);
        if (serialNumber.find('&') != std::string::npos || serialNumber.find('\\') != std::string::npos)
            serialNumber.clear();
    }
    return true;
}

std::string DeviceProblemText(uint32_t problem)
{
    switch (problem) {
    case 0:
        return std::string();
    case DEVICE_PROBLEM_FAILED_START:
        return LoadString(IDS_DEVICE_PROBLEM_FAILED_START);
    case DEVICE_PROBLEM_NO_DRIVER:
        return LoadString(IDS_DEVICE_PROBLEM_NO_DRIVER);
    case DEVICE_PROBLEM_DISABLED:
        return LoadString(IDS_DEVICE_PROBLEM_DISABLED);
    default:
        return FormatString(IDS_DEVICE_PROBLEM_OTHER, static_cast<int>(problem));
    }
}
