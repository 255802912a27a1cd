// The translations: every file complete, each text's fields kept, every help
// page translated with its links and anchors, the command line's help command
// by command, and the program speaking the language chosen, never with a
// translation's wrong fields.
#include "cli/command_list.h"
#include "app/language.h"
#include "resources/command_table.h"
#include "resources/dialog_templates.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>
#include <QTranslator>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

#include <map>
#include <vector>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "unfinished", "obsolete", "vanished" or empty
};

std::vector<Message> ReadTs(const QString& path)
{
    std::vector<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name"))
            context = xml.readElementText();
        else if (xml.name() == QLatin1String("message"))
            message = Message{ context, {}, {}, {} };
        else if (xml.name() == QLatin1String("source"))
            message.source = xml.readElementText();
        else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText();
            messages.push_back(message);
        }
    }
    EXPECT_FALSE(xml.hasError()) << path.toStdString() << ": " << xml.errorString().toStdString();
    return messages;
}

// The fields a text is filled with: printf's in order, Qt's %1.. as a set.
QStringList Fields(const QString& text)
{
    static const QRegularExpression printf(QStringLiteral("%[-+ #0]*\\d*(?:\\.\\d+)?(?:ll|l|h|z)?[diouxXfFeEgGcsp]"));
    static const QRegularExpression qt(QStringLiteral("%\\d+"));
    QStringList fields;
    const QString plain = QString(text).replace(QStringLiteral("%%"), QString());
    for (const QRegularExpressionMatch& match : printf.globalMatch(plain))
        fields.append(match.captured());
    QStringList numbered;
    for (const QRegularExpressionMatch& match : qt.globalMatch(plain))
        numbered.append(match.captured());
    numbered.sort();
    return fields + numbered;
}

bool HasMnemonic(const QString& text)
{
    return QString(text).remove(QStringLiteral("&&")).contains(QLatin1Char('&'));
}

class Translations : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        static int argc = 1;
        static char name[] = "translations_test";
        static char* argv[] = { name, nullptr };
        static QCoreApplication application(argc, argv);
    }
};

// Every text the program translates, as "context|text".
QSet<QString> ProgramTexts()
{
    QSet<QString> texts;
    for (int id : StringTableIds())
        texts.insert(QStringLiteral("StringTable|") + QString::fromStdString(LoadEnglishString(id)));
    for (int row = 0; row < MAIN_MENU_ROWS; ++row) {
        if (MAIN_MENU[row].text)
            texts.insert(QStringLiteral("CommandTable|") + QString::fromUtf8(MAIN_MENU[row].text));
    }
    for (const DialogTemplate* dialog : { &DLG_ABOUT, &DLG_CONFIGURATION, &DLG_EDIT_DATA, &DLG_BOARD_INFO, &DLG_CALIBRATE,
                                          &DLG_READ_CAL, &DLG_READ_CAL_PROGRESS }) {
        if (dialog->caption)
            texts.insert(QStringLiteral("DialogTemplates|") + QString::fromUtf8(dialog->caption));
        for (int control = 0; control < dialog->count; ++control) {
            if (dialog->controls[control].text)
                texts.insert(QStringLiteral("DialogTemplates|") + QString::fromUtf8(dialog->controls[control].text));
        }
    }
    const QDir help(QStringLiteral(VIGILON_HELP_FOLDER));
    static const QRegularExpression title(QStringLiteral("<title>([^<]*)</title>"));
    for (const QString& page : help.entryList({ QStringLiteral("*.html") })) {
        QFile file(help.filePath(page));
        if (file.open(QIODevice::ReadOnly))
            texts.insert(QStringLiteral("HelpPages|") + title.match(QString::fromUtf8(file.readAll())).captured(1));
    }
    return texts;
}

TEST_F(Translations, EveryFileIsCompleteAndKeepsEachTextsFields)
{
    const QSet<QString> programTexts = ProgramTexts();
    for (const QString& path : QStringLiteral(VIGILON_TS_FILES).split(QLatin1Char(','))) {
        const std::vector<Message> messages = ReadTs(path);
        ASSERT_FALSE(messages.empty()) << path.toStdString();
        QSet<QString> translated;
        for (const Message& m : messages) {
            const std::string where = path.toStdString() + ": \"" + m.source.toStdString() + "\"";
            EXPECT_TRUE(m.type.isEmpty()) << where << " is " << m.type.toStdString();
            EXPECT_FALSE(m.translation.trimmed().isEmpty()) << where << " has no translation";
            EXPECT_EQ(Fields(m.translation), Fields(m.source)) << where << " -> " << m.translation.toStdString();
            EXPECT_EQ(m.translation.count(QLatin1Char('\t')), m.source.count(QLatin1Char('\t'))) << where;
            EXPECT_EQ(HasMnemonic(m.translation), HasMnemonic(m.source)) << where;
            translated.insert(m.context + QLatin1Char('|') + m.source);
        }
        for (const QString& text : programTexts)
            EXPECT_TRUE(translated.contains(text)) << path.toStdString() << " lacks \"" << text.toStdString() << "\"";
    }
}

// A help page's links and anchors in order, as "href=reading.html name=top".
std::string LinksAndAnchors(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(no such page)";
    static const QRegularExpression target(QStringLiteral("\\b(href|name|id)\\s*=\\s*\"([^\"]*)\""));
    QStringList found;
    for (const QRegularExpressionMatch& match : target.globalMatch(QString::fromUtf8(file.readAll())))
        found.append(match.captured(1) + QLatin1Char('=') + match.captured(2));
    return found.join(QLatin1Char(' ')).toStdString();
}

// Each language the program speaks has every help page, and a translated page
// leads to the same pages and places as the English one.
TEST_F(Translations, EveryHelpPageIsTranslatedWithTheEnglishLinksAndAnchors)
{
    const QDir help(QStringLiteral(VIGILON_HELP_FOLDER));
    const QStringList pages = help.entryList({ QStringLiteral("*.html") }, QDir::Files);
    ASSERT_FALSE(pages.isEmpty());
    for (const ProgramLanguage& language : ProgramLanguages()) {
        if (language.code == QLatin1String("en"))
            continue;
        for (const QString& page : pages) {
            const QString translated = help.filePath(language.code + QLatin1Char('/') + page);
            EXPECT_EQ(LinksAndAnchors(translated), LinksAndAnchors(help.filePath(page))) << translated.toStdString();
        }
    }
}

// --help gives each command's text in the language chosen, a paragraph beside
// each form of its usage: a text the translations lack (not marked, or marked
// in another context) would stay English, and one whose paragraphs ran together
// would tell one form under another.
TEST_F(Translations, EveryCliCommandsHelpIsTranslatedAParagraphPerForm)
{
    for (const ProgramLanguage& language : ProgramLanguages()) {
        if (language.code == QLatin1String("en"))
            continue;
        QTranslator translator;
        ASSERT_TRUE(translator.load(QStringLiteral(":/i18n/vigilon_%1.qm").arg(language.code)));
        for (int i = 0; i < CLI_COMMAND_COUNT; ++i) {
            const CliCommand& command = *CLI_COMMANDS[i];
            const QString translated = translator.translate("Cli", command.help);
            const std::string where = language.code.toStdString() + ": " + command.name;
            EXPECT_FALSE(translated.isEmpty()) << where << " has no translated help";
            const qsizetype forms = QString::fromUtf8(command.usage).count(QLatin1Char('\n')) + 1;
            EXPECT_EQ(QString::fromUtf8(command.help).count(QStringLiteral("\n\n")) + 1, forms) << command.name;
            EXPECT_EQ(translated.count(QStringLiteral("\n\n")) + 1, forms) << where;
        }
    }
}

TEST_F(Translations, TheLanguageChosenIsSpokenAndAWrongTranslationIsNotUsed)
{
    EXPECT_EQ(LanguageFor(QStringLiteral("de_DE.UTF-8")), QStringLiteral("de"));
    EXPECT_EQ(LanguageFor(QStringLiteral("pt_BR:fr:en")), QStringLiteral("fr"));
    EXPECT_EQ(LanguageFor(QStringLiteral("pt")), QString());

    const std::string english = FormatString(IDS_PORT_OPEN_FAILED, "COM2");
    InstallLanguage(QStringLiteral("de"));
    EXPECT_EQ(InstalledLanguage(), QStringLiteral("de"));
    const std::string german = FormatString(IDS_PORT_OPEN_FAILED, "COM2");
    EXPECT_NE(german, english);
    EXPECT_NE(german.find("COM2"), std::string::npos) << german;
    EXPECT_EQ(FormatEnglishString(IDS_PORT_OPEN_FAILED, "COM2"), english);
    // Qt's standard buttons too, from the program's own resources: this test's qt.conf
    // leaves Qt no translations folder.
    EXPECT_EQ(QCoreApplication::translate("QPlatformTheme", "&Yes").toStdString(), "&Ja");

    // A translation that asks for other fields than the English would read
    // arguments that are not there.
    SetStringTranslator([](const char*) { return std::string("%d %s %s %s"); });
    EXPECT_EQ(FormatString(IDS_PORT_OPEN_FAILED, "COM2"), english);
    SetStringTranslator(nullptr);
    EXPECT_EQ(FormatString(IDS_PORT_OPEN_FAILED, "COM2"), english);
}

} // namespace
