// Bytes that may or may not be UTF-8 (a file name on POSIX, a text from the
// radio): where each valid UTF-8 sequence ends, and the code points that stand
// for the bytes that are not part of one. The command line carries such bytes
// through the parser as those code points, the settings keep device paths so,
// and the JSON output writes them so, so that a name taken from a document and
// given back as an argument is the same bytes again.
#pragma once

#include <cstddef>

// U+F780..U+F7FF (private use) stand for the bytes 0x80..0xFF that were not UTF-8.
constexpr char32_t RAW_BYTE_BASE = 0xF700;

// The length of the valid UTF-8 sequence at `s` (at most `left` bytes, left > 0),
// or 0 when the byte there starts none: a stray continuation byte, an overlong
// form, a surrogate or a sequence cut short.
size_t Utf8SequenceLength(const unsigned char* s, size_t left);
