// The command line as bytes. File names are bytes on POSIX and need not be
// UTF-8; the parser works on text, so each byte that is not part of a valid
// UTF-8 sequence is carried through it as one code point of a private range
// (frontend/utf8_bytes.h) and turned back into that byte when the argument becomes a path.
#pragma once

#include <QString>
#include <QStringList>

#include <string>

QStringList DecodeArguments(int argc, char** argv);

// The bytes an argument decoded by DecodeArguments came from.
std::string ArgumentBytes(const QString& argument);
