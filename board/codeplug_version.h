// The codeplug version a board reports at 0x0050: its text, and whether this
// program handles it.
#pragma once

#include <cstdint>
#include <string>

constexpr uint16_t CODEPLUG_VERSION_ADDRESS = 0x0050;
constexpr int CODEPLUG_VERSION_TEXT_SIZE = 16;

// One two-character version field as a decimal number: leading blanks and a sign
// are accepted, conversion stops at the first non-digit, no digits give 0.
int32_t ParseVersionField(const char* field);

// Major from characters 0-1 and minor from characters 3-4 of a version text.
void ParseCodeplugVersion(const char* text, int32_t& major, int32_t& minor);

// Whether a board's major version is one this program can handle.
bool IsSupportedBoardMajor(int32_t major);

// The "not supported" message for a version, with the supported version beside it.
std::string CodeplugVersionMessage(int32_t major, int32_t minor);
