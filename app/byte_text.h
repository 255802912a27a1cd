// Bytes as Qt text and back, without loss: a device path or file name on POSIX
// need not be UTF-8. Valid UTF-8 becomes its characters; every other byte
// becomes the private-use code point that stands for it (app/utf8_bytes.h),
// so the text goes through a parser, a settings file or an edit field and comes
// back as the same bytes.
#pragma once

#include <QString>

#include <string>

// A path or file name: on Windows the system's own conversion, elsewhere the mapping below.
QString TextOfBytes(const std::string& bytes);
std::string BytesOfText(const QString& text);

// Bytes from the radio, the board or the system on every platform (the service
// history keeps them so, as the JSON output writes them): the mapping itself.
QString MappedText(const std::string& bytes);
std::string MappedBytes(const QString& text);
