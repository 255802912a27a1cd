#include "frontend/byte_text.h"

#include "frontend/utf8_bytes.h"

#include <QFile>

QString TextOfBytes(const std::string& bytes)
{
#ifdef _WIN32
    // Paths on Windows are text already.
    return QFile::decodeName(bytes.c_str());
#else
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    QString text;
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = Utf8SequenceLength(data + at, bytes.size() - at);
        if (length == 0) {
            const char32_t code = RAW_BYTE_BASE + data[at];
            text += QString::fromUcs4(&code, 1);
            ++at;
        } else {
            text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return text;
#endif
}

std::string BytesOfText(const QString& text)
{
#ifdef _WIN32
    return QFile::encodeName(text).toStdString();
#else
    std::string bytes;
    for (const char32_t code : text.toStdU32String()) {
        if (code >= RAW_BYTE_BASE + 0x80 && code <= RAW_BYTE_BASE + 0xFF)
            bytes += static_cast<char>(code - RAW_BYTE_BASE);
        else
            bytes += QString::fromUcs4(&code, 1).toUtf8().toStdString();
    }
    return bytes;
#endif
}
