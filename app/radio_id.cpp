#include "app/radio_id.h"

std::optional<std::string> RadioIdFromText(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::nullopt;
    const std::string id = text.substr(first, text.find_last_not_of(' ') - first + 1);
    if (id.size() > RADIO_ID_MAX_BYTES)
        return std::nullopt;
    for (const char c : id) {
        const unsigned char byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7F)
            return std::nullopt;
    }
    return id;
}
