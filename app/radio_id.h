// A radio's identity as the technician gives it: its serial number or asset
// tag, typed or scanned from its label. Every radio of a fleet answers with the
// same information text; the ID tells them apart in the service history.
#pragma once

#include <cstddef>
#include <optional>
#include <string>

constexpr size_t RADIO_ID_MAX_CHARACTERS = 64;

// The ID in `text` (UTF-8) without the spaces around it. None when nothing is
// left, when it has more than RADIO_ID_MAX_CHARACTERS characters or holds a
// control character (a label is one line of printable text; a scanner's Enter
// ends it and is no part of it).
std::optional<std::string> RadioIdFromText(const std::string& text);
