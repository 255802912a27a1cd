// The document's flows in the GUI: open, save, save as, the save question before
// new, read, open and exit, the recent-file list, and reading and writing a
// board on the simulated radio.
#include "storage/backup_store.h"
#include "board/settings_table.h"
#include "app/backup_folder.h"
#include "storage/backups.h"
#include "app/history_store.h"
#include "app/service_history.h"
#include "operations/readout_operation.h"
#include "sim/simulated_radio.h"
#include "tests/support/held_history.h"
#include "tests/support/message_texts.h"
#include "tests/support/operation_bench.h"
#include "tests/support/sim_config.h"
#include "tests/ui/ui_bench.h"
#include "ui/dialogs/board_dialogs.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/dialogs/fleet_dialog.h"
#include "ui/dialogs/radio_id_dialog.h"
#include "ui/shell/vigilon_oss_view.h"
#include "ui/windows/settings_summary.h"

#include <QCheckBox>
#include <QElapsedTimer>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTimer>
#include <QToolBar>

class DocumentTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_files;
    std::unique_ptr<sim::SimulatedRadio> m_radio;
    std::unique_ptr<CVigilonOssApp> m_app;
    std::unique_ptr<RecordingPresenter> m_messages;
    std::unique_ptr<ScriptedFileDialogs> m_dialogs;
    std::unique_ptr<FastForwardClock> m_clock;

    CMainFrame* Frame() { return m_app->MainFrame(); }
    CVigilonOssDoc& Doc() { return m_app->Document(); }
    SettingsSummary* Summary() { return Frame()->View()->Summary(); }
    QString File(const QString& name) { return m_files->filePath(name); }
    std::vector<std::string> Texts() { return m_messages->Texts(); }

    // A data file whose clock shift is on (so it differs from the defaults).
    QString ClockShiftFile(const QString& name)
    {
        QByteArray bytes = DefaultDataFile();
        bytes[25] = 1;
        bytes[3] = char(0xFF);
        WriteFile(File(name), bytes);
        return File(name);
    }

    bool Open(const QString& path)
    {
        m_dialogs->answers.push_back(path);
        m_app->OnCommand(ID_FILE_OPEN);
        return Doc().dataLoaded;
    }

    void Read()
    {
        m_app->OnCommand(ID_FILE_READ);
    }

    int RadioRequests() { return static_cast<int>(m_radio->History().size()); }

    int RadioRequests(sim::RequestKind kind)
    {
        int count = 0;
        for (const sim::Request& request : m_radio->History())
            count += request.kind == kind;
        return count;
    }

    // The modal dialog of type D now open; nullptr (the other one closed) when another is.
    template <typename D>
    static D* OpenDialog()
    {
        D* dialog = dynamic_cast<D*>(QApplication::activeModalWidget());
        if (!dialog) {
            if (QWidget* other = QApplication::activeModalWidget())
                other->close();
        }
        return dialog;
    }

    // A picture of `widget` for the README when VIGILON_SCREENSHOTS names a folder.
    static void SaveShot(QWidget* widget, const QString& name)
    {
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (folder.isEmpty())
            return;
        QDir().mkpath(QString::fromLocal8Bit(folder));
        widget->grab().save(QString::fromLocal8Bit(folder) + QLatin1Char('/') + name);
    }

    // A radio of another make-up on COM1 from now on.
    void ReplaceRadio(sim::SimConfig config)
    {
        m_radio.reset(new sim::SimulatedRadio(std::move(config)));
        std::string error;
        QVERIFY(m_radio->Start(error));
        m_settings.Set(QStringLiteral("Ports/COM1"), QString::fromStdString(m_radio->DevicePath()));
    }

private slots:
    void init()
    {
        m_settings.Clear();
        ResetProgramState();
        // The link's pauses take no time, but where the window's life during
        // them is what a test looks at.
        static const QStringList realTime = { QStringLiteral("inputMadeWhileTheRadioWorksIsNotActedOn") };
        if (!realTime.contains(QLatin1String(QTest::currentTestFunction())))
            m_clock = std::make_unique<FastForwardClock>();
        m_files.reset(new QTemporaryDir);
        m_radio.reset(new sim::SimulatedRadio);
        std::string error;
        QVERIFY(m_radio->Start(error));
        m_settings.Set(QStringLiteral("Ports/COM1"), QString::fromStdString(m_radio->DevicePath()));
        m_app.reset(new CVigilonOssApp);
        m_messages.reset(new RecordingPresenter);
        m_dialogs.reset(new ScriptedFileDialogs);
        QVERIFY(m_app->InitInstance({ QStringLiteral("vigilon-oss") }));
    }

    void cleanup()
    {
        m_clock.reset();
        m_dialogs.reset();
        m_messages.reset();
        m_app.reset();
        m_radio.reset();
        QDir::setCurrent(QDir::tempPath());
    }

    void openingAGoodFileLoadsItAndListsIt()
    {
        const QString path = ClockShiftFile(QStringLiteral("R&D board1.vgd"));
        QVERIFY(Open(path));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - R&D board1.vgd"));
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1));
        QVERIFY2(!Doc().IsModified(), "what a file holds is no change, though it differs from the record");
        for (int id : { ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_WRITE })
            QVERIFY(Frame()->Action(id)->isEnabled());
        QCOMPARE(m_app->Documents().RecentFiles().Count(), 1);
        // The '&' of the name is shown as it is, not taken as a mnemonic.
        QVERIFY(MenuTexts(Frame()->FileMenu())
                    .contains(QStringLiteral("&1 ") + RecentFileList::Abbreviate(path).replace("&", "&&")));
        QVERIFY(Texts().empty());
        QCOMPARE(Summary()->ValueText("clockShift"), QStringLiteral("on"));
        QVERIFY(Summary()->HeaderText().contains(path));
    }

    void aFailedOpenEmptiesTheDocumentAndTheSameFileCanBeOpenedAgain()
    {
        const QString good = ClockShiftFile(QStringLiteral("good.vgd"));
        QVERIFY(Open(good));
        m_messages->answers.push_back(MsgAnswer::No); // do not save the changes
        const QString bad = File(QStringLiteral("bad.vgd"));
        WriteFile(bad, QByteArray(3, '\x01'));
        QVERIFY(!Open(bad));
        QCOMPARE(Texts().back(), std::string("Invalid checksum or no valid option board file !"));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS"));
        QVERIFY(!Frame()->Action(ID_FILE_SAVE)->isEnabled());
        QVERIFY(!Frame()->Action(ID_FILE_WRITE)->isEnabled());
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1)); // members untouched by the refusal
        // The previously open file is loaded again, not silently skipped.
        QVERIFY(Open(good));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - good.vgd"));
    }

    void aRecentFileThatNoLongerOpensLeavesTheList()
    {
        const QString first = ClockShiftFile(QStringLiteral("first.vgd"));
        QVERIFY(Open(first));
        Doc().SetModifiedFlag(false);
        QVERIFY(Open(ClockShiftFile(QStringLiteral("second.vgd"))));
        Doc().SetModifiedFlag(false);
        QCOMPARE(m_app->Documents().RecentFiles().Count(), 2);
        WriteFile(first, QByteArray(26, '\0'));
        m_app->OnCommand(ID_FILE_MRU_FIRST + 1); // "first.vgd", now spoilt
        QCOMPARE(m_app->Documents().RecentFiles().Count(), 1);
        QCOMPARE(QFileInfo(m_app->Documents().RecentFiles().Path(0)).fileName(), QStringLiteral("second.vgd"));
        m_app->ExitInstance();
        QCOMPARE(m_settings.Get(QStringLiteral("Recent File List/File1")).toString(), QFileInfo(File("second.vgd")).absoluteFilePath());
        QVERIFY(!m_settings.Get(QStringLiteral("Recent File List/File2")).isValid());
    }

    void aRecentFileOpensAfterTheSaveQuestionMovedItsEntry()
    {
        for (const char* name : { "a.vgd", "b.vgd", "c.vgd" })
            QVERIFY(Open(ClockShiftFile(QLatin1String(name))));
        Read(); // modified, with no file name
        m_messages->Clear();
        m_messages->answers.push_back(MsgAnswer::Yes);
        m_dialogs->answers.push_back(File(QStringLiteral("saved.vgd")));
        m_app->OnCommand(ID_FILE_MRU_FIRST + 1); // "b.vgd"; Save As puts "saved.vgd" above it
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - b.vgd"));
        QStringList names;
        for (int i = 0; i < m_app->Documents().RecentFiles().Count(); ++i)
            names << QFileInfo(m_app->Documents().RecentFiles().Path(i)).fileName();
        QCOMPARE(names, (QStringList{ "b.vgd", "saved.vgd", "c.vgd", "a.vgd" }));
        QCOMPARE(Texts().size(), size_t(1)); // the save question only
    }

    void readingTheBoardMakesAModifiedDocumentNamedAfterThePort()
    {
        QVERIFY2(!Frame()->Action(ID_HELP_SAVE_TRACE)->isEnabled(), "no serial trace before the radio was used");
        Read();
        QCOMPARE(Texts(), std::vector<std::string>{ text::READ_OK });
        QCOMPARE(m_messages->shown[0].caption, std::string("Vigilon OSS"));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - Option Board at COM1"));
        QVERIFY(Doc().dataLoaded);
        QVERIFY2(Doc().IsModified(), "a read leaves the document modified even with equal values");
        QVERIFY(Frame()->Action(ID_FILE_WRITE)->isEnabled());

        // The read's serial trace was kept and is saved on request.
        QVERIFY(Frame()->Action(ID_HELP_SAVE_TRACE)->isEnabled());
        m_dialogs->answers.push_back(File(QStringLiteral("trace.txt")));
        m_app->OnCommand(ID_HELP_SAVE_TRACE);
        QFile trace(File(QStringLiteral("trace.txt")));
        QVERIFY(trace.open(QIODevice::ReadOnly));
        const QByteArray text = trace.readAll();
        QVERIFY2(text.contains(" > FF 2F 00 06 45 00 00 00 BB CB\n"), text.constData());
        QVERIFY2(text.contains("   message: Option board successfully read.\n"), text.constData());

        // The shot of the main window after a read, for the README.
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (!folder.isEmpty()) {
            QDir().mkpath(QString::fromLocal8Bit(folder));
            Frame()->resize(640, 400);
            QVERIFY(Frame()->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/main-window.png")));
        }
    }

    void aFailedReadAfterAnOpenLeavesNothingThatCouldOverwriteTheFile()
    {
        const QString path = ClockShiftFile(QStringLiteral("kept.vgd"));
        QVERIFY(Open(path));
        m_messages->answers.push_back(MsgAnswer::No); // do not save the opened file's changes
        sim::SimConfig faulty;
        std::string error;
        faulty.radio.faults.push_back(*sim::ParseFault("nak@read:0x1000", error));
        ReplaceRadio(faulty);
        Read();
        QCOMPARE(Texts().back(), std::string("Failed to read the option board !"));
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS"));
        for (int id : { ID_FILE_SAVE, ID_FILE_SAVE_AS, ID_FILE_WRITE, ID_BOARD_EDIT })
            QVERIFY(!Frame()->Action(id)->isEnabled());
        QVERIFY(!Doc().IsModified());
        QVERIFY(Doc().GetPathName().isEmpty());
        QCOMPARE(Summary()->ValueText("clockShift"), QString()); // nothing shown as loaded
        QVERIFY(Summary()->HeaderText().startsWith(QStringLiteral("No settings loaded.")));

        // A good read afterwards is a new document: Save asks where, never the opened file.
        ReplaceRadio(sim::SimConfig());
        Read();
        QVERIFY(Doc().dataLoaded);
        QVERIFY(Summary()->HeaderText().contains(QStringLiteral("option board on COM1")));
        m_app->OnCommand(ID_FILE_SAVE); // the save dialog is cancelled
        QCOMPARE(m_dialogs->proposals, QStringList{ QStringLiteral("NoName.vgd") });
        QFile kept(path);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll().at(25), char(1));
    }

    void everyReadIsKeptAndOpensAgainFromTheBackups()
    {
        Read();
        const std::vector<BackupEntry> backups = ListBackups(BackupFolder());
        QVERIFY(!backups.empty());
        QCOMPARE(backups.front().port, std::string("COM1"));
        const QString backup = QString::fromStdString(backups.front().path);
        const QByteArray asRead = [&] {
            QFile file(backup);
            return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
        }();
        m_dialogs->answers.push_back(backup);
        m_messages->answers.push_back(MsgAnswer::No); // the read's settings need no saving
        m_app->OnCommand(ID_FILE_OPEN_BACKUP);
        QVERIFY(Doc().dataLoaded);
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - ") + QString::fromStdString(backups.front().name)
                                             + QStringLiteral(" (backup, opened as a copy)"));

        // An edit and Ctrl+S: Save asks where, proposing a name outside the backups.
        theOptionBoardData.alertRepeatTime.Set(33);
        m_dialogs->answers.push_back(backup); // the backup itself is refused...
        m_app->OnCommand(ID_FILE_SAVE);
        QCOMPARE(m_dialogs->proposals.size(), 1);
        const QString stamp = QString::fromStdString(backups.front().name).left(17);
        QCOMPARE(m_dialogs->proposals[0], QDir(QDir::homePath()).filePath(QStringLiteral("COM1_") + stamp + ".vgd"));
        QCOMPARE(Texts().back().rfind(QDir::toNativeSeparators(backup).toStdString() + " is in the backups folder", 0), 0u);
        QFile file(backup);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), asRead);
        QVERIFY(Doc().IsModified());
        m_dialogs->answers.push_back(File(QStringLiteral("copy.vgd"))); // ...another file is not
        m_app->OnCommand(ID_FILE_SAVE);
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - copy.vgd"));

        // Verify After Write is remembered and reads the settings back.
        m_app->OnCommand(ID_OPTIONS_VERIFY);
        m_messages->answers.push_back(MsgAnswer::Yes);
        const int reads = RadioRequests(sim::RequestKind::BoardRead);
        m_app->OnCommand(ID_FILE_WRITE);
        QCOMPARE(Texts().back(), text::WRITE_OK);
        QCOMPARE(RadioRequests(sim::RequestKind::BoardRead), reads + 2); // the version, then the read-back
        m_app->ExitInstance();
        QCOMPARE(m_settings.Get(QStringLiteral("Options/VerifyAfterWrite")).toBool(), true);
    }

    void openingAFileChangesNothingSoTheNextOpenAsksNothing()
    {
        const QString first = ClockShiftFile(QStringLiteral("first.vgd"));
        WriteFile(File(QStringLiteral("second.vgd")), DefaultDataFile());
        QVERIFY(Open(first));
        QVERIFY(Open(File(QStringLiteral("second.vgd"))));
        QVERIFY(Texts().empty());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - second.vgd"));
        QVERIFY(!Doc().IsModified());
    }

    void aCancelledSaveAfterTheReadOutKeepsTheDataInTheBackups()
    {
        QDir(QString::fromStdString(CalibrationBackupFolder())).removeRecursively();
        struct ReadCal : public CReadCalDataDialog {
            using CReadCalDataDialog::CReadCalDataDialog;
            using CReadCalDataDialog::OnOK;
        } dialog(Frame(), 0);
        dialog.OnOK(); // no file is chosen: the save is cancelled
        const std::vector<BackupEntry> kept = ListBackups(CalibrationBackupFolder(), CALIBRATION_BACKUP);
        QCOMPARE(kept.size(), size_t(1));
        QFile file(QString::fromStdString(kept[0].path));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const sim::BoardMemory::Image memory = m_radio->MemorySnapshot();
        QCOMPARE(file.readAll().toStdString(), FormatCalibrationExport(memory.data() + CAL_DATA_START, CAL_DATA_SIZE));
        QCOMPARE(Texts(), std::vector<std::string>{ "A copy of the calibration data is kept in " + kept[0].path + "." });
    }

    void aReadBringsTheWindowUpToDateAFewTimesNotOncePerValue()
    {
        // Every value differs from the board's, so the read changes all fifteen.
        for (const SettingRow& row : SETTINGS) {
            const int32_t other = row.kind == SettingKind::Flag ? !SettingValue(theOptionBoardData, row)
                                                                : SettingValue(theOptionBoardData, row) == row.range.maximum
                                                                      ? row.range.minimum
                                                                      : row.range.maximum;
            SetSettingValue(theOptionBoardData, row, other);
        }
        Doc().SetModifiedFlag(false);
        QCoreApplication::processEvents();
        const int before = m_app->CommandUiUpdates();
        Read();
        QCoreApplication::processEvents();
        const int updates = m_app->CommandUiUpdates() - before;
        QVERIFY2(updates <= 3, qPrintable(QString::number(updates)));
        QCOMPARE(Summary()->ValueText("clockShift"), QStringLiteral("off"));
    }

    // Options > Ask For Radio ID: the ID typed (or scanned, with its Enter) goes
    // with the read into the history and the summary; Cancel leaves the radio alone.
    void anOperationAsksTheRadiosIdFirstWhenTheOptionIsOn()
    {
        HistoryFilter byId;
        byId.radioId = "SN 4711";
        const int before = HistoryStore(ServiceHistoryPath()).Count(byId);
        m_app->OnCommand(ID_OPTIONS_ASK_RADIO_ID);
        QTimer::singleShot(0, Frame(), [] {
            if (RadioIdDialog* asked = OpenDialog<RadioIdDialog>())
                asked->reject();
        });
        Read();
        QCOMPARE(RadioRequests(), 0);
        QTimer::singleShot(0, Frame(), [] {
            if (RadioIdDialog* asked = OpenDialog<RadioIdDialog>()) {
                QTest::keyClicks(asked->Field(), QStringLiteral("  SN 4711 "));
                SaveShot(asked, QStringLiteral("radio-id.png"));
                QTest::keyClick(asked->Field(), Qt::Key_Return);
            }
        });
        Read();
        QVERIFY(RadioRequests() > 0);
        QVERIFY2(Summary()->HeaderText().contains(QStringLiteral("), radio ID SN 4711")), qPrintable(Summary()->HeaderText()));
        QTRY_COMPARE(HistoryStore(ServiceHistoryPath()).Count(byId), before + 1);
        QVERIFY(GuiHistory().radioId.empty()); // the next operation is asked again
    }

    void inputMadeWhileTheRadioWorksIsNotActedOn()
    {
        m_dialogs->answers.push_back(ClockShiftFile(QStringLiteral("never.vgd")));
        QTimer::singleShot(150, Frame(), [this] {
            QTest::keyClick(Frame(), Qt::Key_R, Qt::ControlModifier);
            QTest::mouseClick(Frame()->ToolBar()->widgetForAction(Frame()->Action(ID_FILE_OPEN)), Qt::LeftButton);
        });
        Read();
        QCoreApplication::processEvents();
        QCOMPARE(RadioRequests(sim::RequestKind::Identify), 1);
        QCOMPARE(m_dialogs->answers.size(), size_t(1)); // Open never asked for a file
        QCOMPARE(Texts(), std::vector<std::string>{ text::READ_OK });
    }

    // Another program holds the history for four seconds, well past the read: the read's
    // entry waits for it off the event loop, the window keeps painting, and
    // the entry lands once the history is free, with no warning.
    void aHistoryHeldByAnotherProgramNeverStopsTheWindow()
    {
        const std::string history = ServiceHistoryPath();
        HistoryFilter reads;
        reads.operation = "read";
        const int readsBefore = HistoryStore(history).Count(reads);
        HeldHistory held(history, false, 4000);
        QElapsedTimer clock;
        qint64 last = 0;
        qint64 longest = 0;
        QTimer tick;
        connect(&tick, &QTimer::timeout, [&] {
            longest = std::max(longest, clock.elapsed() - last);
            last = clock.elapsed();
        });
        tick.start(5);
        clock.start();
        Read();
        QTRY_VERIFY_WITH_TIMEOUT(HistoryStore(history).Count(reads) == readsBefore + 1, 12000);
        QTest::qWait(20);
        tick.stop();
        longest = std::max(longest, clock.elapsed() - last);
        QVERIFY2(longest < 300, qPrintable(QStringLiteral("the window stood still for %1 ms").arg(longest)));
        QVERIFY(clock.elapsed() >= 3900); // the entry did wait for the history
        QCOMPARE(Texts(), std::vector<std::string>{ text::READ_OK });
    }

    void saveAsProposesNoNameAfterAReadAndKeepsTheCaption()
    {
        Read();
        const QString path = File(QStringLiteral("saved.vgd"));
        m_dialogs->answers.push_back(path);
        m_app->OnCommand(ID_FILE_SAVE); // no file yet: Save acts as Save As
        QCOMPARE(m_dialogs->proposals, QStringList{ QStringLiteral("NoName.vgd") });
        QVERIFY(!Doc().IsModified());
        QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - Option Board at COM1"));
        QCOMPARE(Doc().GetTitle(), QStringLiteral("saved.vgd"));
        QFile saved(path);
        QVERIFY(saved.open(QIODevice::ReadOnly));
        QCOMPARE(saved.readAll(), DefaultDataFile());

        // Ctrl+S now saves to that file without asking.
        theOptionBoardData.alertRepeatTime.Set(33);
        QVERIFY(Doc().IsModified());
        Frame()->activateWindow();
        QTest::keyClick(Frame(), Qt::Key_S, Qt::ControlModifier);
        QVERIFY(!Doc().IsModified());
        QCOMPARE(m_dialogs->proposals.size(), 1);
    }

    void theSaveQuestionComesBeforeReadOpenAndExit_data()
    {
        QTest::addColumn<int>("command");
        QTest::addColumn<int>("answer");
        for (int command : { ID_FILE_READ, ID_FILE_OPEN, ID_APP_EXIT }) {
            const char* name = command == ID_FILE_READ ? "read" : command == ID_FILE_OPEN ? "open" : "exit";
            QTest::newRow(qPrintable(QStringLiteral("%1, cancel").arg(QLatin1String(name)))) << command << int(MsgAnswer::Cancel);
            QTest::newRow(qPrintable(QStringLiteral("%1, no").arg(QLatin1String(name)))) << command << int(MsgAnswer::No);
            QTest::newRow(qPrintable(QStringLiteral("%1, yes").arg(QLatin1String(name)))) << command << int(MsgAnswer::Yes);
        }
    }
    void theSaveQuestionComesBeforeReadOpenAndExit()
    {
        QFETCH(int, command);
        QFETCH(int, answer);
        const QString path = ClockShiftFile(QStringLiteral("edited.vgd"));
        QVERIFY(Open(path));
        theOptionBoardData.tiltAlertTime.Set(42); // an edit
        m_messages->Clear();
        const int requestsBefore = RadioRequests();
        m_messages->answers.push_back(MsgAnswer(answer));
        const QString other = ClockShiftFile(QStringLiteral("other.vgd"));
        if (command == ID_FILE_OPEN)
            m_dialogs->answers.push_back(other);
        m_app->OnCommand(command);

        QVERIFY(!m_messages->shown.empty());
        QCOMPARE(m_messages->shown[0].text, std::string("Save changes to edited.vgd?"));
        QVERIFY(m_messages->shown[0].buttons == MsgButtons::YesNoCancel);
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly));
        const bool saved = file.readAll() != [this] {
            QByteArray bytes = DefaultDataFile();
            bytes[25] = 1;
            bytes[3] = char(0xFF);
            return bytes;
        }();
        QCOMPARE(saved, answer == int(MsgAnswer::Yes));
        if (answer == int(MsgAnswer::Cancel)) {
            QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - edited.vgd"));
            QVERIFY(Doc().IsModified());
            QCOMPARE(RadioRequests(), requestsBefore);
            QVERIFY(Frame()->isVisible());
            return;
        }
        if (command == ID_FILE_READ)
            QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - Option Board at COM1"));
        if (command == ID_FILE_OPEN)
            QCOMPARE(Frame()->windowTitle(), QStringLiteral("Vigilon OSS - other.vgd"));
        if (command == ID_APP_EXIT)
            QVERIFY(!Frame()->isVisible());
    }

    void writingAsksFirstAndASuccessClearsTheModifiedFlag()
    {
        Read();
        const int afterRead = RadioRequests();
        m_messages->Clear();
        m_messages->answers.push_back(MsgAnswer::No);
        m_app->OnCommand(ID_FILE_WRITE);
        QCOMPARE(Texts(), std::vector<std::string>{ text::CONFIRM_WRITE });
        QCOMPARE(RadioRequests(), afterRead);
        QVERIFY(Doc().IsModified());

        m_messages->Clear();
        m_messages->answers.push_back(MsgAnswer::Yes);
        m_app->OnCommand(ID_FILE_WRITE);
        QCOMPARE(Texts(), (std::vector<std::string>{ text::CONFIRM_WRITE, text::WRITE_OK }));
        QVERIFY(!Doc().IsModified());
        // The summary says where the settings went, not that they were read and changed since.
        QVERIFY2(Doc().Source().startsWith(QStringLiteral("Settings written to the option board on COM1")),
                 qPrintable(Doc().Source()));
        QVERIFY(m_messages->shown.back().details.empty());

        // Verified: the box and the summary say the settings were read back the same.
        m_app->m_bVerifyAfterWrite = true;
        m_messages->Clear();
        m_messages->answers.push_back(MsgAnswer::Yes);
        m_app->OnCommand(ID_FILE_WRITE);
        QCOMPARE(m_messages->shown.back().details,
                 std::string("The settings were read back from the option board and found the same."));
        QVERIFY(Doc().Source().endsWith(QStringLiteral("read back and found the same")));
        // Nothing to save any more: exit asks nothing.
        m_messages->Clear();
        QVERIFY(Frame()->close());
        QVERIFY(m_messages->shown.empty());
    }

    void fleetStartsWithVerifyAfterWriteAndShowsOnlyTheRunUnderWay()
    {
        ReplaceRadio(SimConfigWithFaults({ "write-refused@board#5" })); // the first run's write
        QVERIFY(Open(ClockShiftFile(QStringLiteral("fleet.vgd"))));
        m_app->OnCommand(ID_OPTIONS_VERIFY);
        struct Run {
            int rows = 0;
            QString result, accessible, tally, time;
            bool icon = false;
        } first, second;
        bool verify = false;
        // What can be pressed while the first run works: nothing that would change
        // the file or the report under way, and Stop.
        struct {
            bool seen = false, browseFile = true, browseReport = true, stop = false;
        } during;
        QTimer::singleShot(0, Frame(), [&] {
            CFleetDialog* fleet = OpenDialog<CFleetDialog>();
            if (!fleet)
                return;
            verify = fleet->VerifyBox()->isChecked();
            fleet->findChild<QSpinBox*>()->setValue(1);
            QTimer::singleShot(0, fleet, [fleet, &during] {
                during = { true, fleet->BrowseFileButton()->isEnabled(), fleet->BrowseReportButton()->isEnabled(),
                           fleet->StopButton()->isEnabled() };
            });
            const auto take = [fleet](Run& run) {
                fleet->Start();
                QTableWidget* table = fleet->Table();
                run.rows = table->rowCount();
                run.result = table->item(0, 7)->text();
                run.accessible = table->item(0, 7)->data(Qt::AccessibleTextRole).toString();
                run.icon = !table->item(0, 7)->icon().isNull();
                run.time = table->item(0, 0)->text();
                run.tally = fleet->Tally()->text();
            };
            take(first);
            take(second);
            fleet->close();
        });
        m_app->OnCommand(ID_BOARD_FLEET);
        QVERIFY2(verify, "the verify box does not follow Options > Verify After Write");
        QVERIFY2(during.seen && !during.browseFile && !during.browseReport && during.stop,
                 "during a run the Browse buttons must be off and Stop on");
        QCOMPARE(first.rows, 1);
        QCOMPARE(first.result, QStringLiteral("Failed"));
        QCOMPARE(first.accessible, QStringLiteral("Failed: ") + QString::fromStdString(text::WRITE_FAILED));
        QVERIFY(first.icon);
        QCOMPARE(first.tally, QStringLiteral("0 radios programmed, 1 failed."));
        QVERIFY2(QRegularExpression(QStringLiteral("^\\d\\d:\\d\\d:\\d\\d$")).match(first.time).hasMatch(), qPrintable(first.time));
        // A new run starts from an empty table and counts from nought.
        QCOMPARE(second.rows, 1);
        QCOMPARE(second.result, QStringLiteral("OK"));
        QVERIFY(second.accessible.isEmpty() && !second.icon);
        QCOMPARE(second.tally, QStringLiteral("1 radio programmed, 0 failed."));
    }

    void checkConnectionShowsEachStageAndStopsAtTheRadioThatIsOff()
    {
        ReplaceRadio(SimConfigWithFaults({ "radio-off" }));
        QStringList lines;
        QTimer::singleShot(0, Frame(), [&] {
            CCheckDialog* check = OpenDialog<CCheckDialog>();
            if (!check)
                return;
            check->Run();
            for (int row = 0; row < check->Lines()->count(); ++row)
                lines.append(check->Lines()->item(row)->text());
            SaveShot(check, QStringLiteral("check-connection.png"));
            check->close();
        });
        m_app->OnCommand(ID_BOARD_CHECK);
        QCOMPARE(lines.size(), 3);
        QVERIFY2(lines[1].startsWith(QStringLiteral("\u2713 What is sent comes back")), qPrintable(lines[1]));
        QCOMPARE(lines[2], QStringLiteral("\u2717 The radio does not answer: switch it on, and check that it is in "
                                          "programming mode."));
        QVERIFY(Texts().empty()); // the stages say it all: no box
    }

    void fleetOnTwoPortsRunsBothIntoOneTableWithALinePerPort()
    {
        sim::SimulatedRadio second;
        std::string error;
        QVERIFY(second.Start(error));
        m_settings.Set(QStringLiteral("Ports/COM2"), QString::fromStdString(second.DevicePath()));
        QVERIFY(Open(ClockShiftFile(QStringLiteral("fleet.vgd"))));
        QStringList ports, lines;
        QString tally;
        bool hiddenLine = false;
        QTimer::singleShot(0, Frame(), [&] {
            CFleetDialog* fleet = OpenDialog<CFleetDialog>();
            if (!fleet)
                return;
            fleet->findChild<QSpinBox*>()->setValue(1);
            fleet->PortBox(1)->setChecked(true);
            fleet->Start();
            for (int row = 0; row < fleet->Table()->rowCount(); ++row)
                ports.append(fleet->Table()->item(row, 1)->text());
            lines = { fleet->PortLine(0)->text(), fleet->PortLine(1)->text() };
            hiddenLine = fleet->PortLine(2)->isHidden();
            tally = fleet->Tally()->text();
            SaveShot(fleet, QStringLiteral("fleet-two-ports.png"));
            fleet->close();
        });
        m_app->OnCommand(ID_BOARD_FLEET);
        ports.sort();
        QCOMPARE(ports, (QStringList{ QStringLiteral("COM1"), QStringLiteral("COM2") }));
        QCOMPARE(lines, (QStringList{ QStringLiteral("COM1: ended, 1 radio programmed, 0 failed."),
                                      QStringLiteral("COM2: ended, 1 radio programmed, 0 failed.") }));
        QVERIFY(hiddenLine);
        QCOMPARE(tally, QStringLiteral("2 radios programmed, 0 failed, on 2 ports."));
        QCOMPARE(RadioRequests(sim::RequestKind::BoardWrite), 1);
        const std::vector<sim::Request> secondRequests = second.History();
        QCOMPARE(std::count_if(secondRequests.begin(), secondRequests.end(),
                               [](const sim::Request& r) { return r.kind == sim::RequestKind::BoardWrite; }), 1);
    }
};

QTEST_MAIN(DocumentTest)
#include "document_test.moc"
