// Start-up and exit of the GUI: the serial port setting, the menus with and
// without lab mode, the caption, a data file named on the command line, the
// window-size commands, help and the busy guard.
#include "tests/ui/ui_bench.h"
#include "ui/controls/template_dialog.h"
#include "ui/windows/help_window.h"

#include <QLabel>
#include <QScreen>
#include <QListWidget>
#include <QStatusBar>
#include <QTextBrowser>
#include <QTimer>
#include <QToolBar>

class StartupTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    QTemporaryDir m_files;

    // Starts the program; boxes go to `messages` from the start when given.
    std::unique_ptr<CVigilonOssApp> Start(const QStringList& arguments = {}, RecordingPresenter* messages = nullptr)
    {
        std::unique_ptr<CVigilonOssApp> app(new CVigilonOssApp);
        if (messages)
            GuiContext().presenter = messages;
        QStringList all{ QStringLiteral("vigilon-oss") };
        all += arguments;
        m_started = app->InitInstance(all);
        return app;
    }
    bool m_started = false;

private slots:
    void init()
    {
        m_settings.Clear();
        ResetProgramState();
    }

    void serialPortSettingIsReadAndWrittenBack_data()
    {
        QTest::addColumn<QVariant>("stored");
        QTest::addColumn<int>("index");
        QTest::newRow("none") << QVariant() << 0;
        QTest::newRow("3 is COM4") << QVariant(3) << 3;
        QTest::newRow("4 is too big") << QVariant(4) << 0;
        QTest::newRow("7 is too big") << QVariant(7) << 0;
        QTest::newRow("-1 stays") << QVariant(-1) << -1;
    }
    void serialPortSettingIsReadAndWrittenBack()
    {
        QFETCH(QVariant, stored);
        QFETCH(int, index);
        if (stored.isValid())
            m_settings.Set(QStringLiteral("Options/SerialPort"), stored);
        {
            auto app = Start();
            QVERIFY(m_started);
            QCOMPARE(app->m_nSerialPort, index);
            app->ExitInstance();
        }
        QCOMPARE(m_settings.Get(QStringLiteral("Options/SerialPort")).toInt(), index);
    }

    void theWindowTakesMostOfTheScreenAndComesBackWhereItWas()
    {
        const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
        {
            auto app = Start();
            CMainFrame* frame = app->MainFrame();
            QVERIFY(frame->width() >= screen.width() * 3 / 4 - 1 && frame->width() >= frame->MinimumUsableSize().width());
            QVERIFY(frame->height() >= screen.height() * 3 / 4 - 1);
            frame->resize(500, 400);
            frame->move(screen.x() + 30, screen.y() + 40);
            app->OnCommand(ID_VIEW_TOOLBAR);
            app->OnCommand(ID_VIEW_SUMMARY);
            app->ExitInstance();
        }
        {
            auto app = Start();
            CMainFrame* frame = app->MainFrame();
            QCOMPARE(frame->size(), QSize(500, 400).expandedTo(frame->MinimumUsableSize()));
            QCOMPARE(frame->pos(), QPoint(screen.x() + 30, screen.y() + 40));
            QVERIFY(frame->ToolBar()->isHidden());
            QVERIFY(!frame->Action(ID_VIEW_SUMMARY)->isChecked());
        }
        // A place on a screen that is gone is brought back onto this one.
        m_settings.Set(QStringLiteral("Window/Position"), QPoint(screen.right() + 2000, screen.bottom() + 500));
        {
            auto app = Start();
            QVERIFY(screen.intersects(app->MainFrame()->frameGeometry()));
        }
        // A size kept at a smaller scale, at a place it no longer fits from, is moved in whole.
        m_settings.Set(QStringLiteral("Window/Position"), QPoint(screen.x() + screen.width() / 6, screen.y() + screen.height() / 5));
        m_settings.Set(QStringLiteral("Window/Size"), screen.size());
        auto app = Start();
        QVERIFY2(screen.contains(app->MainFrame()->frameGeometry()), qPrintable(QStringLiteral("%1,%2 %3x%4")
                                                                                     .arg(app->MainFrame()->frameGeometry().x())
                                                                                     .arg(app->MainFrame()->frameGeometry().y())
                                                                                     .arg(app->MainFrame()->frameGeometry().width())
                                                                                     .arg(app->MainFrame()->frameGeometry().height())));
    }

    void portMinusOneNamesCom0InTheOpenFailure()
    {
        m_settings.Set(QStringLiteral("Options/SerialPort"), -1);
        auto app = Start();
        RecordingPresenter messages;
        app->OnCommand(ID_FILE_READ);
        QCOMPARE(messages.Texts(), std::vector<std::string>{ "The serial port COM0 could not be opened.\n"
                                                             "It may be in use by another program." });
    }

    void menusWithoutLabModeLackTheCalibrationCommands()
    {
        auto app = Start();
        CMainFrame* frame = app->MainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Vigilon OSS"));
        QCOMPARE(MenuTexts(TopMenu(frame, 0)),
                 (QStringList{ "&Open\tCtrl+O", "&Save\tCtrl+S", "Save &As", "Open &Backup...",
                               "Co&mpare With File...", "-", "&Read Option Board\tCtrl+R",
                               "&Write Option Board\tCtrl+W", "-", "Recent files", "-", "E&xit" }));
        QCOMPARE(MenuTexts(TopMenu(frame, 1)), (QStringList{ "&Edit Data...\tCtrl+E", "-", "&Info...\tCtrl+I", "C&heck Connection...", "Program &Several Radios..." }));
        QCOMPARE(frame->Action(ID_BOARD_CALIBRATE), nullptr);
        QCOMPARE(frame->Action(ID_FILE_READ_CAL), nullptr);
        QCOMPARE(MenuTexts(TopMenu(frame, 2)), (QStringList{ "&Configuration...	Ctrl+,", "&Verify After Write",
                                                             "&Back Up Before Write", "Ask For &Radio ID", "&Language...",
                                                             "Service &History...", "Window Size" }));
        QCOMPARE(MenuTexts(TopMenu(frame, 3)), (QStringList{ "&Toolbar", "&Status Bar", "Settings S&ummary", "Service &History..." }));
        QCOMPARE(MenuTexts(TopMenu(frame, 4)), (QStringList{ "&Help Topics\tF1", "Save Serial &Trace...", "Create Support &Bundle...", "-", "&About Vigilon OSS..." }));
        // Nothing loaded: the commands that need data are off.
        for (int id : { ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_WRITE })
            QVERIFY(!frame->Action(id)->isEnabled());
        QVERIFY(frame->Action(ID_FILE_OPEN)->isEnabled());
        QVERIFY(frame->Action(ID_FILE_READ)->isEnabled());
    }

    void labModeKeepsTheCalibrationCommandsAndNamesItselfInTheCaption()
    {
        auto app = Start({ QStringLiteral("--lab") });
        CMainFrame* frame = app->MainFrame();
        QCOMPARE(frame->windowTitle(), QStringLiteral("Vigilon OSS (Labtool)"));
        QVERIFY(g_bLabMode);
        QVERIFY(MenuTexts(TopMenu(frame, 0)).contains(QStringLiteral("Read &Calibration Data")));
        QCOMPARE(MenuTexts(TopMenu(frame, 1)), (QStringList{ "&Edit Data...\tCtrl+E", "-", "&Info...\tCtrl+I", "C&heck Connection...", "Program &Several Radios...", "&Calibrate..." }));
        // The first caption update ends it.
        app->Document().UpdateCaption();
        QVERIFY(!g_bLabMode);
        QCOMPARE(frame->windowTitle(), QStringLiteral("Vigilon OSS"));
    }

    void toolbarStatusBarAndPrompts()
    {
        auto app = Start();
        CMainFrame* frame = app->MainFrame();
        QStringList tips;
        for (QAction* action : frame->ToolBar()->actions())
            tips.append(action->toolTip());
        QCOMPARE(tips, (QStringList{ "Open", "Read", "Save", "Write", "About" }));
        for (QAction* action : frame->ToolBar()->actions())
            QVERIFY(!action->icon().isNull());
        QCOMPARE(frame->Action(ID_FILE_READ)->statusTip(), QStringLiteral("Read data from option board"));
        QCOMPARE(frame->Indicator(59137)->text(), QStringLiteral("CAP"));
        QCOMPARE(frame->Indicator(59138)->text(), QStringLiteral("NUM"));
        QCOMPARE(frame->Indicator(59139)->text(), QStringLiteral("SCRL"));
        app->OnCommand(ID_VIEW_TOOLBAR);
        QVERIFY(frame->ToolBar()->isHidden());
        QVERIFY(!frame->Action(ID_VIEW_TOOLBAR)->isChecked());
        app->OnCommand(ID_VIEW_STATUS_BAR);
        QVERIFY(frame->statusBar()->isHidden());
        QVERIFY(!frame->Action(ID_VIEW_STATUS_BAR)->isChecked());
    }

    void aDataFileOnTheCommandLineIsOpened()
    {
        const QString path = m_files.filePath(QStringLiteral("site7.vgd"));
        QByteArray bytes = DefaultDataFile();
        bytes[25] = 1;   // clock shift on
        bytes[3] = char(0xFF); // checksum 0x00FF
        WriteFile(path, bytes);
        auto app = Start({ path });
        QVERIFY(m_started);
        QCOMPARE(app->MainFrame()->windowTitle(), QStringLiteral("Vigilon OSS - site7.vgd"));
        QVERIFY(app->Document().dataLoaded);
        QVERIFY2(!app->Document().IsModified(), "loaded before there was a document to mark");
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1));
        QVERIFY(app->MainFrame()->Action(ID_FILE_SAVE)->isEnabled());
    }

    void aBadDataFileOnTheCommandLineEndsTheProgramAfterItsMessage()
    {
        const QString path = m_files.filePath(QStringLiteral("bad.vgd"));
        WriteFile(path, QByteArray(26, '\0'));
        RecordingPresenter messages;
        auto app = Start({ path }, &messages);
        QVERIFY(!m_started);
        QCOMPARE(messages.Texts(), std::vector<std::string>{ "Invalid checksum or no valid option board file !" });
    }

    // The test's screen is 800x800: 1024 pixels wide is as wide as the screen.
    void windowSizeCommandsSetTheOuterSizeAndCentre()
    {
        auto app = Start();
        CMainFrame* frame = app->MainFrame();
        const QRect area = frame->screen()->availableGeometry();
        for (int twice = 0; twice < 2; ++twice) {
            app->OnCommand(ID_WINDOW_1024);
            QCOMPARE(frame->frameGeometry().size(), QSize(1024, 768).boundedTo(area.size()));
        }
        QCOMPARE(frame->frameGeometry().center().x(), area.center().x());
        app->OnCommand(ID_WINDOW_640);
        QCOMPARE(frame->frameGeometry().size(), QSize(640, 480));
    }

    void helpTopicsShowTheContentsAndSearch()
    {
        auto app = Start();
        app->OnCommand(ID_HELP_FINDER);
        HelpWindow* help = app->Help();
        QVERIFY(help->isVisible());
        QVERIFY(help->Page()->toPlainText().contains(QStringLiteral("Topics")));
        QVERIFY(help->Topics()->count() >= 9);
        help->Search(QStringLiteral("com1"));
        QStringList found;
        for (int i = 0; i < help->Topics()->count(); ++i)
            found.append(help->Topics()->item(i)->text());
        QCOMPARE(found, (QStringList{ "Reading an option board", "Choosing the serial port" }));
        help->Topics()->setCurrentRow(1);
        QVERIFY(help->Page()->toPlainText().contains(QStringLiteral("/dev/ttyUSB0")));
        help->Search(QStringLiteral("zebra"));
        QCOMPARE(help->Topics()->count(), 1);
        QCOMPARE(help->Topics()->item(0)->text(), QStringLiteral("No topic contains these words."));
    }

    void helpAskedFromADialogIsNotBlockedByIt()
    {
        auto app = Start();
        HelpWindow* help = app->Help();
        CTemplateDialog dialog(DLG_ABOUT, app->MainFrame());
        QWidget* ownerDuringDialog = nullptr;
        QTimer::singleShot(0, [&] {
            app->OnCommand(ID_HELP_FINDER); // as the dialog's Help button does
            ownerDuringDialog = help->parentWidget();
            dialog.done(QDialog::Accepted);
        });
        dialog.exec();
        QCOMPARE(ownerDuringDialog, static_cast<QWidget*>(&dialog));
        QCOMPARE(help->parentWidget(), static_cast<QWidget*>(app->MainFrame()));
        QVERIFY(help->isVisible());
    }

    void recentFilesAreShownAbbreviatedToThirtyCharacters()
    {
        QCOMPARE(RecentFileList::Abbreviate(QStringLiteral("/data/site7.vgd")), QStringLiteral("/data/site7.vgd"));
        const QString longPath = QStringLiteral("/home/technician/radios/north/depot/site7.vgd");
        const QString shown = RecentFileList::Abbreviate(longPath);
        QVERIFY(shown.size() <= 30);
        QCOMPARE(shown, QStringLiteral("/.../north/depot/site7.vgd"));
        QCOMPARE(RecentFileList::Abbreviate(QStringLiteral("/a/") + QString(40, QLatin1Char('x')) + QStringLiteral(".vgd")),
                 QString(40, QLatin1Char('x')) + QStringLiteral(".vgd"));
    }

    void theWindowStaysOpenWhileAnOperationRuns()
    {
        auto app = Start();
        CMainFrame* frame = app->MainFrame();
        GuiContext().host->BeginWaitCursor(); // an operation holds the radio
        QVERIFY(!frame->close());
        QVERIFY(frame->isVisible());
        GuiContext().host->EndWaitCursor();
        QVERIFY(frame->close());
    }
};

QTEST_MAIN(StartupTest)
#include "startup_test.moc"
