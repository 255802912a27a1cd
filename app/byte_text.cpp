#include "app/byte_text.h"

#include "app/utf8_bytes.h"

#include <QFile>

namespace {

// The bytes as text. With `exact`, a real character of the private range is
// kept as its bytes, one by one, so that it does not come back as the single
// byte it stands for; a command-line argument instead gives such a character
// its meaning, the byte (a name taken from a JSON document opens its file).
QString Mapped(const std::string& bytes, bool exact)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    // Empty, never null: a database takes a null text for no value at all.
    QString text = QString::fromUtf8("", 0);
    for (size_t at = 0; at < bytes.size();) {
        const size_t length = Utf8SequenceLength(data + at, bytes.size() - at);
        const bool standIn
            = exact && length == 3 && data[at] == 0xEF && (data[at + 1] == 0x9E || data[at + 1] == 0x9F);
        if (length == 0 || standIn) {
            for (size_t i = 0; i < (standIn ? length : 1); ++i) {
                const char32_t code = RAW_BYTE_BASE + data[at + i];
                text += QString::fromUcs4(&code, 1);
            }
            at += standIn ? length : 1;
        } else {
            text += QString::fromUtf8(bytes.data() + at, static_cast<qsizetype>(length));
            at += length;
        }
    }
    return text;
}

} // namespace

QString MappedText(const std::string& bytes)
{
    return Mapped(bytes, true);
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
    return Mapped(bytes, false);
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
