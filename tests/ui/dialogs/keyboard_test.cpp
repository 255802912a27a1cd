// Everything by keyboard alone: the keys go where the focus is, as a keyboard
// sends them. Edit Data is changed and accepted through Tab, mnemonics, the
// arrows, Space and Enter; the fleet dialog's tab order is walked and a run
// started and closed; Enter on the summary and Ctrl+E open Edit Data; Esc
// closes the help window; while the radio works, a dialog's pop-ups take keys
// and clicks.
#include "sim/simulated_radio.h"
#include "tests/support/map_resolver.h"
#include "tests/ui/ui_bench.h"
#include "ui/dialogs/edit_data_dialog.h"
#include "ui/dialogs/fleet_dialog.h"
#include "ui/host/gui_host.h"
#include "ui/windows/help_window.h"

#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialog>
#include <QLineEdit>
#include <QListView>
#include <QStringListModel>
#include <QVBoxLayout>
#include <QTableWidget>
#include <QTimer>

namespace {

void Press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    QTest::keyClick(QApplication::focusWidget(), static_cast<Qt::Key>(key), modifiers);
}

// Whether the focus is (or comes, as the window is activated) inside the window.
bool FocusIn(QWidget* window)
{
    return QTest::qWaitFor([window] { return window->isAncestorOf(QApplication::focusWidget()); });
}

QString FocusName()
{
    QWidget* focus = QApplication::focusWidget();
    return focus ? QAccessible::queryAccessibleInterface(focus)->text(QAccessible::Name) : QString();
}

// Runs `keys` in the modal dialog that `open` brings up; a dialog the keys
// leave open is closed after a while, so that the test fails instead of hanging.
void InModal(const std::function<void(QWidget*)>& keys, const std::function<void()>& open)
{
    QTimer::singleShot(0, [keys] {
        // The keys go to the dialog once its first control has the focus.
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog && FocusIn(dialog))
            keys(dialog);
    });
    QTimer guard;
    guard.setSingleShot(true);
    QObject::connect(&guard, &QTimer::timeout, [] {
        if (QWidget* dialog = QApplication::activeModalWidget())
            dialog->close();
    });
    guard.start(30000);
    open();
}

} // namespace

class KeyboardTest : public QObject {
    Q_OBJECT

private:
    ScratchSettings m_settings;
    QTemporaryDir m_files;

private slots:
    void init()
    {
        m_settings.Clear();
        ResetProgramState();
    }

    void editDataIsChangedAndAcceptedByKeys()
    {
        RecordingPresenter messages;
        CEditDataDialog dialog(nullptr);
        bool clockShiftTicked = false;
        InModal(
            [&](QWidget*) {
                Press(Qt::Key_P, Qt::AltModifier); // Man Down's Pre Alert Time
                Press(Qt::Key_Up);
                Press(Qt::Key_Tab); // its Alert Time: the arrows take no focus
                Press(Qt::Key_Down);
                Press(Qt::Key_Tab); // Activation Angle
                Press(Qt::Key_Down);
                Press(Qt::Key_Tab); // Anti-Movement Alarm
                Press(Qt::Key_Space);
                Press(Qt::Key_K, Qt::AltModifier); // Clock Shift, ticked as it is clicked
                QCheckBox* clockShift = qobject_cast<QCheckBox*>(dialog.Item(IDC_CLOCK_SHIFT));
                clockShiftTicked = QTest::qWaitFor([clockShift] { return clockShift->isChecked(); });
                Press(Qt::Key_Return);
            },
            [&] { QCOMPARE(dialog.DoModal(), int(QDialog::Accepted)); });
        QVERIFY(clockShiftTicked);
        QVERIFY(messages.shown.empty());
        QCOMPARE(theOptionBoardData.tiltPreAlertTime.Get(), 101);
        QCOMPARE(theOptionBoardData.tiltAlertTime.Get(), 9);
        QCOMPARE(theOptionBoardData.activationAngle.Get(), 2);
        QCOMPARE(theOptionBoardData.antiMovementAlarm.Get(), uint8_t(0));
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1));
    }

    void theFleetRunsByKeysInATabOrderDownTheForm()
    {
        sim::SimulatedRadio radio;
        std::string error;
        QVERIFY(radio.Start(error));
        MapResolver resolver({ { "COM1", radio.DevicePath() } });
        GuiHost host;
        const auto settings = [](const QString&, uint8_t* image) {
            theOptionBoardData.ToImage(image);
            return true;
        };
        CFleetDialog dialog(nullptr, host, 0, settings, false);
        const QString report = m_files.filePath(QStringLiteral("fleet.csv"));
        QStringList order;
        int rows = 0;
        InModal(
            [&](QWidget*) {
                for (int field = 0; field < 15; ++field) {
                    order.append(FocusName());
                    Press(Qt::Key_Tab);
                }
                Press(Qt::Key_R, Qt::AltModifier);
                Press(Qt::Key_Up); // one radio
                Press(Qt::Key_W, Qt::AltModifier);
                Press(Qt::Key_E, Qt::AltModifier);
                QTest::keyClicks(QApplication::focusWidget(), report);
                Press(Qt::Key_T, Qt::AltModifier);
                // The run is over when the inputs take keys again.
                if (QTest::qWaitFor([&dialog] { return dialog.Table()->rowCount() > 0 && dialog.VerifyBox()->isEnabled(); },
                                    20000))
                    rows = dialog.Table()->rowCount();
                Press(Qt::Key_Escape);
            },
            [&] { QCOMPARE(dialog.exec(), int(QDialog::Rejected)); });
        QCOMPARE(order, (QStringList{ "Settings:", "Browse for the settings file", "COM1", "COM2", "COM3", "COM4",
                                      "Radios per port:", "Read the settings back after each write",
                                      "Ask for each radio's ID before it is connected", "Report:",
                                      "Browse for the report", "Radios of this run", "Start", "Close", "Settings:" }));
        QCOMPARE(rows, 1);
        QCOMPARE(dialog.Table()->item(0, 7)->text(), QStringLiteral("OK"));
        QVERIFY(dialog.VerifyBox()->isChecked());
        QFile written(report);
        QVERIFY(written.open(QIODevice::ReadOnly));
        QCOMPARE(written.readAll().count('\n'), 2); // the titles and the radio
    }

    void enterOnTheSummaryAndCtrlEOpenEditData()
    {
        const QString path = m_files.filePath(QStringLiteral("board.vgd"));
        WriteFile(path, DefaultDataFile());
        CVigilonOssApp app;
        QVERIFY(app.InitInstance({ QStringLiteral("vigilon-oss"), path }));
        QVERIFY(FocusIn(app.MainFrame()));
        QCOMPARE(FocusName(), QStringLiteral("Settings Summary"));
        int opened = 0;
        const auto close = [&opened](QWidget* dialog) {
            opened += dynamic_cast<CEditDataDialog*>(dialog) != nullptr;
            Press(Qt::Key_Escape);
        };
        InModal(close, [] { Press(Qt::Key_Return); });
        app.MainFrame()->activateWindow(); // the offscreen platform has no window manager to do it
        QVERIFY(FocusIn(app.MainFrame()));
        InModal(close, [] { Press(Qt::Key_E, Qt::ControlModifier); });
        QCOMPARE(opened, 2);
    }

    void escClosesTheHelpWindow()
    {
        HelpWindow help;
        help.ShowContents();
        QVERIFY(FocusIn(&help));
        Press(Qt::Key_Escape);
        QVERIFY(!help.isVisible());
    }
    void aDialogsPopUpsTakeInputWhileTheRadioWorks()
    {
        // As the Save As after a read-out: a name completer and a drop-down list.
        GuiHost host;
        host.BeginWaitCursor();
        QDialog dialog;
        QLineEdit* name = new QLineEdit(&dialog);
        QCompleter* completer = new QCompleter(QStringList{ "/alpha", "/beta", "/gamma" }, name);
        name->setCompleter(completer);
        QComboBox* kind = new QComboBox(&dialog);
        kind->addItems({ "one", "two", "three" });
        QVBoxLayout* layout = new QVBoxLayout(&dialog);
        layout->addWidget(name);
        layout->addWidget(kind);
        bool completerOpened = false, listOpened = false;
        InModal(
            [&](QWidget*) {
                name->setFocus();
                QTest::keyClick(name, Qt::Key_Slash);
                completerOpened = QTest::qWaitFor([completer] { return completer->popup()->isVisible(); });
                if (!completerOpened)
                    return;
                // Keys go to the open pop-up, which hands the typing on to the field.
                QTest::keyClick(QApplication::activePopupWidget(), Qt::Key_B);
                QAbstractItemView* popup = completer->popup();
                const QModelIndex beta = popup->model()->index(0, 0);
                QTest::mouseClick(popup->viewport(), Qt::LeftButton, {}, popup->visualRect(beta).center());
                kind->showPopup();
                listOpened = QTest::qWaitFor([kind] { return kind->view()->isVisible(); });
                if (!listOpened)
                    return;
                QTest::keyClick(kind->view(), Qt::Key_Down);
                QTest::keyClick(kind->view(), Qt::Key_Down);
                QTest::keyClick(kind->view(), Qt::Key_Return);
                if (QTest::qWaitFor([kind] { return !kind->view()->isVisible(); }))
                    dialog.accept();
            },
            [&] { dialog.exec(); });
        host.EndWaitCursor();
        QVERIFY(completerOpened);
        QCOMPARE(name->text(), QStringLiteral("/beta"));
        QVERIFY(listOpened);
        QCOMPARE(kind->currentText(), QStringLiteral("three"));
        QCOMPARE(dialog.result(), int(QDialog::Accepted));
    }
};

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
