// The dialogs: the validated controls, Edit Data with its alarm rule and store
// procedure, Configuration with the port probe, Information against the
// simulated radio, the calibration and read-out dialogs; and a picture of each.
#include "board/modified_sink.h"
#include "app/settings.h"
#include "link/port_resolver.h"
#include "link/serial_port.h"
#include "operations/read_operation.h"
#include "seams/clock.h"
#include "sim/simulated_radio.h"
#include "tests/support/board_fixture.h"
#include "tests/support/map_resolver.h"
#include "tests/support/message_texts.h"
#include "tests/support/operation_bench.h"
#include "tests/support/pty_peer.h"
#include "tests/ui/ui_bench.h"
#include "ui/host/readout_progress.h"
#include "ui/controls/up_down_control.h"
#include "ui/dialogs/board_dialogs.h"
#include "resources/string_ids.h"
#include "ui/dialogs/configuration_dialog.h"
#include "ui/base/ui_text.h"
#include "ui/dialogs/edit_data_dialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QClipboard>
#include <QGuiApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>

#include <cmath>
#include <memory>
#include <unistd.h>

namespace {

int g_beeps = 0;
void CountBeep()
{
    ++g_beeps;
}

// Opens dialogs the way DoModal does, without entering their modal loop.
template <typename Dialog>
class Opened : public Dialog {
public:
    template <typename... Args>
    explicit Opened(Args&&... args) : Dialog(std::forward<Args>(args)...)
    {
        this->OnInitDialog();
        if (!this->HasEnded()) {
            this->show();
            QCoreApplication::processEvents(); // the posted check box notifications
            QCoreApplication::processEvents();
        }
    }
    void PressOk() { this->OnOK(); }
    QCheckBox* Box(int id) { return qobject_cast<QCheckBox*>(this->Item(id)); }
    QLineEdit* Edit(int id) { return qobject_cast<QLineEdit*>(this->Item(id)); }
    QComboBox* List(int id) { return qobject_cast<QComboBox*>(this->Item(id)); }
    bool Enabled(int id) { return this->Item(id)->isEnabled(); }
};

void Screenshot(QWidget* widget, const QString& name)
{
    const QByteArray folder = qgetenv("VIGILON_SCREENSHOTS");
    if (folder.isEmpty())
        return;
    QDir().mkpath(QString::fromLocal8Bit(folder));
    widget->grab().save(QString::fromLocal8Bit(folder) + QStringLiteral("/") + name + QStringLiteral(".png"));
}

// The contrast ratio of two colours, as the accessibility guidelines reckon it.
double Contrast(const QColor& one, const QColor& other)
{
    const auto luminance = [](const QColor& colour) {
        const auto linear = [](double c) { return c <= 0.03928 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4); };
        return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) + 0.0722 * linear(colour.blueF());
    };
    const double a = luminance(one) + 0.05;
    const double b = luminance(other) + 0.05;
    return std::max(a, b) / std::min(a, b);
}

// The control a label names.
QWidget* BuddyOf(QWidget* dialog, const QString& label)
{
    for (QLabel* found : dialog->findChildren<QLabel*>()) {
        if (found->text() == label)
            return found->buddy();
    }
    return nullptr;
}

const std::vector<int> TILT_GROUP = { 1007, 1006, 1005, 1010, 1009, 1008, 1012, 1011 };
const std::vector<int> ANTI_MOVEMENT_GROUP = { 1014, 1015, 1016, 1017, 1018, 1019 };
const std::vector<int> MOVEMENT_GROUP = { 1021, 1022, 1023, 1024, 1025, 1026, 1027 };

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<RecordingPresenter> m_messages;
    ScratchSettings m_settings;

    template <typename Dialog>
    bool AllEnabled(Opened<Dialog>& dialog, const std::vector<int>& ids, bool enabled)
    {
        for (int id : ids) {
            if (dialog.Enabled(id) != enabled) {
                qWarning("control %d is %s", id, enabled ? "greyed" : "enabled");
                return false;
            }
        }
        return true;
    }

private slots:
    void init()
    {
        ResetProgramState();
        m_settings.Clear();
        theOptionBoardData.modifiedSink = nullptr;
        m_messages.reset(new RecordingPresenter);
        g_beeps = 0;
        SetWarningBeep(&CountBeep);
    }
    void cleanup()
    {
        SetWarningBeep(nullptr);
        m_messages.reset();
    }

    // --- Edit Option Board Data ---

    void defaultsOpenWithTheMovementGroupGreyed()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        Screenshot(&dialog, QStringLiteral("edit-data"));
        QVERIFY(dialog.Enabled(1004));
        QVERIFY(dialog.Enabled(1013));
        QVERIFY(AllEnabled(dialog, TILT_GROUP, true));
        QVERIFY(AllEnabled(dialog, ANTI_MOVEMENT_GROUP, true));
        QVERIFY(!dialog.Enabled(1020));
        QVERIFY(AllEnabled(dialog, MOVEMENT_GROUP, false));
        QVERIFY(!dialog.Enabled(1031)); // alert repeat is off
        QVERIFY(dialog.Enabled(1032) && dialog.Enabled(1033) && dialog.Enabled(1035));
        QCOMPARE(dialog.Edit(1006)->text(), QStringLiteral("100"));
        QCOMPARE(dialog.Edit(1009)->text(), QStringLiteral("10"));
        QCOMPARE(dialog.List(1011)->currentText(), QStringLiteral("45°"));
        QCOMPARE(dialog.List(1033)->currentText(), QStringLiteral("medium"));
    }

    void theAlarmsExcludeEachOther()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        QTest::mouseClick(dialog.Box(1004), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(AllEnabled(dialog, TILT_GROUP, false));
        QVERIFY2(!dialog.Enabled(1020), "the anti-movement alarm is still on");
        QTest::mouseClick(dialog.Box(1013), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(AllEnabled(dialog, ANTI_MOVEMENT_GROUP, false));
        QVERIFY(dialog.Enabled(1020));
        QVERIFY2(AllEnabled(dialog, MOVEMENT_GROUP, false), "the movement alarm itself is still off");

        QTest::mouseClick(dialog.Box(1020), Qt::LeftButton);
        QCoreApplication::processEvents();
        QVERIFY(AllEnabled(dialog, { 1021, 1022, 1023, 1024, 1025, 1026, 1027 }, true));
        QVERIFY(!dialog.Enabled(1004));
        QVERIFY(!dialog.Enabled(1013));
        QVERIFY(AllEnabled(dialog, TILT_GROUP, false));
    }

    void bothAlarmsFromAFileGreyAllThreeAndStayAsTheyWere()
    {
        theOptionBoardData.movementAlarm.Set(1); // with the man down alarm on as well
        CountingSink sink;
        Opened<CEditDataDialog> dialog(nullptr);
        QVERIFY(!dialog.Enabled(1004));
        QVERIFY(!dialog.Enabled(1013));
        QVERIFY(!dialog.Enabled(1020));
        dialog.PressOk();
        QVERIFY(dialog.HasEnded());
        QCOMPARE(theOptionBoardData.movementAlarm.Get(), uint8_t(1));
        QCOMPARE(theOptionBoardData.tiltAlarm.Get(), uint8_t(1));
        QCOMPARE(sink.marks, 0);
    }

    void okWithoutChangesLeavesTheDocumentAsItWas()
    {
        CountingSink sink;
        Opened<CEditDataDialog> dialog(nullptr);
        dialog.PressOk();
        QVERIFY(dialog.HasEnded());
        QCOMPARE(dialog.EndResult(), int(QDialog::Accepted));
        QCOMPARE(sink.marks, 0);
        QVERIFY(m_messages->shown.empty());
    }

    void twoInvalidEntriesGiveTwoMessagesAndKeepTheDialogOpen()
    {
        CountingSink sink;
        Opened<CEditDataDialog> dialog(nullptr);
        dialog.Edit(1006)->setText(QStringLiteral("700")); // 0..600
        dialog.Edit(1030)->setText(QString());             // 1..99, greyed but stored all the same
        dialog.Edit(1018)->setText(QStringLiteral("42"));  // valid
        QCheckBox* clock = dialog.Box(1035);
        clock->setChecked(true);
        dialog.PressOk();
        QVERIFY(!dialog.HasEnded());
        QCOMPARE(m_messages->Texts(),
                 (std::vector<std::string>{ "The data is not valid.\nPlease enter an integer number between 0 and 600.",
                                            "The data is not valid.\nPlease enter an integer number between 1 and 99." }));
        QCOMPARE(m_messages->shown[0].icon, MsgIcon::Exclamation);
        QCOMPARE(m_messages->shown[0].caption, std::string("Vigilon OSS"));
        // What was valid is in the record already.
        QCOMPARE(theOptionBoardData.antiMovementAlertTime.Get(), 42);
        QCOMPARE(theOptionBoardData.clockShift.Get(), uint8_t(1));
        QCOMPARE(theOptionBoardData.tiltPreAlertTime.Get(), 100);
        QCOMPARE(dialog.Edit(1006)->text(), QStringLiteral("700")); // as the user typed it
    }

    void spinsWrapAtTheirLimits()
    {
        theOptionBoardData.tiltAlertTime.Set(99);
        theOptionBoardData.tiltPreAlertTime.Set(600);
        Opened<CEditDataDialog> dialog(nullptr);
        QTest::keyClick(dialog.Edit(1009), Qt::Key_Up);
        QCOMPARE(dialog.Edit(1009)->text(), QStringLiteral("1"));
        QTest::keyClick(dialog.Edit(1009), Qt::Key_Down);
        QCOMPARE(dialog.Edit(1009)->text(), QStringLiteral("99"));
        static_cast<UpDownControl*>(dialog.Item(1005))->Step(+1);
        QCOMPARE(dialog.Edit(1006)->text(), QStringLiteral("0"));
        static_cast<UpDownControl*>(dialog.Item(1005))->Step(-1);
        QCOMPARE(dialog.Edit(1006)->text(), QStringLiteral("600"));
    }

    void valuesOutsideTheirLimitsShowAsTheNearestAndAreWrittenBack()
    {
        theOptionBoardData.tiltPreAlertTime.Set(700);
        theOptionBoardData.movementAlertTime.Set(0);
        theOptionBoardData.activationAngle.Set(5);
        CountingSink sink;
        Opened<CEditDataDialog> dialog(nullptr);
        QCOMPARE(dialog.Edit(1006)->text(), QStringLiteral("600"));
        QCOMPARE(dialog.Edit(1025)->text(), QStringLiteral("1"));
        QCOMPARE(dialog.List(1011)->currentIndex(), -1);
        dialog.PressOk();
        QVERIFY(dialog.HasEnded());
        QCOMPARE(theOptionBoardData.tiltPreAlertTime.Get(), 600);
        QCOMPARE(theOptionBoardData.movementAlertTime.Get(), 1);
        QCOMPARE(theOptionBoardData.activationAngle.Get(), -1);
        QCOMPARE(sink.marks, 3);
    }

    void helpOpensTheHelpAndLeavesTheDialogOpen()
    {
        int helpCalls = 0;
        CTemplateDialog::SetHelpHandler([&helpCalls] { ++helpCalls; });
        Opened<CEditDataDialog> dialog(nullptr);
        QTest::mouseClick(qobject_cast<QPushButton*>(dialog.Item(IDC_HELP)), Qt::LeftButton);
        CTemplateDialog::SetHelpHandler(nullptr);
        QCOMPARE(helpCalls, 1);
        QVERIFY(!dialog.HasEnded());
        QVERIFY(dialog.isVisible());
    }

    // --- the validated controls ---

    void lettersBeepDigitsGoInAndTheEditTakesFiveCharacters()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        QLineEdit* edit = dialog.Edit(1009);
        edit->setFocus();
        edit->clear();
        QTest::keyClicks(edit, QStringLiteral("4a-2"));
        QCOMPARE(edit->text(), QStringLiteral("42"));
        QCOMPARE(g_beeps, 2);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QStringLiteral("4"));
        QCOMPARE(edit->maxLength(), 5);
        // Pasted text (Ctrl+V is a control key) is not filtered; the range check catches it.
        QGuiApplication::clipboard()->setText(QStringLiteral("x7"));
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(edit->text(), QStringLiteral("x7"));
        dialog.PressOk();
        QVERIFY(!dialog.HasEnded());
        QCOMPARE(m_messages->Texts(), std::vector<std::string>{
                                          "The data is not valid.\nPlease enter an integer number between 1 and 99." });
    }

    void editingKeysKeepWorkingAndWholeCharactersAreFiltered()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        QLineEdit* edit = dialog.Edit(1009);
        edit->setFocus();
        edit->setText(QStringLiteral("1234"));
        edit->setCursorPosition(0);
        QTest::keyClick(edit, Qt::Key_Delete);
        QCOMPARE(edit->text(), QStringLiteral("234"));
        // Delete as X11 sends it, with the text U+007F.
        QKeyEvent x11Delete(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier, QStringLiteral("\x7f"));
        QApplication::sendEvent(edit, &x11Delete);
        QCOMPARE(edit->text(), QStringLiteral("34"));
        QTest::keyClick(edit, Qt::Key_End);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QTest::keyClick(edit, Qt::Key_Home);
        QTest::keyClick(edit, Qt::Key_Right);
        QTest::keyClick(edit, Qt::Key_Backspace);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(g_beeps, 0);
        // A character of two UTF-16 units is one character: refused like a letter.
        QKeyEvent emoji(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString::fromUcs4(U"\U0001F600", 1));
        QApplication::sendEvent(edit, &emoji);
        QCOMPARE(edit->text(), QString());
        QCOMPARE(g_beeps, 1);
    }

    void returnInAnEmptyEditShowsItsMessageOnce()
    {
        // Boxes shown as the program shows them: a modal window that takes the
        // focus from the edit while the message is up.
        struct ShowingPresenter : public RecordingPresenter {
            MsgAnswer Present(const MessageBoxRequest& request) override
            {
                const MsgAnswer answer = RecordingPresenter::Present(request);
                QMessageBox box(QMessageBox::Warning, QString::fromStdString(request.caption),
                                QString::fromStdString(request.text), QMessageBox::Ok, QApplication::activeWindow());
                box.setDefaultButton(QMessageBox::Ok);
                box.setWindowModality(Qt::ApplicationModal);
                box.show();
                box.activateWindow();
                if (QTest::qWaitFor([&box] { return box.isAncestorOf(QApplication::focusWidget()); })) {
                    // Up until what the change of focus queued has run.
                    QEventLoop loop;
                    QTimer::singleShot(0, &loop, &QEventLoop::quit);
                    loop.exec();
                }
                return answer;
            }
        } messages;
        Opened<CEditDataDialog> dialog(nullptr);
        dialog.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&dialog));
        QLineEdit* edit = dialog.Edit(1009);
        edit->setFocus();
        edit->clear();
        QTest::keyClick(edit, Qt::Key_Return);
        QCoreApplication::processEvents();
        QVERIFY(!dialog.HasEnded());
        QCOMPARE(messages.Texts(), std::vector<std::string>{
                                       "The data is not valid.\nPlease enter an integer number between 1 and 99." });
    }

    void leavingAnInvalidEditChecksItExceptForCancel()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        dialog.activateWindow();
        QLineEdit* edit = dialog.Edit(1009);
        edit->setFocus();
        edit->clear();
        dialog.Item(IDC_CANCEL)->setFocus(); // to Cancel: no check
        QVERIFY(m_messages->shown.empty());
        edit->setFocus();
        dialog.Edit(1006)->setFocus(); // to another control: checked, focus back
        QCOMPARE(m_messages->Texts(), std::vector<std::string>{
                                          "The data is not valid.\nPlease enter an integer number between 1 and 99." });
        QCOMPARE(QApplication::focusWidget(), edit);
        QCOMPARE(edit->text(), QString());

        // To another window of the program (the help window, the main window): checked too.
        m_messages->shown.clear();
        QWidget other;
        QLineEdit* otherEdit = new QLineEdit(&other);
        other.show();
        other.activateWindow();
        otherEdit->setFocus();
        QTRY_COMPARE(m_messages->Texts().size(), size_t(1));
        QTRY_COMPARE(QApplication::focusWidget(), edit);
    }

    void eachInitToggleAndEnableChangePostsOneNotification()
    {
        CTemplateDialog dialog(DLG_EDIT_DATA, nullptr);
        int notifications = 0;
        class Counter : public QObject {
        public:
            explicit Counter(int& count) : m_count(count) {}
            bool eventFilter(QObject*, QEvent* event) override
            {
                if (event->type() == CHECKBOX_NOTIFY_EVENT)
                    ++m_count;
                return false;
            }
            int& m_count;
        } counter(notifications);
        dialog.installEventFilter(&counter);
        CBoolValue value;
        const uint8_t on = 1;
        value.Init(&on);
        const unsigned group[] = { 1021, 0 };
        CFldCheckBox box;
        box.Bind(&value, group, 7);
        QVERIFY(box.InitControl(&dialog, 1020));
        CFldCheckBox missing;
        QVERIFY(!missing.InitControl(&dialog, 4711));
        dialog.show();
        QCoreApplication::processEvents();
        QCOMPARE(notifications, 1);
        QTest::mouseClick(qobject_cast<QCheckBox*>(dialog.Item(1020)), Qt::LeftButton);
        QCoreApplication::processEvents();
        QCOMPARE(notifications, 2);
        QVERIFY(!dialog.Item(1021)->isEnabled());
        QTest::mouseClick(qobject_cast<QCheckBox*>(dialog.Item(1020)), Qt::LeftButton);
        dialog.Item(1020)->setEnabled(false); // a ticked box greyed greys its dependents
        QCoreApplication::processEvents();
        QCOMPARE(notifications, 4);
        QVERIFY(!dialog.Item(1021)->isEnabled());
        dialog.Item(1020)->setEnabled(true);
        QCoreApplication::processEvents();
        QCOMPARE(notifications, 5);
        QVERIFY(dialog.Item(1021)->isEnabled());
    }

    // --- Configuration ---

    void configurationListsThePortsThatExist()
    {
        PtyPeer com2;
        PtyPeer com4;
        MapResolver resolver({ { "COM2", com2.DevicePath() }, { "COM4", com4.DevicePath() } });
        CSerialPort busy;
        QVERIFY(busy.Open(com4.DevicePath().c_str())); // held by another program: still listed
        struct Seeded : public CConfigurationDialog {
            explicit Seeded(int index, std::string forbidden = {}) : CConfigurationDialog(nullptr)
            {
                m_nPortIndex = index;
                m_mayOpen = [forbidden](const std::string& device) { return device != forbidden; };
            }
        };
        Opened<Seeded> dialog(3, com2.DevicePath());
        Screenshot(&dialog, QStringLiteral("configuration"));
        // The ports that exist first; past a line, those without a device, marked.
        QComboBox* list = dialog.List(1000);
        QCOMPARE(list->count(), 5);
        QCOMPARE(list->itemText(0), QStringLiteral("COM2"));
        QCOMPARE(list->itemText(1), QStringLiteral("COM4"));
        QCOMPARE(list->itemText(3), QStringLiteral("COM1 (not present)"));
        QCOMPARE(list->itemText(4), QStringLiteral("COM3 (not present)"));
        QCOMPARE(list->currentText(), QStringLiteral("COM4"));
        // Each port with the device it stands for, present or not, and whether this user may open it.
        const QStringList devices = static_cast<QLabel*>(dialog.Item(IDC_PORT_DEVICES))->text().split('\n');
        QCOMPARE(devices.size(), 4);
        QCOMPARE(devices[1], QStringLiteral("COM2: %1 (present, access denied)").arg(QString::fromStdString(com2.DevicePath())));
        QCOMPARE(devices[3], QStringLiteral("COM4: %1 (present)").arg(QString::fromStdString(com4.DevicePath())));
        QVERIFY(devices[2].startsWith(QStringLiteral("COM3: ")) && devices[2].endsWith(QStringLiteral("(not present)")));
        list->setCurrentIndex(0);
        dialog.PressOk();
        QCOMPARE(dialog.m_nPortIndex, 1);

        Opened<Seeded> absent(0); // COM1 is configured but absent: shown as such, kept
        QCOMPARE(absent.List(1000)->currentText(), QStringLiteral("COM1 (not present)"));
        absent.PressOk();
        QCOMPARE(absent.m_nPortIndex, 0);
    }

    void configurationKeepsACableByItsStablePath()
    {
        // A machine of the test's own: a UART and a USB cable that comes back
        // under another name after Find Cable's unplug and plug.
        SerialDevice uart;
        uart.name = "ttyS0";
        uart.path = "/dev/ttyS0";
        const SerialDevice cable = FtdiCable();
        auto machine = std::make_shared<std::vector<SerialDevice>>(std::vector<SerialDevice>{ cable, uart });
        struct OnMachine : public CConfigurationDialog {
            explicit OnMachine(std::shared_ptr<std::vector<SerialDevice>> devices) : CConfigurationDialog(nullptr)
            {
                m_nPortIndex = 1;
                m_listDevices = [devices] { return *devices; };
                m_deviceExists = [devices](const std::string& path) {
                    for (const SerialDevice& device : *devices) {
                        if (device.path == path || device.stablePath == path)
                            return true;
                    }
                    return false;
                };
            }
        };
        auto button = [](QWidget* dialog, int text) {
            for (QPushButton* found : dialog->findChildren<QPushButton*>()) {
                if (found->text() == UiText(text))
                    return found;
            }
            return static_cast<QPushButton*>(nullptr);
        };

        ScriptedFileDialogs files;
        files.answers.push_back(QStringLiteral("/dev/ttyUSB0"));
        Opened<OnMachine> dialog(machine);
        QComboBox* ports = dialog.List(1000);
        const auto choosePort = [ports](int index) { ports->setCurrentIndex(ports->findData(index)); };
        QLineEdit* device = qobject_cast<QLineEdit*>(BuddyOf(&dialog, UiText(IDS_CONFIG_DEVICE)));
        QComboBox* found = qobject_cast<QComboBox*>(BuddyOf(&dialog, UiText(IDS_CONFIG_FOUND)));
        QVERIFY(device && found);
        // The built-in mapping finds COM1 and COM3; COM2, the configured port, is absent.
        QCOMPARE(ports->currentText(), QStringLiteral("COM2 (not present)"));
        QCOMPARE(ports->findText(QStringLiteral("COM3")), 1);
        QCOMPARE(found->itemText(1), QStringLiteral("FTDI FT232R USB UART (0403:6001, serial A1B2C3D4): /dev/ttyUSB0"));

        // COM1 browsed to the cable's present name: its stable path is kept.
        choosePort(0);
        button(&dialog, IDS_CONFIG_BROWSE)->click();
        QCOMPARE(device->text(), QString::fromStdString(cable.stablePath));
        QCOMPARE(found->currentIndex(), 1);
        QCOMPARE(ports->currentText(), QStringLiteral("COM1"));
        Screenshot(&dialog, QStringLiteral("configuration-cable"));

        // COM2 found by unplugging and plugging: back as ttyUSB1, kept by its stable path.
        choosePort(1);
        QTimer::singleShot(300, [machine] { machine->erase(machine->begin()); });
        QTimer::singleShot(650, [] { Screenshot(QApplication::activeModalWidget(), QStringLiteral("find-cable")); });
        QTimer::singleShot(800, [machine, cable] {
            SerialDevice back = cable;
            back.name = "ttyUSB1";
            back.path = "/dev/ttyUSB1";
            machine->push_back(back);
        });
        QTimer::singleShot(5000, [] {
            if (QWidget* finder = QApplication::activeModalWidget())
                finder->close(); // never found: the test fails below instead of hanging
        });
        button(&dialog, IDS_CONFIG_FIND_CABLE)->click();
        QCOMPARE(device->text(), QString::fromStdString(cable.stablePath));
        // Typing a path of nothing listed leaves the found devices on none, and
        // the port stays chosen though its device is gone.
        choosePort(2);
        device->setText(QStringLiteral("/dev/ttyXR7"));
        QTest::keyClick(device, Qt::Key_Backspace);
        QCOMPARE(found->currentIndex(), -1);
        QCOMPARE(ports->currentText(), QStringLiteral("COM3 (not present)"));
        choosePort(0);
        dialog.PressOk();
        QCOMPARE(m_settings.Get(QStringLiteral("Ports/COM1")).toString(), QString::fromStdString(cable.stablePath));
        QCOMPARE(m_settings.Get(QStringLiteral("Ports/COM2")).toString(), QString::fromStdString(cable.stablePath));
        QCOMPARE(m_settings.Get(QStringLiteral("Ports/COM3")).toString(), QStringLiteral("/dev/ttyXR"));
        QVERIFY(!m_settings.Get(QStringLiteral("Ports/COM4")).isValid());
        QCOMPARE(dialog.m_nPortIndex, 0);
    }

    void configurationKeepsACablePathThatIsNotUtf8()
    {
        // A link to the cable whose name is Latin-1 bytes, not UTF-8.
        PtyPeer tty;
        QTemporaryDir folder;
        const std::string link = folder.path().toStdString() + "/usb-M\xfcller_Cable-if00";
        QCOMPARE(::symlink(tty.DevicePath().c_str(), link.c_str()), 0);
        // Qt cannot name the link to remove it with the folder.
        const struct Unlink {
            std::string path;
            ~Unlink() { ::unlink(path.c_str()); }
        } unlinkLater{ link };
        SerialDevice cable;
        cable.name = "ttyUSB0";
        cable.path = tty.DevicePath();
        cable.stablePath = link;
        cable.usb = cable.knownCable = true;
        struct OnMachine : public CConfigurationDialog {
            explicit OnMachine(const SerialDevice& device) : CConfigurationDialog(nullptr)
            {
                m_nPortIndex = 0;
                m_listDevices = [device] { return std::vector<SerialDevice>{ device }; };
            }
        };
        Opened<OnMachine> dialog(cable);
        QComboBox* found = qobject_cast<QComboBox*>(BuddyOf(&dialog, UiText(IDS_CONFIG_FOUND)));
        QVERIFY(found);
        emit found->activated(1);
        dialog.PressOk();

        // COM1 opens the cable by the very bytes of its link.
        SettingsPortResolver resolver;
        GuiContext().ports = &resolver;
        CSerialPort port(GuiContext());
        const bool opened = port.Open("COM1");
        GuiContext().ports = nullptr;
        QVERIFY(opened);
        QVERIFY(port.Device() == link);
    }

    // --- Information, against the simulated radio ---

    void informationShowsTheBoardsTextsReadablyAndCopiesThem()
    {
        sim::SimConfig config;
        config.identity.remarks = "First line\r\nSecond line";
        OperationBench bench(config);
        MapResolver resolver({ { "COM1", bench.Port() } });
        struct Info : public CBoardInfoDialog {
            Info() : CBoardInfoDialog(nullptr, 0) {}
        };
        Opened<Info> dialog;
        Screenshot(&dialog, QStringLiteral("board-info"));
        QVERIFY(!dialog.HasEnded());
        QCOMPARE(dialog.Edit(1012)->text(), QStringLiteral("Vigilon"));
        QCOMPARE(dialog.Edit(1014)->text(), QStringLiteral("HW 2.1"));
        QCOMPARE(dialog.Edit(1013)->text(), QStringLiteral("FW 1.04.2"));
        QCOMPARE(dialog.Edit(1015)->text(), QStringLiteral("01.00"));
        QCOMPARE(static_cast<QPlainTextEdit*>(dialog.Item(1017))->toPlainText(), QStringLiteral("First line\nSecond line"));
        // The values read as any text does, at least 4.5:1 against their
        // background, and still take no typing.
        for (int id : { 1012, 1013, 1014, 1015 }) {
            QLineEdit* edit = dialog.Edit(id);
            const QPalette::ColorGroup group = edit->isEnabled() ? QPalette::Inactive : QPalette::Disabled;
            const double contrast = Contrast(edit->palette().color(group, QPalette::Text),
                                             edit->palette().color(group, QPalette::Base));
            QVERIFY2(contrast >= 4.5, qPrintable(QStringLiteral("control %1: %2:1").arg(id).arg(contrast)));
        }
        QTest::keyClicks(dialog.Edit(1012), QStringLiteral("x"));
        QCOMPARE(dialog.Edit(1012)->text(), QStringLiteral("Vigilon"));
        // Ctrl+C takes the five fields as text, one per line with its label.
        QGuiApplication::clipboard()->clear();
        QTest::keySequence(dialog.Item(1), QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Option Board Type: Vigilon\nHardware Revision: HW 2.1\nSoftware Version: FW 1.04.2\n"
                                "Codeplug Version: 01.00\nVendor Remarks: First line\nSecond line"));
    }

    void informationWithAFieldThatFailsLeavesOnlyThatBoxEmpty()
    {
        FastForwardClock clock;
        OperationBench bench(SimConfigWithFaults({ "silent-board@read:0x40" }));
        bench.radio.PokeMemory(0x0000, sim::Bytes(48, 'T'));
        bench.radio.PokeMemory(0x0100, sim::Bytes(256, 0));
        MapResolver resolver({ { "COM1", bench.Port() } });
        struct Info : public CBoardInfoDialog {
            Info() : CBoardInfoDialog(nullptr, 0) {}
        };
        Opened<Info> dialog;
        QVERIFY(!dialog.HasEnded());
        QCOMPARE(dialog.Edit(1012)->text(), QString(47, QLatin1Char('T')));
        QCOMPARE(dialog.Edit(1013)->text(), QString());
        QCOMPARE(dialog.Edit(1015)->text(), QStringLiteral("01.00"));
        QCOMPARE(static_cast<QPlainTextEdit*>(dialog.Item(1017))->toPlainText(), QString());
        QCOMPARE(bench.messages.Texts(), std::vector<std::string>{ text::NO_BOARD });
    }

    void informationIsNotShownWhenTheRadioDoesNotAnswer()
    {
        FastForwardClock clock;
        OperationBench bench(SimConfigWithFaults({ "silent-radio" }));
        MapResolver resolver({ { "COM1", bench.Port() } });
        struct Info : public CBoardInfoDialog {
            Info() : CBoardInfoDialog(nullptr, 0) {}
        };
        Opened<Info> dialog;
        QVERIFY(dialog.HasEnded());
        QCOMPARE(dialog.EndResult(), int(QDialog::Rejected));
        QVERIFY(!dialog.isVisible());
    }

    // --- Calibration and read-out ---

    void enterInTheCalibrationDialogCancels()
    {
        struct Calibrate : public CCalibrateDialog {
            Calibrate() : CCalibrateDialog(nullptr, 0) {}
        };
        Opened<Calibrate> dialog;
        Screenshot(&dialog, QStringLiteral("calibrate"));
        QTest::keyClick(&dialog, Qt::Key_Return);
        QVERIFY(dialog.HasEnded());
        QCOMPARE(dialog.EndResult(), int(QDialog::Rejected));
        QVERIFY(m_messages->shown.empty());
    }

    void theReadOutShowsItsProgressAndSavesWhereTheUserSays()
    {
        FastForwardClock clock;
        OperationBench bench;
        MapResolver resolver({ { "COM1", bench.Port() } });
        QTemporaryDir folder;
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(folder.filePath(QStringLiteral("cal.txt")));
        GuiHost host; // the GUI's own progress dialog and save dialog
        struct ReadCal : public CReadCalDataDialog {
            ReadCal() : CReadCalDataDialog(nullptr, 0) {}
        };
        Opened<ReadCal> confirm;
        Screenshot(&confirm, QStringLiteral("read-calibration"));
        QTest::keyClick(&confirm, Qt::Key_Return); // Cancel is the default
        QVERIFY(confirm.HasEnded());
        QCOMPARE(bench.radio.History().size(), size_t(0));

        // Capture the progress dialog half-way through.
        struct Watch : public IClock {
            int64_t NowMs() override { return inner->NowMs(); }
            void WaitUntil(int64_t deadline) override
            {
                inner->WaitUntil(deadline);
                if (host->Progress() && ++pauses == 600) {
                    Screenshot(host->Progress(), QStringLiteral("read-calibration-progress"));
                    bar = static_cast<QProgressBar*>(host->Progress()->Item(1014))->value();
                    visible = host->Progress()->isVisible();
                }
            }
            IClock* inner;
            GuiHost* host;
            int pauses = 0;
            int bar = -1;
            bool visible = false;
        } watch;
        watch.inner = &clock;
        watch.host = &host;
        TestContext().clock = &watch;
        Opened<ReadCal> run;
        QTest::mouseClick(qobject_cast<QPushButton*>(run.Item(IDC_OK)), Qt::LeftButton);
        TestContext().clock = &clock;
        QVERIFY(watch.visible);
        QVERIFY(watch.bar > 0 && watch.bar < 57344);
        QCOMPARE(host.Progress(), nullptr);
        QFile file(folder.filePath(QStringLiteral("cal.txt")));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.size(), qint64(258048));
    }

    void stopEndsTheReadOutResetsTheRadioAndSavesNothing()
    {
        FastForwardClock clock;
        OperationBench bench;
        MapResolver resolver({ { "COM1", bench.Port() } });
        QTemporaryDir folder;
        ScriptedFileDialogs dialogs;
        dialogs.answers.push_back(folder.filePath(QStringLiteral("cal.txt")));
        GuiHost host;
        struct ReadCal : public CReadCalDataDialog {
            ReadCal() : CReadCalDataDialog(nullptr, 0) {}
        };
        // Stop is pressed in the middle of the read-out.
        struct PressStop : public IClock {
            int64_t NowMs() override { return inner->NowMs(); }
            void WaitUntil(int64_t deadline) override
            {
                inner->WaitUntil(deadline);
                if (host->Progress() && ++pauses == 100) {
                    Screenshot(host->Progress(), QStringLiteral("read-calibration-stop"));
                    QTest::mouseClick(qobject_cast<QPushButton*>(host->Progress()->Item(IDC_CANCEL)), Qt::LeftButton);
                    requestsAtStop = radio->History().size();
                }
            }
            IClock* inner;
            GuiHost* host;
            sim::SimulatedRadio* radio;
            int pauses = 0;
            size_t requestsAtStop = 0;
        } stop;
        stop.inner = &clock;
        stop.host = &host;
        stop.radio = &bench.radio;
        TestContext().clock = &stop;
        Opened<ReadCal> run;
        QTest::mouseClick(qobject_cast<QPushButton*>(run.Item(IDC_OK)), Qt::LeftButton);
        TestContext().clock = &clock;

        QCOMPARE(host.Progress(), nullptr);
        const std::vector<sim::Request> requests = bench.radio.History();
        QVERIFY(stop.requestsAtStop > 0);
        // At most the request in flight, then the reset.
        QVERIFY(requests.size() <= stop.requestsAtStop + 2);
        QCOMPARE(requests.back().kind, sim::RequestKind::Reset);
        QCOMPARE(dialogs.answers.size(), size_t(1)); // never asked where to save
        QVERIFY(!QFile::exists(folder.filePath(QStringLiteral("cal.txt"))));
        QCOMPARE(bench.messages.Texts().size(), size_t(1));
        QCOMPARE(bench.messages.shown.back().kind, MSG_INFO);
        QVERIFY(QString::fromStdString(bench.messages.Texts().back()).startsWith(QStringLiteral("The read-out was stopped after ")));
        // The stop was for that read-out alone: the next operation runs to its end.
        QVERIFY(ReadIntoProgram(theRadioLink, "COM1", nullptr).loaded);
    }

    void aboutShowsTheProgramAndItsVersion()
    {
        CTemplateDialog about(DLG_ABOUT, nullptr);
        about.show();
        Screenshot(&about, QStringLiteral("about"));
        QVERIFY(about.Item(1003) != nullptr);
        QCOMPARE(about.windowTitle(), QStringLiteral("About Vigilon OSS"));
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
