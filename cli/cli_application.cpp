#include "cli/cli_application.h"

#include "cli/job_sheet_output.h"

#include <QGuiApplication>

namespace {

QtMessageHandler g_previous = nullptr;

// What the GUI platform says of itself while it starts (a runtime folder it
// made up, say) is no concern of a terminal's user; failures still reach them.
void QuietPlatformStart(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        g_previous(type, context, message);
}

std::unique_ptr<QCoreApplication> GuiApplication(int& argc, char** argv)
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    // Only for making the application: a program the tool starts afterwards
    // finds the environment as it was.
    const bool offscreen = qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY")
                           && qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY");
    if (offscreen)
        qputenv("QT_QPA_PLATFORM", "offscreen");
    // The arguments are the command's (DecodeArguments reads them from argv):
    // the GUI application is given none of them to take its own options from.
    (void)argc;
    static int guiArgc = 1;
    static char* guiArgv[] = { argv[0], nullptr };
    std::unique_ptr<QCoreApplication> app = std::make_unique<QGuiApplication>(guiArgc, guiArgv);
    if (offscreen)
        qunsetenv("QT_QPA_PLATFORM");
    return app;
#else
    // Windows hands QCoreApplication::arguments() the command line whole.
    return std::make_unique<QGuiApplication>(argc, argv);
#endif
}

} // namespace

std::unique_ptr<QCoreApplication> MakeCliApplication(int& argc, char** argv)
{
    if (!AsksForJobSheet(argc, argv))
        return std::make_unique<QCoreApplication>(argc, argv);
    g_previous = qInstallMessageHandler(QuietPlatformStart);
    std::unique_ptr<QCoreApplication> app = GuiApplication(argc, argv);
    qInstallMessageHandler(g_previous);
    return app;
}
