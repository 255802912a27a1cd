// Every window and dialog opens inside the screen's available area with nothing
// cut off. The test runs once per screen a technician may have (its size and
// scale come from the environment: the offscreen platform's screen and
// QT_SCALE_FACTOR), opening each window the way its command does.
#include "sim/simulated_radio.h"
#include "tests/support/operation_bench.h"
#include "tests/ui/ui_bench.h"
#include "ui/dialogs/find_cable_dialog.h"
#include "ui/windows/calibration_plot_window.h"

#include <QAbstractScrollArea>
#include <QLayout>
#include <QScreen>
#include <QTimer>

#include <functional>

class ScreensTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    QTemporaryDir m_files;
    QStringList m_problems;

    // What is wrong with how `window` sits on its screen; empty when nothing.
    static QStringList Problems(QWidget* window, const QString& name)
    {
        QStringList problems;
        const QRect screen = window->screen()->availableGeometry();
        if (!screen.contains(window->frameGeometry()))
            problems.append(QStringLiteral("%1: %2,%3 %4x%5 does not fit the screen's %6x%7")
                                .arg(name)
                                .arg(window->frameGeometry().x())
                                .arg(window->frameGeometry().y())
                                .arg(window->frameGeometry().width())
                                .arg(window->frameGeometry().height())
                                .arg(screen.width())
                                .arg(screen.height()));
        if (window->layout()) {
            const QSize least = window->layout()->totalMinimumSize();
            if (window->width() < least.width() || window->height() < least.height())
                problems.append(QStringLiteral("%1: squeezed below its least size").arg(name));
        }
        // A control outside the window, or reaching out of it, is cut off; what
        // a scroll area holds may reach beyond it, the area scrolls.
        for (QWidget* child : window->findChildren<QWidget*>()) {
            if (!child->isVisibleTo(window) || child->isWindow())
                continue;
            bool scrolled = false;
            for (QWidget* up = child->parentWidget(); up && up != window; up = up->parentWidget())
                scrolled = scrolled || qobject_cast<QAbstractScrollArea*>(up);
            if (scrolled)
                continue;
            const QRect place(child->mapTo(window, QPoint(0, 0)), child->size());
            if (!window->rect().contains(place))
                problems.append(QStringLiteral("%1: %2 \"%3\" is cut off")
                                    .arg(name, QString::fromLatin1(child->metaObject()->className()),
                                         child->accessibleName()));
        }
        const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
        if (!folder.isEmpty()) {
            const QString scale = qEnvironmentVariable("QT_SCALE_FACTOR", QStringLiteral("1"));
            window->grab().save(QStringLiteral("%1/screen-%2-%3.png").arg(QString::fromLocal8Bit(folder), scale, name));
        }
        return problems;
    }

    // Runs `open`, which opens a modal dialog, and looks at the dialog once it shows.
    void InspectModal(const QString& name, const std::function<void()>& open)
    {
        bool seen = false;
        QTimer poll;
        connect(&poll, &QTimer::timeout, this, [&] {
            QWidget* dialog = QApplication::activeModalWidget();
            if (!dialog || !dialog->isVisible())
                return;
            if (!seen)
                m_problems += Problems(dialog, name);
            seen = true;
            // A dialog busy with the radio closes once it is done.
            dialog->close();
        });
        poll.start(20);
        open();
        if (!seen)
            m_problems.append(name + QStringLiteral(": never opened"));
    }

private slots:
    void everyWindowOpensInsideTheScreen()
    {
        m_settings.Clear();
        ResetProgramState();
        sim::SimulatedRadio radio;
        std::string error;
        QVERIFY(radio.Start(error));
        m_settings.Set(QStringLiteral("Ports/COM1"), QString::fromStdString(radio.DevicePath()));
        const QString data = m_files.filePath(QStringLiteral("site7.vgd"));
        WriteFile(data, DefaultDataFile());
        RecordingPresenter messages;
        FastForwardClock clock; // the dialogs that talk to the radio need not take its pauses

        CVigilonOssApp app;
        QVERIFY(app.InitInstance({ QStringLiteral("vigilon-oss"), QStringLiteral("--lab"), data }));
        CMainFrame* frame = app.MainFrame();
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame));
        m_problems += Problems(frame, QStringLiteral("main-window"));

        const std::pair<int, const char*> commands[] = {
            { ID_BOARD_EDIT, "edit-data" },       { ID_BOARD_INFO, "board-info" },
            { ID_BOARD_CALIBRATE, "calibrate" },  { ID_FILE_READ_CAL, "read-calibration" },
            { ID_BOARD_FLEET, "fleet" },          { ID_BOARD_CHECK, "check-connection" },
            { ID_OPTIONS_CONFIGURATION, "configuration" }, { ID_OPTIONS_LANGUAGE, "language" },
            { ID_APP_ABOUT, "about" },            { ID_FILE_OPEN_BACKUP, "backups" },
            { ID_OPTIONS_HISTORY, "history-options" },
        };
        for (const auto& [id, name] : commands)
            InspectModal(QString::fromLatin1(name), [&app, id = id] { app.OnCommand(id); });
        InspectModal(QStringLiteral("find-cable"), [frame] {
            CFindCableDialog finder(frame, [] { return std::vector<SerialDevice>(); });
            finder.exec();
        });

        app.OnCommand(ID_HELP_FINDER);
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (window != frame && window->isVisible() && !window->inherits("QMenu"))
                m_problems += Problems(window, QStringLiteral("help"));
        }

        const QString exported = m_files.filePath(QStringLiteral("cal.txt"));
        WriteCalibrationExport(exported);
        std::unique_ptr<CCalibrationPlotWindow> plot(CCalibrationPlotWindow::Open(frame, exported));
        QVERIFY(plot && QTest::qWaitForWindowExposed(plot.get()));
        m_problems += Problems(plot.get(), QStringLiteral("calibration-plot"));

        app.OnCommand(ID_VIEW_HISTORY);
        QVERIFY(app.History() && QTest::qWaitForWindowExposed(app.History()));
        m_problems += Problems(app.History(), QStringLiteral("history"));

        app.ExitInstance();
        QVERIFY2(m_problems.isEmpty(), qPrintable(m_problems.join(QLatin1Char('\n'))));
    }
};

QTEST_MAIN(ScreensTest)
#include "screens_test.moc"
