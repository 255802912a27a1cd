// The command line as text. File names are bytes on POSIX and need not be UTF-8;
// the parser works on text, so each argument is decoded as app/byte_text.h
// does, and BytesOfText gives back the bytes an argument came from.
#pragma once

#include <QStringList>

QStringList DecodeArguments(int argc, char** argv);
