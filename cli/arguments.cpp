#include "cli/arguments.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

namespace {

// U+F780..U+F7FF stand for the bytes 0x80..0xFF that were not UTF-8.
constexpr char32_t RAW_BYTE_BASE = 0xF700;

// The length of the valid UTF-8 sequence at `s` (at most `left` bytes), or 0.
size_t Utf8Sequence(const unsigned char* s, size_t left)
{
    size_t length = 0;
    char32_t code = 0;
    if (s[0] < 0x80)
        return 1;
    if ((s[0] & 0xE0) == 0xC0) {
        length = 2;
        code = s[0] & 0x1F;
    } else if ((s[0] & 0xF0) == 0xE0) {
        length = 3;
        code = s[0] & 0x0F;
    } else if ((s[0] & 0xF8) == 0xF0) {
        length = 4;
        code = s[0] & 0x07;
    } else {
        return 0;
    }
    if (length > left)
        return 0;
    for (size_t i = 1; i < length; ++i) {
        if ((s[i] & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (s[i] & 0x3F);
    }
    const char32_t smallest[] = { 0, 0, 0x80, 0x800, 0x10000 };
    if (code < smallest[length] || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

QStringList DecodeArguments(int argc, char** argv)
{
#ifdef _WIN32
    // Windows hands the program its arguments as UTF-16 already.
    (void)argc, (void)argv;
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i) {
        const auto* bytes = reinterpret_cast<const unsigned char*>(argv[i]);
        const size_t size = std::strlen(argv[i]);
        QString argument;
        for (size_t at = 0; at < size;) {
            const size_t length = Utf8Sequence(bytes + at, size - at);
            if (length == 0) {
                argument += QString::fromUcs4(std::u32string(1, RAW_BYTE_BASE + bytes[at]).data(), 1);
                ++at;
            } else {
                argument += QString::fromUtf8(reinterpret_cast<const char*>(bytes + at), static_cast<qsizetype>(length));
                at += length;
            }
        }
        arguments.push_back(argument);
    }
    return arguments;
#endif
}

std::string ArgumentBytes(const QString& argument)
{
#ifdef _WIN32
    return QFile::encodeName(argument).toStdString();
#else
    std::string bytes;
    for (const char32_t code : argument.toStdU32String()) {
        if (code >= RAW_BYTE_BASE + 0x80 && code <= RAW_BYTE_BASE + 0xFF) {
            bytes += static_cast<char>(code - RAW_BYTE_BASE);
            continue;
        }
        bytes += QString::fromUcs4(&code, 1).toUtf8().toStdString();
    }
    return bytes;
#endif
}
