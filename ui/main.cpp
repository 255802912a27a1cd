// vigilon-oss: the service tool's main window.
#include "app/language.h"
#include "ui/shell/vigilon_oss_app.h"

#include <QApplication>
#include <QFontDatabase>
#include <QFontInfo>

namespace {

// Windows names its dialog font by an alias ("MS Shell Dlg"); where the font
// database has nothing behind it (Wine, for one) Qt draws in a serif fallback.
// A plain sans face of the system's takes its place then.
void KeepTheDefaultFontPlain()
{
#ifdef Q_OS_WIN
    QFont font = QApplication::font();
    if (QFontInfo(font).family().compare(font.family(), Qt::CaseInsensitive) == 0)
        return;
    const QStringList families = QFontDatabase::families();
    for (const QString& plain : { QStringLiteral("Segoe UI"), QStringLiteral("Tahoma"), QStringLiteral("Arial"),
                                  QStringLiteral("DejaVu Sans"), QStringLiteral("Liberation Sans"),
                                  QStringLiteral("Nimbus Sans") }) {
        if (families.contains(plain, Qt::CaseInsensitive)) {
            font.setFamily(plain);
            QApplication::setFont(font);
            return;
        }
    }
#endif
}

// The windows' style animations (a button easing into its pressed look) share
// one timer, which the last of them stops by queued calls. Left undelivered when
// the event loop ends, the timer still runs when the library's thread-local
// objects go at exit, after the rest of it, and stopping it then can crash the
// program (under Wine, a box answered just before the main window closed).
void DeliverWhatTheWindowsLeftQueued()
{
    constexpr int MOST_MS = 500;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, MOST_MS);
}

} // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentec"));
    QApplication::setApplicationName(QStringLiteral("Vigilon OSS"));
    KeepTheDefaultFontPlain();
    InstallLanguage(ChooseLanguage(QString()));
    int status = 1;
    {
        CVigilonOssApp app;
        if (app.InitInstance(QApplication::arguments())) {
            status = application.exec();
            app.ExitInstance();
        }
    }
    DeliverWhatTheWindowsLeftQueued();
    return status;
}
