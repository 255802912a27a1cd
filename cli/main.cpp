// vigilon-oss-cli: the service tool's board operations from a terminal, for
// scripts and for servicing a fleet of radios.
#include "cli/cli_host.h"
#include "cli/cli_presenter.h"
#include "cli/commands.h"
#include "cli/interrupts.h"
#include "frontend/settings.h"
#include "link/status_message.h"
#include "operations/operation_course.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <unistd.h>

namespace {

const char* const USAGE =
    "usage: vigilon-oss-cli [--port COMn | --device PATH] [--yes] [--lab] COMMAND [ARGS]\n";

const char* const HELP =
    "Reads, writes and inspects the Vigilon man down option board through the radio\n"
    "on a serial port.\n"
    "\n"
    "commands:\n"
    "  read FILE       read the board's settings and save them to the data file FILE\n"
    "  write FILE      program the board with the settings of the data file FILE\n"
    "  info            show the board's type, revisions, codeplug version and remarks\n"
    "  calibrate       calibrate the accelerometer (needs --lab)\n"
    "  read-cal FILE   export the board's calibration data to FILE (needs --lab)\n"
    "  show FILE       show the settings kept in the data file FILE\n"
    "  ports           list the serial ports COM1..COM4 present, with their devices\n"
    "\n"
    "options:\n"
    "  --port COMn     the serial port (default: the port configured in the GUI)\n"
    "  --device PATH   a serial device to use directly instead of a port\n"
    "  --yes           answer yes to the confirmation questions\n"
    "  --lab           lab mode: allows calibrate and read-cal\n"
    "  --help          this text\n"
    "  --version       the program's version\n"
    "\n"
    "Exit status: 0 when the command succeeded, 1 when it failed, 2 for usage errors.\n";

int UsageError(const std::string& reason)
{
    std::fprintf(stderr, "vigilon-oss-cli: %s\n%s", reason.c_str(), USAGE);
    return 2;
}

struct CommandRow {
    const char* name;
    int arguments; // positional arguments after the command name
    bool needsLab;
    bool needsPort;
};

const CommandRow COMMANDS[] = {
    { "read", 1, false, true },      { "write", 1, false, true },  { "info", 0, false, true },
    { "calibrate", 0, true, true },  { "read-cal", 1, true, true }, { "show", 1, false, false },
    { "ports", 0, false, false },
};

bool ValidPortName(const QString& name)
{
    return name.size() == 4 && name.startsWith(QStringLiteral("COM")) && name[3] >= QLatin1Char('1')
        && name[3] <= QLatin1Char('4');
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("vigilon-oss-cli"));
    QCoreApplication::setApplicationVersion(QStringLiteral(VIGILON_VERSION));

    QCommandLineParser parser;
    parser.setOptionsAfterPositionalArgumentsMode(QCommandLineParser::ParseAsOptions);
    const QCommandLineOption portOption(QStringLiteral("port"), QString(), QStringLiteral("COMn"));
    const QCommandLineOption deviceOption(QStringLiteral("device"), QString(), QStringLiteral("PATH"));
    const QCommandLineOption yesOption(QStringLiteral("yes"));
    const QCommandLineOption labOption(QStringLiteral("lab"));
    const QCommandLineOption helpOption(QStringList{ QStringLiteral("help"), QStringLiteral("h") });
    const QCommandLineOption versionOption(QStringLiteral("version"));
    parser.addOptions({ portOption, deviceOption, yesOption, labOption, helpOption, versionOption });
    if (!parser.parse(QCoreApplication::arguments()))
        return UsageError(parser.errorText().toStdString());
    if (parser.isSet(helpOption)) {
        std::printf("%s\n%s", USAGE, HELP);
        return 0;
    }
    if (parser.isSet(versionOption)) {
        std::printf("vigilon-oss-cli %s\n", VIGILON_VERSION);
        return 0;
    }

    const QStringList positional = parser.positionalArguments();
    if (positional.isEmpty())
        return UsageError("no command given");
    const std::string name = positional[0].toStdString();
    const CommandRow* command = nullptr;
    for (const CommandRow& row : COMMANDS) {
        if (name == row.name)
            command = &row;
    }
    if (!command)
        return UsageError("unknown command '" + name + "'");
    if (positional.size() - 1 < command->arguments)
        return UsageError(name + " needs a FILE argument");
    if (positional.size() - 1 > command->arguments)
        return UsageError("too many arguments for " + name);
    if (command->needsLab && !parser.isSet(labOption))
        return UsageError(name + " is a lab-mode command: add --lab");
    if (parser.isSet(portOption) && parser.isSet(deviceOption))
        return UsageError("give --port or --device, not both");
    if (parser.isSet(portOption) && !ValidPortName(parser.value(portOption)))
        return UsageError("--port takes COM1, COM2, COM3 or COM4");
    if (parser.isSet(deviceOption) && parser.value(deviceOption).isEmpty())
        return UsageError("--device needs a path");

    SettingsPortResolver resolver;
    std::string portName;
    if (parser.isSet(deviceOption))
        portName = parser.value(deviceOption).toStdString();
    else if (parser.isSet(portOption))
        portName = parser.value(portOption).toStdString();
    else if (command->needsPort)
        portName = PortNameForIndex(StoredSerialPortIndex());
    g_bLabMode = parser.isSet(labOption);

    const std::string file = command->arguments > 0 ? positional[1].toStdString() : std::string();
    CliPresenter presenter(parser.isSet(yesOption), stdin, stdout, stderr);
    CliHost host(::isatty(STDERR_FILENO) ? stderr : nullptr, name == "read-cal" ? file : std::string());

    if (command->needsPort)
        InstallStopOnInterrupt();
    if (name == "read")
        return CommandRead(portName, file);
    if (name == "write")
        return CommandWrite(portName, file);
    if (name == "info")
        return CommandInfo(portName, stdout);
    if (name == "calibrate")
        return CommandCalibrate(portName);
    if (name == "read-cal")
        return CommandReadCalibration(portName, stdout);
    if (name == "show")
        return CommandShow(file, stdout);
    return CommandPorts(stdout);
}
