#include "frontend/byte_text.h"

#include "frontend/utf8_bytes.h"

#include <QFile>

QString MappedText(const std::string& bytes)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    // Empty, never null: a database takes a null text for no value at all.
    QString text = QString::fromUtf8("", 0);
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
}

std::string MappedBytes(const QString& text)
{
    std::string bytes;
    for (const char32_t code : text.toStdU32String()) {
        if (code >= RAW_BYTE_BASE + 0x80 && code <= RAW_BYTE_BASE + 0xFF)
            bytes += static_cast<char>(code - RAW_BYTE_BASE);
        else
            bytes += QString::fromUcs4(&code, 1).toUtf8().toStdString();
    }
    return bytes;
}

QString TextOfBytes(const std::string& bytes)
{
#ifdef _WIN32
    // Paths on Windows are text already.
    return QFile::decodeName(bytes.c_str());
#else
    return MappedText(bytes);
#endif
}

std::string BytesOfText(const QString& text)
{
#ifdef _WIN32
    return QFile::encodeName(text).toStdString();
#else
    return MappedBytes(text);
#endif
}
