#include "app/radio_id.h"

std::optional<std::string> RadioIdFromText(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string id = text.substr(first, text.find_last_not_of(' ') - first + 1);
    size_t characters = 0;
    for (size_t i = 0; i < id.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(id[i]);
        if (byte < 0x20 || byte == 0x7F)
            return std::nullopt;
        // U+0080..U+009F, the second set of control characters, in UTF-8.
        if (byte == 0xC2 && i + 1 < id.size() && static_cast<unsigned char>(id[i + 1]) < 0xA0)
            return std::nullopt;
        if ((byte & 0xC0) != 0x80)
            ++characters;
    }
    if (characters > RADIO_ID_MAX_CHARACTERS)
        return std::nullopt;
    return id;
}
