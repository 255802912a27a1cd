// What Windows' device ids and problem codes say about a serial device. Kept
// apart from the listing, which only Windows runs, so that the decoding can be
// tried anywhere.
#pragma once

#include <cstdint>
#include <string>

// The USB ids and serial number in a device instance id: "USB\VID_0403&PID_6001\A1B2C3D4",
// or a vendor's own bus, "FTDIBUS\VID_0403+PID_6001+A1B2C3D4A\0000" (the last letter
// there is the chip's port, A for the first). A serial made up by Windows (it
// holds '&') is no serial number. False when the id names no USB vendor and product.
bool ParseUsbInstanceId(const std::string& instanceId, uint16_t& vendorId, uint16_t& productId, std::string& serialNumber);

// Windows' device problem codes that a programming cable shows.
constexpr uint32_t DEVICE_PROBLEM_DISABLED = 22;      // CM_PROB_DISABLED
constexpr uint32_t DEVICE_PROBLEM_NO_DRIVER = 28;     // CM_PROB_FAILED_INSTALL
constexpr uint32_t DEVICE_PROBLEM_FAILED_START = 10;  // CM_PROB_FAILED_START

// What a user can do about a device with this problem code; empty for 0 (no problem).
std::string DeviceProblemText(uint32_t problem);
