// vigilon-oss: the service tool's main window.
#include "frontend/language.h"
#include "ui/shell/vigilon_oss_app.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    QApplication::setOrganizationName(QStringLiteral("Ardentec"));
    QApplication::setApplicationName(QStringLiteral("Vigilon OSS"));
    InstallLanguage(ChooseLanguage(QString()));
    CVigilonOssApp app;
    if (!app.InitInstance(QApplication::arguments()))
        return 1;
    const int status = application.exec();
    app.ExitInstance();
    return status;
}
