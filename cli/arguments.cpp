#include "cli/arguments.h"

#include "app/byte_text.h"

#include <QCoreApplication>

QStringList DecodeArguments(int argc, char** argv)
{
#ifdef _WIN32
    // Windows hands the program its arguments as UTF-16 already.
    (void)argc, (void)argv;
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(TextOfBytes(argv[i]));
    return arguments;
#endif
}
