// Export Job Sheet... in the service history's window, on a radio of a fleet
// run whose time overlaps another run's: asked, the sheet holds every radio of
// that run and nothing of the other; declined, that radio alone. On the side,
// the README's picture of a run's sheet (VIGILON_SCREENSHOTS).
#include "app/history_store.h"
#include "app/service_history.h"
#include "jobsheet/job_sheet.h"
#include "jobsheet/job_sheet_sources.h"
#include "tests/ui/ui_bench.h"
#include "ui/windows/history_model.h"
#include "ui/windows/history_window.h"

#include <QPushButton>
#include <QTableView>

#include <cstdio>

namespace {

const QDateTime MORNING(QDate(2026, 12, 9), QTime(8, 30), Qt::UTC);

QString Time(int minutes)
{
    return MORNING.addSecs(60 * minutes).toString(Qt::ISODateWithMs);
}

DataFileBytes Settings()
{
    const QByteArray bytes = DefaultDataFile();
    DataFileBytes settings{};
    std::copy(bytes.begin(), bytes.end(), settings.begin());
    return settings;
}

HistoryEntry Radio(int minutes, int64_t run, const std::string& radio, const std::string& id, bool ok = true)
{
    HistoryEntry entry;
    entry.time = Time(minutes).toStdString();
    entry.user = "kim";
    entry.host = "bench-2";
    entry.bench = "Bench 2, workshop";
    entry.program = "vigilon-oss-cli 0.1.0";
    entry.port = run == 1 ? "COM1" : "COM2";
    entry.radioInfo = radio;
    entry.radioId = id;
    entry.boardType = "Vigilon";
    entry.boardHardware = "R2";
    entry.boardSoftware = "1.04";
    entry.boardCodeplug = "01.00";
    entry.operation = "fleet";
    entry.result = ok ? "succeeded" : "failed";
    entry.verified = ok;
    entry.settingsWritten = Settings();
    if (!ok)
        entry.messages = { "No response from radio." };
    entry.fleetRun = run;
    return entry;
}

QString PdfText(const QString& pdf)
{
    QString text;
    if (std::FILE* pipe
        = ::popen((std::string(VIGILON_PDFTOTEXT) + " -layout '" + pdf.toStdString() + "' -").c_str(), "r")) {
        char buffer[4096];
        for (size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
            text += QString::fromUtf8(buffer, static_cast<int>(got));
        ::pclose(pipe);
    }
    return text;
}

} // namespace

class JobSheetTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    QTemporaryDir m_data;
    int64_t m_site7 = 0; // the run the radio chosen belongs to

private slots:
    // Run 1 on COM1 from 9:30 to 10:30; run 2 on COM2 from 9:40 to 10:00,
    // its radios between run 1's; a read of another radio amid them.
    void initTestCase()
    {
        qputenv("XDG_DATA_HOME", QFile::encodeName(m_data.path()));
        HistoryStore store(ServiceHistoryPath());
        HistoryRun depot;
        depot.settingsFile = "/home/kim/depot/standard.vgd";
        depot.ports = "COM1";
        depot.started = Time(0).toStdString();
        depot.ended = Time(60).toStdString();
        HistoryRun site7;
        site7.settingsFile = "/home/kim/depot/site7.vgd";
        site7.settingsSha256 = "9f2c41d07be5a3f1c6e88d2b0a7d4e95c3b1f6a8e0d27c94b5a61f38e2d0c7a4";
        site7.ports = "COM2";
        site7.count = 3;
        site7.started = Time(10).toStdString();
        site7.ended = Time(30).toStdString();
        QCOMPARE(store.BeginRun(depot), int64_t(1));
        m_site7 = store.BeginRun(site7);
        QCOMPARE(m_site7, int64_t(2));
        QVERIFY(store.EndRun(1, depot.ended) && store.EndRun(m_site7, site7.ended));
        std::vector<HistoryEntry> entries{
            Radio(5, 1, "SR-9 R02.10 #101", "DEPOT-101"),
            Radio(12, 2, "SR-9 R02.10 #201", "SITE7-0201"),
            Radio(14, 1, "SR-9 R02.10 #102", "DEPOT-102"),
            Radio(16, 2, "SR-9 R02.10 #202", "SITE7-0202", false),
            Radio(21, 2, "SR-9 R02.10 #203", "SITE7-0203"),
        };
        HistoryEntry read = Radio(22, 0, "SR-9 R02.12", "LOOSE-1");
        read.operation = "read";
        entries.push_back(read);
        QVERIFY2(store.AddAll(entries), store.Error().c_str());
    }

    void init()
    {
        m_settings.Clear();
        ResetProgramState();
    }

    void aRadioOfARunGivesTheRunsSheetOrItsOwn()
    {
        if (QByteArray(VIGILON_PDFTOTEXT).contains("NOTFOUND"))
            QSKIP("pdftotext (poppler-utils) is not installed");
        std::unique_ptr<CVigilonOssApp> app(new CVigilonOssApp);
        QVERIFY(app->InitInstance({ QStringLiteral("vigilon-oss") }));
        app->OnCommand(ID_VIEW_HISTORY);
        HistoryWindow* window = app->History();
        QVERIFY(window && QTest::qWaitForWindowExposed(window));
        int row = -1;
        for (int i = 0; i < window->Model()->rowCount(); ++i) {
            if (window->Model()->Entry(i)->radioId == "SITE7-0202")
                row = i;
        }
        QVERIFY(row >= 0);
        window->Table()->setCurrentIndex(window->Model()->index(row, 0));
        QVERIFY(window->JobSheetButton()->isEnabled());

        QTemporaryDir files;
        ScriptedFileDialogs dialogs;
        RecordingPresenter messages;
        const QString runSheet = files.filePath(QStringLiteral("run.pdf"));
        dialogs.answers = { runSheet };
        messages.answers = { MsgAnswer::Yes };
        QTest::mouseClick(window->JobSheetButton(), Qt::LeftButton);
        QVERIFY2(dialogs.proposals.value(0).endsWith(QStringLiteral("/job-sheet-run-2.pdf")),
                 qPrintable(dialogs.proposals.value(0)));
        QCOMPARE(messages.Texts().back(), "The job sheet was written to " + runSheet.toStdString() + ".");
        const QString run = PdfText(runSheet);
        for (const char* radio :
             {"SITE7-0201", "SITE7-0202", "SITE7-0203", "No response from radio.", "2 radios programmed, 1 failed."})
            QVERIFY2(run.contains(QLatin1String(radio)), radio);
        for (const char* other : { "DEPOT-10", "LOOSE-1" })
            QVERIFY2(!run.contains(QLatin1String(other)), other);

        const QString entrySheet = files.filePath(QStringLiteral("entry.pdf"));
        dialogs.answers = { entrySheet };
        messages.answers = { MsgAnswer::No };
        QTest::mouseClick(window->JobSheetButton(), Qt::LeftButton);
        const QString entry = PdfText(entrySheet);
        QVERIFY(entry.contains(QLatin1String("SITE7-0202")));
        QVERIFY(!entry.contains(QLatin1String("SITE7-0201")));
    }

    void pictureForTheReadme()
    {
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (folder.isEmpty())
            QSKIP("VIGILON_SCREENSHOTS names no folder");
        HistoryStore store(ServiceHistoryPath());
        JobSheet sheet;
        QVERIFY(RunJobSheet(store, m_site7, sheet));
        QDir().mkpath(QString::fromLocal8Bit(folder));
        QVERIFY(JobSheetPicture(sheet, 100).save(QString::fromLocal8Bit(folder) + QStringLiteral("/job-sheet.png")));
    }
};

QTEST_MAIN(JobSheetTest)
#include "job_sheet_test.moc"
