// Reading the board's codeplug version, the check that both board operations
// run before they touch the settings image.
#pragma once

#include "link/radio_link.h"

#include <cstdint>
#include <string>

// Reads the board's version text over `link` (the board already identified).
// False with major 255, minor 0 when the read fails, false when the version is
// not supported, true otherwise. `learnt`, when given, gets the version as text
// ("01.00") once the board has answered.
bool ReadCodeplugVersion(CRadioLink& link, int32_t& major, int32_t& minor, std::string* learnt = nullptr);
