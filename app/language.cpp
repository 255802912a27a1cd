#include "app/language.h"

#include "app/settings.h"
#include "seams/string_table.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStringList>
#include <QTranslator>

#include <clocale>

namespace {

QString g_installed = QStringLiteral("en");

std::string TranslateStringTable(const char* english)
{
    return QCoreApplication::translate("StringTable", english).toStdString();
}

bool Speaks(const QString& code)
{
    for (const ProgramLanguage& language : ProgramLanguages()) {
        if (language.code == code)
            return true;
    }
    return false;
}

} // namespace

QList<ProgramLanguage> ProgramLanguages()
{
    return {
        { QStringLiteral("en"), QStringLiteral("English") },
        { QStringLiteral("de"), QStringLiteral("Deutsch") },
        { QStringLiteral("fr"), QStringLiteral("Français") },
        { QStringLiteral("es"), QStringLiteral("Español") },
    };
}

QString LanguageFor(const QString& request)
{
    for (const QString& entry : request.split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        // "de_DE.UTF-8@euro" and "de-DE" alike come down to "de".
        const QString code = entry.section(QLatin1Char('.'), 0, 0)
                                 .section(QLatin1Char('@'), 0, 0)
                                 .section(QLatin1Char('_'), 0, 0)
                                 .section(QLatin1Char('-'), 0, 0)
                                 .toLower();
        if (Speaks(code))
            return code;
    }
    return QString();
}

QString ChooseLanguage(const QString& request)
{
    QString code = LanguageFor(request);
    if (code.isEmpty())
        code = LanguageFor(StoredLanguage());
    return code.isEmpty() ? ChooseLanguageOfSystem() : code;
}

QString ChooseLanguageOfSystem()
{
    const QString code = LanguageFor(QLocale::system().uiLanguages().join(QLatin1Char(':')));
    return code.isEmpty() ? QStringLiteral("en") : code;
}

QString StoredLanguage()
{
    QSettings settings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION));
    return settings.value(QStringLiteral("Options/Language")).toString();
}

void StoreLanguage(const QString& code)
{
    QSettings settings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION));
    if (code.isEmpty())
        settings.remove(QStringLiteral("Options/Language"));
    else
        settings.setValue(QStringLiteral("Options/Language"), code);
}

void InstallLanguage(const QString& code)
{
    // The application object sets the C library's locale from the environment;
    // data files, reports and the trace are written and read with '.' decimals.
    std::setlocale(LC_NUMERIC, "C");
    if (code == QLatin1String("en") || !Speaks(code))
        return;
    QTranslator* ours = new QTranslator(QCoreApplication::instance());
    if (!ours->load(QStringLiteral(":/i18n/vigilon_%1.qm").arg(code))) {
        delete ours;
        return;
    }
    QCoreApplication::installTranslator(ours);
    // Qt's own texts (its standard buttons) come with ours: a program built with a static
    // Qt would look for them in the build machine's folders.
    QTranslator* qt = new QTranslator(QCoreApplication::instance());
    if (qt->load(QStringLiteral(":/i18n/qtbase_%1.qm").arg(code)))
        QCoreApplication::installTranslator(qt);
    else
        delete qt;
    SetStringTranslator(&TranslateStringTable);
    g_installed = code;
}

QString InstalledLanguage()
{
    return g_installed;
}
