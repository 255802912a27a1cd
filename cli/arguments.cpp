#include "cli/arguments.h"

#include "cli/utf8_bytes.h"

#include <QCoreApplication>
#include <QFile>

#include <cstring>

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
            const size_t length = Utf8SequenceLength(bytes + at, size - at);
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
