#include "cli/arguments.h"

#include "frontend/utf8_bytes.h"

#include <QCoreApplication>
#include <QFile>

QStringList DecodeArguments(int argc, char** argv)
{
#ifdef _WIN32
    // Windows hands the program its arguments as UTF-16 already.
    (void)argc, (void)argv;
    return QCoreApplication::arguments();
#else
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.push_back(TextFromBytes(argv[i]));
    return arguments;
#endif
}

std::string ArgumentBytes(const QString& argument)
{
#ifdef _WIN32
    return QFile::encodeName(argument).toStdString();
#else
    return BytesFromText(argument);
#endif
}
