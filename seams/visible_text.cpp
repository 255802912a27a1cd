#include "seams/visible_text.h"

namespace {

// The length of the valid UTF-8 sequence of a printable character starting at
// `at`, or 0. Overlong forms, surrogates and C1 controls (U+0080 to U+009F) are
// not printable.
size_t PrintableSequence(const std::string& text, size_t at)
{
    const auto byte = [&](size_t i) { return i < text.size() ? static_cast<unsigned char>(text[i]) : 0u; };
    const unsigned lead = byte(at);
    unsigned low = 0x80;
    unsigned high = 0xBF;
    size_t length = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        if (lead == 0xC2)
            low = 0xA0;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0)
            low = 0xA0;
        if (lead == 0xED)
            high = 0x9F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0)
            low = 0x90;
        if (lead == 0xF4)
            high = 0x8F;
    } else {
        return 0;
    }
    if (byte(at + 1) < low || byte(at + 1) > high)
        return 0;
    for (size_t i = 2; i < length; ++i) {
        if (byte(at + i) < 0x80 || byte(at + i) > 0xBF)
            return 0;
    }
    return length;
}

} // namespace

std::string VisibleText(const std::string& text, bool lines)
{
    static const char HEX[] = "0123456789abcdef";
    std::string visible;
    visible.reserve(text.size());
    for (size_t at = 0; at < text.size();) {
        const unsigned char c = static_cast<unsigned char>(text[at]);
        const bool lineBreak = lines && (c == '\n' || (c == '\r' && at + 1 < text.size() && text[at + 1] == '\n'));
        if ((c >= 0x20 && c < 0x7F) || lineBreak) {
            visible += static_cast<char>(c);
            ++at;
            continue;
        }
        const size_t length = c >= 0x80 ? PrintableSequence(text, at) : 0;
        if (length > 0) {
            visible.append(text, at, length);
            at += length;
            continue;
        }
        visible += "\\x";
        visible += HEX[c >> 4];
        visible += HEX[c & 0x0F];
        ++at;
    }
    return visible;
}
