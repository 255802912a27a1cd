// What a screen reader finds: the accessible tree of the main window and of
// every dialog and window, walked child by child. The window says it is one
// (window or dialog role); each interactive element (button, check box, list,
// edit, spin box, menu item, ...) and anything else that takes the focus must
// have a name, no two of one window (or menu) may share a name and role, and
// no two may share a key: a mnemonic within a window or menu, a shortcut
// within a window.
// A drop-down list whose name is only its current value counts as unnamed:
// that is what Qt says of a list that has no label of its own. The offscreen
// platform has no screen reader bridge (QAccessible stays inactive there), but
// Qt builds the interfaces on each look-up all the same.
#include "app/history_store.h"
#include "app/service_history.h"
#include "tests/support/map_resolver.h"
#include "tests/support/operation_bench.h"
#include "tests/ui/ui_bench.h"
#include "ui/host/backup_dialog.h"
#include "ui/dialogs/board_dialogs.h"
#include "ui/host/readout_progress.h"
#include "ui/dialogs/check_dialog.h"
#include "ui/dialogs/configuration_dialog.h"
#include "ui/dialogs/edit_data_dialog.h"
#include "ui/dialogs/find_cable_dialog.h"
#include "ui/dialogs/fleet_dialog.h"
#include "ui/dialogs/history_options_dialog.h"
#include "ui/dialogs/language_dialog.h"
#include "ui/windows/calibration_plot_window.h"
#include "ui/windows/help_window.h"
#include "ui/windows/history_window.h"

#include <QAccessible>
#include <QComboBox>
#include <QMenuBar>
#include <QToolButton>

namespace {

bool Interactive(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::PushButton:
    case QAccessible::CheckBox:
    case QAccessible::RadioButton:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::SpinBox:
    case QAccessible::Slider:
    case QAccessible::List:
    case QAccessible::Table:
    case QAccessible::Tree:
    case QAccessible::MenuItem:
    case QAccessible::ButtonMenu:
    case QAccessible::ButtonDropDown:
    case QAccessible::ButtonDropGrid:
        return true;
    default:
        return false;
    }
}

// The rows, cells and entries of a list or table: told apart by their place,
// they may be empty or alike.
bool ItemOfView(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Row:
    case QAccessible::Cell:
    case QAccessible::ListItem:
    case QAccessible::TreeItem:
    case QAccessible::RowHeader:
    case QAccessible::ColumnHeader:
        return true;
    default:
        return false;
    }
}

// Whether the element is on screen when its window is; the items of a closed
// menu count as they would show once it opens.
bool Shown(QAccessibleInterface* node)
{
    QObject* object = node->object();
    if (const QAction* action = qobject_cast<QAction*>(object))
        return action->isVisible();
    if (const QWidget* widget = qobject_cast<QWidget*>(object))
        return widget->isWindow() || widget->isVisibleTo(widget->window());
    return !node->state().invisible;
}

QString Describe(QAccessibleInterface* node)
{
    QObject* object = node->object();
    QString what = QString::fromLatin1(object ? object->metaObject()->className() : "item");
    if (const QWidget* widget = qobject_cast<QWidget*>(object)) {
        const QVariant id = widget->property("controlId");
        if (id.isValid())
            what += QStringLiteral(" #%1").arg(id.toInt());
    }
    return QStringLiteral("%1 (role %2) named \"%3\"")
        .arg(what)
        .arg(int(node->role()), 0, 16)
        .arg(node->text(QAccessible::Name));
}

bool Unnamed(QAccessibleInterface* node)
{
    const QString name = node->text(QAccessible::Name).trimmed();
    if (name.isEmpty())
        return true;
    const QComboBox* list = qobject_cast<QComboBox*>(node->object());
    return list && !list->isEditable() && name == list->currentText();
}

struct Findings {
    int interactive = 0;
    QStringList unnamed;
    QMap<QString, QString> keys;  // "where|key" to the element that has it
    QMap<QString, QString> names; // "where|role|name" to the element that has it
    QStringList clashes;
    QStringList alike;

    void Key(const void* where, const QKeySequence& key, QAccessibleInterface* node)
    {
        // Lists and tables answer with their name: no key at all.
        if (key.isEmpty() || key.toString().isEmpty())
            return;
        const QString taken = QStringLiteral("%1|%2").arg(quintptr(where)).arg(key.toString());
        if (keys.contains(taken))
            clashes.append(key.toString() + QStringLiteral(": ") + keys[taken] + QStringLiteral(" and ") + Describe(node));
        else
            keys[taken] = Describe(node);
    }
};

// A menu item counts within its menu, the menu bar's items within the window.
const void* MenuOf(QAccessibleInterface* node, const QWidget* window)
{
    const QObject* menu = node->parent() ? node->parent()->object() : nullptr;
    return qobject_cast<const QMenuBar*>(menu) ? static_cast<const void*>(window) : menu;
}

// Two elements alike to a screen reader: which of them is which?
void TakeName(QAccessibleInterface* node, const QWidget* window, Findings& found)
{
    const void* where = qobject_cast<QAction*>(node->object()) ? MenuOf(node, window) : window;
    const QString taken =
        QStringLiteral("%1|%2|%3").arg(quintptr(where)).arg(int(node->role())).arg(node->text(QAccessible::Name));
    if (found.names.contains(taken))
        found.alike.append(found.names[taken] + QStringLiteral(" and ") + Describe(node));
    else
        found.names[taken] = Describe(node);
}

// A menu item's mnemonic counts within its menu, its shortcut within the
// window; any other element's key within the window.
void TakeKeys(QAccessibleInterface* node, const QWidget* window, Findings& found)
{
    if (const QAction* action = qobject_cast<QAction*>(node->object())) {
        found.Key(MenuOf(node, window), QKeySequence::mnemonic(action->text()), node);
        found.Key(window, action->shortcut(), node);
        return;
    }
    // A toolbar button's shortcut is its menu item's.
    if (const QToolButton* button = qobject_cast<QToolButton*>(node->object()); button && button->defaultAction())
        return;
    found.Key(window, QKeySequence(node->text(QAccessible::Accelerator)), node);
}

void Walk(QAccessibleInterface* node, const QWidget* window, Findings& found)
{
    if (!node || !node->isValid() || !Shown(node))
        return;
    if (Interactive(node->role()) || (node->state().focusable && !ItemOfView(node->role()))) {
        ++found.interactive;
        if (Unnamed(node))
            found.unnamed.append(Describe(node));
        else
            TakeName(node, window, found);
        TakeKeys(node, window, found);
    }
    for (int i = 0; i < node->childCount(); ++i)
        Walk(node->child(i), window, found);
}

// Walks the window's tree, says what it found and fails on the unnamed and the clashes.
bool AllNamed(QWidget* window, const char* title)
{
    window->show();
    QCoreApplication::processEvents();
    Findings found;
    QAccessibleInterface* root = QAccessible::queryAccessibleInterface(window);
    // A window the reader does not take for one ("filler") is not announced as it opens.
    const bool isWindow = root->role() == QAccessible::Window || root->role() == QAccessible::Dialog;
    if (!isWindow)
        qWarning("  not a window: %s", qPrintable(Describe(root)));
    Walk(root, window, found);
    qInfo("%s: %lld of %d interactive elements unnamed, %lld keys", title,
          static_cast<long long>(found.unnamed.size()), found.interactive, static_cast<long long>(found.keys.size()));
    for (const QString& element : found.unnamed)
        qWarning("  unnamed: %s", qPrintable(element));
    for (const QString& clash : found.clashes)
        qWarning("  clash: %s", qPrintable(clash));
    for (const QString& pair : found.alike)
        qWarning("  same name and role: %s", qPrintable(pair));
    return isWindow && found.interactive > 0 && found.unnamed.isEmpty() && found.clashes.isEmpty()
        && found.alike.isEmpty();
}

// Opens a template dialog as DoModal does, without its modal loop.
template <typename Dialog>
class Opened : public Dialog {
public:
    template <typename... Args>
    explicit Opened(Args&&... args) : Dialog(std::forward<Args>(args)...)
    {
        this->OnInitDialog();
    }
};

} // namespace

class AccessibleNamesTest : public QObject {
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

    void mainWindow()
    {
        const QString path = m_files.filePath(QStringLiteral("board.vgd"));
        WriteFile(path, DefaultDataFile());
        CVigilonOssApp app;
        QVERIFY(app.InitInstance({ QStringLiteral("vigilon-oss"), QStringLiteral("--lab"), path }));
        QVERIFY(AllNamed(app.MainFrame(), "main window"));
    }

    void helpWindow()
    {
        HelpWindow help;
        help.ShowContents();
        QVERIFY(AllNamed(&help, "help"));
    }

    void editData()
    {
        Opened<CEditDataDialog> dialog(nullptr);
        QVERIFY(AllNamed(&dialog, "Edit Option Board Data"));
        // A number field is one spin box with its label, value, range and unit;
        // its arrows say what they step.
        QAccessibleInterface* field = QAccessible::queryAccessibleInterface(dialog.Item(1006));
        QCOMPARE(field->role(), QAccessible::SpinBox);
        QCOMPARE(field->text(QAccessible::Name), QStringLiteral("Man Down Alarm: Pre Alert Time (s)"));
        QCOMPARE(field->text(QAccessible::Description), QStringLiteral("0 to 600 seconds"));
        QAccessibleValueInterface* value = field->valueInterface();
        QVERIFY(value && field->textInterface());
        QCOMPARE(value->currentValue().toInt(), 100);
        QCOMPARE(value->minimumValue().toInt(), 0);
        QCOMPARE(value->maximumValue().toInt(), 600);
        QStringList arrows;
        for (QWidget* arrow : dialog.Item(1005)->findChildren<QWidget*>())
            arrows.append(QAccessible::queryAccessibleInterface(arrow)->text(QAccessible::Name));
        QCOMPARE(arrows, (QStringList{ "Increase Man Down Alarm: Pre Alert Time (s)",
                                       "Decrease Man Down Alarm: Pre Alert Time (s)" }));
        // A drop-down list is named by its label; its value is the choice.
        QAccessibleInterface* angle = QAccessible::queryAccessibleInterface(dialog.Item(1011));
        QCOMPARE(angle->text(QAccessible::Name), QStringLiteral("Activation Angle"));
        QCOMPARE(angle->text(QAccessible::Value), QStringLiteral("45°"));
    }

    void information()
    {
        OperationBench bench;
        MapResolver resolver({ { "COM1", bench.Port() } });
        Opened<CBoardInfoDialog> dialog(nullptr, 0);
        QVERIFY(!dialog.HasEnded());
        QVERIFY(AllNamed(&dialog, "Option Board Information"));
    }

    void language()
    {
        CLanguageDialog dialog(nullptr);
        QVERIFY(AllNamed(&dialog, "Language"));
    }

    void configuration()
    {
        struct OnNoMachine : public CConfigurationDialog {
            OnNoMachine() : CConfigurationDialog(nullptr)
            {
                SerialDevice cable;
                cable.name = "ttyUSB0";
                cable.path = "/dev/ttyUSB0";
                m_listDevices = [cable] { return std::vector<SerialDevice>{ cable }; };
                m_deviceExists = [](const std::string&) { return false; };
            }
        };
        Opened<OnNoMachine> dialog;
        QVERIFY(AllNamed(&dialog, "Configuration"));
    }

    void calibration()
    {
        Opened<CCalibrateDialog> dialog(nullptr, 0);
        QVERIFY(AllNamed(&dialog, "Option Board Calibration"));
    }

    void readCalibration()
    {
        Opened<CReadCalDataDialog> dialog(nullptr, 0);
        QVERIFY(AllNamed(&dialog, "Read the Accelerometer Calibration Data"));
        CReadCalProgressDialog progress(nullptr);
        QVERIFY(AllNamed(&progress, "read-out progress"));
    }

    void about()
    {
        CTemplateDialog dialog(DLG_ABOUT, nullptr);
        QVERIFY(AllNamed(&dialog, "About"));
    }

    void fleet()
    {
        GuiHost host;
        CFleetDialog dialog(nullptr, host, 0, [](const QString&, uint8_t*) { return false; }, false);
        QVERIFY(AllNamed(&dialog, "Program Several Radios"));
    }

    void backups()
    {
        BackupEntry entry;
        entry.when = "2026-12-08 10:15:02";
        entry.port = "COM1";
        entry.name = "2026-12-08_101502_COM1.vgd";
        entry.path = "/backups/2026-12-08_101502_COM1.vgd";
        BackupDialog dialog(nullptr, { entry }, QStringLiteral("/backups"));
        QVERIFY(AllNamed(&dialog, "Open Backup"));
    }

    void checkConnection()
    {
        MapResolver resolver({});
        CCheckDialog dialog(nullptr, "COM1");
        dialog.Run();
        QVERIFY(AllNamed(&dialog, "Check Connection"));
    }

    void findCable()
    {
        CFindCableDialog dialog(nullptr, [] { return std::vector<SerialDevice>{}; });
        QVERIFY(AllNamed(&dialog, "Find Cable"));
    }

    void serviceHistory()
    {
        // A history of its own: a read and a write of one radio.
        QTemporaryDir data;
        const QByteArray dataHome = qgetenv("XDG_DATA_HOME");
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        HistoryStore store(ServiceHistoryPath());
        DataFileBytes settings{};
        const QByteArray bytes = DefaultDataFile();
        std::copy(bytes.begin(), bytes.end(), settings.begin());
        std::vector<HistoryEntry> entries(2);
        for (HistoryEntry& entry : entries) {
            entry.time = HistoryTimeNow();
            entry.port = "COM1";
            entry.radioInfo = "SR-9 R02.10";
            entry.result = "succeeded";
            entry.messages = { "Option board successfully read." };
        }
        entries[0].operation = "read";
        entries[0].settingsRead = settings;
        entries[1].operation = "write";
        entries[1].settingsWritten = settings;
        QVERIFY(store.AddAll(entries));
        {
            std::unique_ptr<HistoryWindow> window(HistoryWindow::Open(nullptr, {}));
            QVERIFY(window);
            QVERIFY(AllNamed(window.get(), "Service History"));
            HistoryOptionsDialog options(nullptr);
            QVERIFY(AllNamed(&options, "Service History Options"));
        }
        qputenv("XDG_DATA_HOME", dataHome);
    }

    void calibrationPlot()
    {
        const QString path = m_files.filePath(QStringLiteral("cal.txt"));
        WriteCalibrationExport(path);
        std::unique_ptr<CCalibrationPlotWindow> window(CCalibrationPlotWindow::Open(nullptr, path));
        QVERIFY(window);
        QVERIFY(AllNamed(window.get(), "calibration plot"));
    }
};

QTEST_MAIN(AccessibleNamesTest)
#include "accessible_names_test.moc"
