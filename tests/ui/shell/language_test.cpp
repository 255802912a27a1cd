// The GUI in another language: Options > Language... remembers the choice, and
// the next start speaks it in the menus, the dialogs, the help and Qt's own buttons.
#include "app/language.h"
#include "tests/ui/ui_bench.h"
#include "ui/controls/label_buddy.h"
#include "ui/controls/template_dialog.h"
#include "ui/dialogs/configuration_dialog.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/windows/help_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QStyle>
#include <QStyleOptionComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QTranslator>
#include <QListWidget>
#include <QPushButton>
#include <QTextBrowser>
#include <QTimer>

class LanguageTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    QTemporaryDir m_files;

    static void Picture(QWidget& dialog, const QString& name)
    {
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (!folder.isEmpty())
            dialog.grab().save(QStringLiteral("%1/%2.png").arg(QString::fromLocal8Bit(folder), name));
    }

private slots:
    void theChosenLanguageIsRememberedAndSpokenFromTheNextStart()
    {
        m_settings.Clear();
        ResetProgramState();
        const QString path = m_files.filePath(QStringLiteral("site7.vgd"));
        WriteFile(path, DefaultDataFile());
        {
            std::unique_ptr<CVigilonOssApp> app(new CVigilonOssApp);
            QVERIFY(app->InitInstance({ QStringLiteral("vigilon-oss"), path }));
            RecordingPresenter messages;
            QTimer::singleShot(0, [] {
                auto* dialog = dynamic_cast<CLanguageDialog*>(QApplication::activeModalWidget());
                QVERIFY(dialog);
                QListWidget* list = dialog->findChild<QListWidget*>();
                const QList<QListWidgetItem*> german = list->findItems(QStringLiteral("Deutsch"), Qt::MatchExactly);
                QCOMPARE(german.size(), 1);
                list->setCurrentItem(german.first());
                dialog->accept();
            });
            app->OnCommand(ID_OPTIONS_LANGUAGE);
            QCOMPARE(m_settings.Get(QStringLiteral("Options/Language")).toString(), QStringLiteral("de"));
            QCOMPARE(messages.Texts(),
                     std::vector<std::string>{ "The new language is used from the next start of Vigilon OSS." });
            app->ExitInstance();
        }

        InstallLanguage(ChooseLanguage(QString()));
        QCOMPARE(InstalledLanguage(), QStringLiteral("de"));
        std::unique_ptr<CVigilonOssApp> app(new CVigilonOssApp);
        QVERIFY(app->InitInstance({ QStringLiteral("vigilon-oss"), path }));
        CMainFrame* frame = app->MainFrame();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        QCOMPARE(TopMenu(frame, 0)->title(), QStringLiteral("&Datei"));
        QCOMPARE(TopMenu(frame, 0)->actions().first()->text(), QStringLiteral("Ö&ffnen"));
        // Qt's own buttons come from Qt's translations.
        CLanguageDialog dialog(frame);
        QCOMPARE(dialog.findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Cancel)->text(),
                 QStringLiteral("Abbrechen"));
        const QString folder = QString::fromLocal8Bit(qgetenv("VIGILON_SCREENSHOTS"));
        if (!folder.isEmpty())
            frame->grab().save(folder + QStringLiteral("/main-window-de.png"));
        app->OnCommand(ID_HELP_FINDER);
        QVERIFY(app->Help()->Page()->toPlainText().contains(QStringLiteral("Themen"))); // the German pages
        if (!folder.isEmpty())
            app->Help()->grab().save(folder + QStringLiteral("/help-de.png"));
        app->Help()->close();
        // The dialogs built from templates speak it too.
        QString caption;
        QTimer::singleShot(0, [&caption, folder] {
            QWidget* edit = QApplication::activeModalWidget();
            QVERIFY(edit);
            caption = edit->windowTitle();
            if (!folder.isEmpty())
                edit->grab().save(folder + QStringLiteral("/edit-data-de.png"));
            edit->close();
        });
        app->OnCommand(ID_BOARD_EDIT);
        QVERIFY(!caption.isEmpty() && caption != QStringLiteral("Edit Option Board Data"));
        app->ExitInstance();
    }

    // The dialogs built from templates show every translated text whole: no
    // text may reach beyond its control, nor a control beyond its dialog. A
    // text that names no field (the calibration's steps, say) wraps at the
    // dialog's font size rather than shrinking to a size hard to read.
    // Configuration, laid out for its texts, shrinks none of them at all.
    void everyTemplateTextFitsInEveryLanguage()
    {
        QStringList clipped;
        QStringList shrunk;
        const auto check = [&](const QString& code, QDialog& dialog, bool fieldNamesMayShrink) {
            for (QWidget* control : dialog.findChildren<QWidget*>()) {
                int needed = 0;
                QString text;
                if (QLabel* label = qobject_cast<QLabel*>(control)) {
                    text = PlainText(label->text());
                    if ((!label->buddy() || !fieldNamesMayShrink) && label->font().pointSizeF() != dialog.font().pointSizeF())
                        shrunk.append(
                            QStringLiteral("%1: \"%2\" in %3 points").arg(code, text).arg(label->font().pointSizeF()));
                    // A wrapped text needs the height of its lines, any other its widest line.
                    if (label->wordWrap() && label->heightForWidth(label->width()) > label->height())
                        clipped.append(QStringLiteral("%1: \"%2\" needs more lines than its %3 pixels")
                                           .arg(code, text)
                                           .arg(label->height()));
                    for (const QString& line : text.split(QLatin1Char('\n')))
                        needed = label->wordWrap() ? 0 : std::max(needed, label->fontMetrics().horizontalAdvance(line));
                } else if (QCheckBox* box = qobject_cast<QCheckBox*>(control)) {
                    text = PlainText(box->text());
                    needed = box->sizeHint().width();
                } else if (QAbstractButton* button = qobject_cast<QAbstractButton*>(control)) {
                    text = PlainText(button->text());
                    needed = button->fontMetrics().horizontalAdvance(text);
                } else if (QComboBox* list = qobject_cast<QComboBox*>(control)) {
                    // What the closed list shows: its choice, or the text in its place.
                    text = list->currentIndex() >= 0 ? list->currentText() : list->placeholderText();
                    QStyleOptionComboBox option;
                    option.initFrom(list);
                    option.currentText = text;
                    needed = list->fontMetrics().horizontalAdvance(text)
                             + list->width()
                             - list->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, list).width();
                } else if (QGroupBox* group = qobject_cast<QGroupBox*>(control)) {
                    text = group->title();
                    needed = group->fontMetrics().horizontalAdvance(text);
                }
                if (needed > control->width())
                    clipped.append(QStringLiteral("%1: \"%2\" needs %3 of %4 pixels")
                                       .arg(code, text)
                                       .arg(needed)
                                       .arg(control->width()));
                if (control->parentWidget() == &dialog && !dialog.rect().contains(control->geometry()))
                    clipped.append(QStringLiteral("%1: \"%2\" lies outside its dialog").arg(code, text));
            }
        };
        for (const QString& code : { QStringLiteral("de"), QStringLiteral("fr"), QStringLiteral("es") }) {
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral(":/i18n/vigilon_%1.qm").arg(code)));
            QCoreApplication::installTranslator(&translator);
            for (const DialogTemplate* form : { &DLG_ABOUT, &DLG_CONFIGURATION, &DLG_EDIT_DATA, &DLG_BOARD_INFO,
                                                &DLG_CALIBRATE, &DLG_READ_CAL, &DLG_READ_CAL_PROGRESS }) {
                CTemplateDialog dialog(*form, nullptr);
                check(code, dialog, true);
                if (form == &DLG_CALIBRATE)
                    Picture(dialog, QStringLiteral("calibrate-%1").arg(code));
            }
            // Configuration as it opens, on a machine with a USB cable and no device for COM2.
            struct Shown : public CConfigurationDialog {
                Shown() : CConfigurationDialog(nullptr)
                {
                    m_nPortIndex = 1;
                    const SerialDevice cable = FtdiCable();
                    m_listDevices = [cable] { return std::vector<SerialDevice>{ cable }; };
                    m_deviceExists = [](const std::string& path) { return path != "/dev/ttyS1"; };
                    OnInitDialog();
                    show();
                    QCoreApplication::processEvents();
                }
            } configuration;
            check(code, configuration, false);
            Picture(configuration, QStringLiteral("configuration-%1").arg(code));
            QCoreApplication::removeTranslator(&translator);
        }
        QVERIFY2(clipped.isEmpty(), qPrintable(clipped.join(QLatin1Char('\n'))));
        QVERIFY2(shrunk.isEmpty(), qPrintable(shrunk.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(LanguageTest)
#include "language_test.moc"
