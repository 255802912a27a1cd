// View > Service History on a history of 100 000 entries: the window opens at
// once and reads only the rows it shows, lists the newest first, follows the
// radio filter and shows what a write changed; an entry's settings open as a
// copy after the save question and compare with the document. Options >
// Service History asks before it removes old entries. On a short history the
// window's picture for the README (VIGILON_SCREENSHOTS).
#include "app/history_store.h"
#include "app/service_history.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "tests/ui/ui_bench.h"
#include "ui/dialogs/history_options_dialog.h"
#include "ui/windows/history_details.h"
#include "ui/windows/history_model.h"
#include "ui/windows/history_window.h"

#include <QDateEdit>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTableView>

namespace {

constexpr int ENTRIES = 100000;
constexpr int RADIOS = 500;

DataFileBytes Settings(bool clockShift)
{
    QByteArray bytes = DefaultDataFile();
    if (clockShift) {
        bytes[25] = 1;
        bytes[3] = char(0xFF); // checksum 0x00FF
    }
    DataFileBytes settings{};
    std::copy(bytes.begin(), bytes.end(), settings.begin());
    return settings;
}

HistoryEntry Entry(const QDateTime& utc, const std::string& operation, const std::string& radio)
{
    HistoryEntry entry;
    entry.time = utc.toString(Qt::ISODateWithMs).toStdString();
    entry.user = "kim";
    entry.host = "bench-2";
    entry.bench = "Bench 2";
    entry.program = "vigilon-oss 0.1.0";
    entry.port = "COM1";
    entry.device = "/dev/ttyUSB0";
    entry.radioInfo = radio;
    entry.boardType = "Vigilon";
    entry.boardHardware = "R2";
    entry.boardSoftware = "1.04";
    entry.boardCodeplug = "01.00";
    entry.operation = operation;
    entry.result = "succeeded";
    return entry;
}

const QDateTime FIRST(QDate(2025, 1, 1), QTime(8, 0), Qt::UTC);

} // namespace

class HistoryWindowTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    std::unique_ptr<QTemporaryDir> m_data;

    // The data folder, and so the service history, of this test alone from now on.
    void NewDataFolder()
    {
        m_data.reset(new QTemporaryDir);
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data->path()));
    }

    static std::unique_ptr<CVigilonOssApp> Start(const QStringList& arguments = {})
    {
        std::unique_ptr<CVigilonOssApp> app(new CVigilonOssApp);
        if (!app->InitInstance(QStringList{ QStringLiteral("vigilon-oss") } + arguments))
            return nullptr;
        return app;
    }

private slots:
    // Radio i % 500 each minute, in turn a read of the factory settings, a write
    // of them with the clock shift on (every seventh operation fails), and an
    // information.
    void initTestCase()
    {
        NewDataFolder();
        HistoryStore store(ServiceHistoryPath());
        QVERIFY(store.Open());
        constexpr int BATCH = 10000;
        for (int first = 0; first < ENTRIES; first += BATCH) {
            std::vector<HistoryEntry> batch;
            for (int i = first; i < first + BATCH; ++i) {
                static const char* const operations[] = { "read", "write", "information" };
                HistoryEntry entry = Entry(FIRST.addSecs(60LL * i), operations[i % 3],
                                           QStringLiteral("RADIO-%1").arg(i % RADIOS, 5, 10, QLatin1Char('0')).toStdString());
                if (i % 3 == 0)
                    entry.settingsRead = Settings(false);
                if (i % 3 == 1)
                    entry.settingsWritten = Settings(true);
                if (i % 7 == 0)
                    entry.result = "failed";
                batch.push_back(std::move(entry));
            }
            QVERIFY2(store.AddAll(batch), store.Error().c_str());
        }
    }

    void init()
    {
        m_settings.Clear();
        ResetProgramState();
    }

    void aHundredThousandEntriesOpenAtOnceNewestFirst()
    {
        auto app = Start();
        QVERIFY(app);
        QElapsedTimer clock;
        clock.start();
        app->OnCommand(ID_VIEW_HISTORY);
        HistoryWindow* window = app->History();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        QCoreApplication::processEvents();
        const qint64 opened = clock.elapsed();
        qInfo("The window opened on %d entries in %lld ms", ENTRIES, static_cast<long long>(opened));
        QVERIFY2(opened < 2000, "opening reads more than the rows it shows");

        HistoryModel* model = window->Model();
        QCOMPARE(model->rowCount(), ENTRIES);
        QVERIFY(model->PagesRead() <= 2);
        QVERIFY(model->Entry(0));
        QCOMPARE(QString::fromStdString(model->Entry(0)->time), FIRST.addSecs(60LL * (ENTRIES - 1)).toString(Qt::ISODateWithMs));
        QCOMPARE(window->Table()->currentIndex().row(), 0);
        // The end of the list is read, not all that comes before it.
        window->Table()->scrollToBottom();
        QCoreApplication::processEvents();
        QVERIFY(model->Entry(ENTRIES - 1));
        QCOMPARE(QString::fromStdString(model->Entry(ENTRIES - 1)->time), FIRST.toString(Qt::ISODateWithMs));
        QVERIFY(model->PagesRead() <= 2 + HistoryModel::PAGES_KEPT);

        // RADIO-00040 to RADIO-00049: ten radios of the 500, with 200 entries each.
        QTest::keyClicks(window->RadioFilter(), QStringLiteral("RADIO-0004"));
        QTRY_COMPARE(model->rowCount(), ENTRIES / RADIOS * 10);
        QVERIFY(QString::fromStdString(model->Entry(0)->radioInfo).startsWith(QStringLiteral("RADIO-0004")));

        // A write: against the read of its radio before it, the clock shift went on.
        int write = 0;
        while (model->Entry(write) && model->Entry(write)->operation != "write")
            ++write;
        QVERIFY(model->Entry(write));
        window->Table()->setCurrentIndex(model->index(write, 0));
        const QString details = window->Details()->Text();
        QVERIFY2(details.contains(QStringLiteral("Changed from the settings the radio held before:\nClock Shift: off -> on")),
                 qPrintable(details));

        // By keyboard: Enter goes on to the details, Esc closes the window.
        QTest::keyClick(window->Table(), Qt::Key_Return);
        QCOMPARE(window->focusWidget(), static_cast<QWidget*>(window->Details()));
        QTest::keyClick(window->Details(), Qt::Key_Escape);
        QTRY_VERIFY(!app->History());
    }

    void anEntryOpensAsACopyAfterTheSaveQuestionAndComparesWithIt()
    {
        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("site7.vgd"));
        WriteFile(path, DefaultDataFile());
        auto app = Start({ path });
        QVERIFY(app);
        app->Document().SetModifiedFlag(true);
        app->OnCommand(ID_VIEW_HISTORY);
        HistoryWindow* window = app->History();
        QVERIFY(window);
        HistoryModel* model = window->Model();
        // The newest write: the third row.
        QVERIFY(model->Entry(2) && model->Entry(2)->operation == "write");
        const int64_t id = model->Entry(2)->id;
        const QString time = QString::fromStdString(model->Entry(2)->time);
        window->Table()->setCurrentIndex(model->index(2, 0));

        RecordingPresenter messages;
        messages.answers = { MsgAnswer::No };
        QTest::mouseClick(window->OpenButton(), Qt::LeftButton);
        QCOMPARE(messages.Texts().at(0), std::string("Save changes to site7.vgd?"));
        CVigilonOssDoc& doc = app->Document();
        QVERIFY(doc.dataLoaded && !doc.IsModified());
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1));
        QCOMPARE(app->MainFrame()->windowTitle(),
                 QStringLiteral("Vigilon OSS - service history entry %1 (opened as a copy)").arg(id));

        QVERIFY(window->CompareButton()->isEnabled());
        QTest::mouseClick(window->CompareButton(), Qt::LeftButton);
        QCOMPARE(messages.Texts().back(),
                 QStringLiteral("The settings are the same as in service history entry %1.").arg(id).toStdString());
        // Save asks where, proposing the port and the entry's local time.
        ScriptedFileDialogs dialogs;
        app->OnCommand(ID_FILE_SAVE);
        QCOMPARE(dialogs.proposals.size(), 1);
        const QString stamp = QDateTime::fromString(time, Qt::ISODateWithMs).toLocalTime().toString(QStringLiteral("yyyy-MM-dd_HHmmss"));
        QVERIFY2(dialogs.proposals[0].endsWith(QStringLiteral("/COM1_") + stamp + QStringLiteral(".vgd")),
                 qPrintable(dialogs.proposals[0]));
    }

    // The question counts what the removal takes: up to the day's first
    // millisecond, local time, and not that one.
    void removingOldEntriesSaysHowManyFirst()
    {
        NewDataFolder();
        const QDate day(2026, 3, 10);
        std::vector<HistoryEntry> entries{
            Entry(QDateTime(day.addDays(-1), QTime(23, 59, 59, 999)).toUTC(), "read", "SR-9 R02.10"),
            Entry(QDateTime(day, QTime(0, 0)).toUTC(), "read", "SR-9 R02.10"),
        };
        QVERIFY(HistoryStore(ServiceHistoryPath()).AddAll(entries));
        HistoryOptionsDialog dialog(nullptr);
        QCOMPARE(dialog.CountText()->text(), QStringLiteral("Entries in it: 2"));
        dialog.OlderThan()->setDate(day);
        RecordingPresenter messages;
        messages.answers = { MsgAnswer::Yes };
        QTest::mouseClick(dialog.RemoveButton(), Qt::LeftButton);
        const std::string shown = QLocale().toString(day, QLocale::ShortFormat).toStdString();
        QCOMPARE(messages.Texts(), (std::vector<std::string>{
                                       "Entries older than " + shown
                                           + ": 1.\nRemove them from the service history? This cannot be undone.",
                                       "Entries removed: 1." }));
        QCOMPARE(dialog.CountText()->text(), QStringLiteral("Entries in it: 1"));
    }

    // Entries added while the window is open and in use show without leaving it.
    void anOpenWindowFollowsWhatIsAddedMeanwhile()
    {
        NewDataFolder();
        std::vector<HistoryEntry> first{ Entry(FIRST, "read", "SR-9 R02.10") };
        QVERIFY(HistoryStore(ServiceHistoryPath()).AddAll(first));
        auto app = Start();
        QVERIFY(app);
        app->OnCommand(ID_VIEW_HISTORY);
        HistoryWindow* window = app->History();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        window->activateWindow();
        QCOMPARE(window->Model()->rowCount(), 1);
        std::vector<HistoryEntry> later{ Entry(FIRST.addSecs(60), "write", "SR-9 R02.10") };
        QVERIFY(HistoryStore(ServiceHistoryPath()).AddAll(later));
        QTRY_COMPARE_WITH_TIMEOUT(window->Model()->rowCount(), 2, 5000);
        QCOMPARE(window->Model()->Entry(0)->operation, std::string("write"));
    }

    // A read, a verified write that changed one setting, a failed write on
    // another port and a radio of a fleet run, the verified write chosen.
    void pictureForTheReadme()
    {
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("VIGILON_SCREENSHOTS names no folder");
        NewDataFolder();
        HistoryStore store(ServiceHistoryPath());
        const QDateTime morning(QDate(2026, 12, 9), QTime(8, 12, 40), Qt::UTC);
        HistoryRun run;
        run.settingsFile = "/home/kim/depot/site7.vgd";
        run.settingsSha256 = "9f2c41d07be5a3f1c6e88d2b0a7d4e95c3b1f6a8e0d27c94b5a61f38e2d0c7a4";
        run.ports = "COM1, COM2";
        run.count = 12;
        run.started = morning.addSecs(3600).toString(Qt::ISODateWithMs).toStdString();
        const int64_t runId = store.BeginRun(run);
        QVERIFY(runId > 0);
        QVERIFY(store.EndRun(runId, morning.addSecs(4200).toString(Qt::ISODateWithMs).toStdString()));

        std::vector<HistoryEntry> entries;
        HistoryEntry read = Entry(morning, "read", "SR-9 R02.10");
        read.settingsRead = Settings(false);
        read.backupFile = "/home/kim/.local/share/Ardentec/Vigilon OSS/backups/2026-12-09_091240_COM1.vgd";
        read.messages = { LoadString(IDS_READ_OK) };
        entries.push_back(read);
        HistoryEntry write = Entry(morning.addSecs(95), "write", "SR-9 R02.10");
        write.settingsWritten = Settings(true);
        write.verified = true;
        write.messages = { LoadString(IDS_WRITE_OK) };
        entries.push_back(write);
        HistoryEntry failed = Entry(morning.addSecs(410), "write", "SR-9 R02.12");
        failed.port = "COM2";
        failed.device = "/dev/ttyUSB1";
        failed.boardType = failed.boardHardware = failed.boardSoftware = failed.boardCodeplug = "";
        failed.result = "failed";
        failed.settingsWritten = Settings(true);
        failed.messages = { LoadString(IDS_NO_RESPONSE_RADIO) };
        entries.push_back(failed);
        HistoryEntry fleet = Entry(morning.addSecs(3700), "fleet", "SR-9 R02.10");
        fleet.program = "vigilon-oss-cli 0.1.0";
        fleet.port = "COM2";
        fleet.device = "/dev/ttyUSB1";
        fleet.settingsWritten = Settings(true);
        fleet.verified = true;
        fleet.fleetRun = runId;
        entries.push_back(fleet);
        QVERIFY(store.AddAll(entries));

        QTemporaryDir files;
        const QString path = files.filePath(QStringLiteral("site7.vgd"));
        WriteFile(path, DefaultDataFile());
        auto app = Start({ path });
        QVERIFY(app);
        app->OnCommand(ID_VIEW_HISTORY);
        HistoryWindow* window = app->History();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        window->Table()->setCurrentIndex(window->Model()->index(0, 0));
        QVERIFY(window->Details()->Text().contains(QStringLiteral("Fleet run: number %1: settings /home/kim/depot/site7.vgd").arg(runId)));
        window->Table()->setCurrentIndex(window->Model()->index(2, 0));
        // The size it has on a desktop screen, wider than the offscreen one.
        window->resize(1100, 780);
        QCoreApplication::processEvents();
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QVERIFY(window->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/history-window.png")));
    }
};

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
