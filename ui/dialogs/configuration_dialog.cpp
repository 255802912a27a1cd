#include "ui/dialogs/configuration_dialog.h"

#include "ui/base/program_objects.h"

#include "app/byte_text.h"
#include "app/settings.h"
#include "link/port_access.h"
#include "link/port_probe.h"
#include "link/port_resolver.h"
#include "resources/string_ids.h"
#include "ui/controls/label_buddy.h"
#include "ui/controls/path_edit.h"
#include "ui/dialogs/find_cable_dialog.h"
#include "ui/host/file_dialogs.h"
#include "ui/base/ui_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QGroupBox>
#include <QLabel>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>

namespace {

QString PortText(int index)
{
    return QString::fromStdString(PortNameForIndex(index));
}

} // namespace

CConfigurationDialog::CConfigurationDialog(QWidget* parent)
    : CTemplateDialog(DLG_CONFIGURATION, parent), m_listDevices([] { return ListSerialDevices(StoredCableIds()); })
    , m_deviceExists(DeviceExists), m_mayOpen(MayOpenDevice)
{
}

void CConfigurationDialog::OnInitDialog()
{
    m_devices = m_listDevices();
    for (int index = 0; index < PORT_COUNT; ++index)
        m_stored[index] = m_pending[index] = TextOfBytes(StoredPortDevice(PortNameForIndex(index)));
    m_mapIndex = m_nPortIndex >= 0 && m_nPortIndex < PORT_COUNT ? m_nPortIndex : 0;
    BuildDeviceGroup();
    LayOut();

    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    connect(list, &QComboBox::currentIndexChanged, this, [this, list](int item) {
        if (item >= 0)
            ShowPortDevice(list->itemData(item).toInt());
    });
    ShowPortDevice(m_mapIndex);
}

void CConfigurationDialog::BuildDeviceGroup()
{
    m_group = new QGroupBox(this);
    QGridLayout* grid = new QGridLayout(m_group);
    QLabel* deviceLabel = new QLabel(UiText(IDS_CONFIG_DEVICE), m_group);
    m_device = new CPathEdit(m_group);
    deviceLabel->setBuddy(m_device);
    m_browse = new QPushButton(UiText(IDS_CONFIG_BROWSE), m_group);
    m_browse->setAutoDefault(false);

    QLabel* foundLabel = new QLabel(UiText(IDS_CONFIG_FOUND), m_group);
    m_found = new QComboBox(m_group);
    // Wide enough for the longest name found, as far as the screen allows; the
    // open list shows each whole name all the same.
    m_found->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    m_found->setPlaceholderText(UiText(IDS_CONFIG_FOUND_OTHER));
    m_found->addItem(QString()); // the built-in device; its text follows the port
    for (const SerialDevice& device : m_devices)
        m_found->addItem(DeviceItemText(device), TextOfBytes(device.PathToKeep()));
    m_found->view()->setMinimumWidth(m_found->view()->sizeHintForColumn(0) + 24);
    if (const QScreen* screen = this->screen())
        m_found->setMaximumWidth(screen->availableGeometry().width() * 2 / 3);
    LabelFor(foundLabel, m_found);
    m_find = new QPushButton(UiText(IDS_CONFIG_FIND_CABLE), m_group);
    m_find->setAutoDefault(false);

    grid->addWidget(deviceLabel, 0, 0);
    grid->addWidget(m_device, 0, 1);
    grid->addWidget(m_browse, 0, 2);
    grid->addWidget(foundLabel, 1, 0);
    grid->addWidget(m_found, 1, 1);
    grid->addWidget(m_find, 1, 2);
    grid->setColumnStretch(1, 1);

    connect(m_device, &QLineEdit::textEdited, this, [this] { KeepEditedDevice(); });
    connect(m_found, &QComboBox::activated, this, [this](int item) { ChooseFound(item); });
    connect(m_browse, &QPushButton::clicked, this, [this] { Browse(); });
    connect(m_find, &QPushButton::clicked, this, [this] { FindCable(); });
}

void CConfigurationDialog::LayOut()
{
    // The template places its controls for the English texts; a layout lets each
    // text take the room it needs in every language, at the dialog's own size.
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    QLabel* listLabel = nullptr;
    for (QLabel* label : findChildren<QLabel*>(Qt::FindDirectChildrenOnly)) {
        if (label->buddy() == list)
            listLabel = label;
    }
    QLabel* ports = static_cast<QLabel*>(Item(IDC_PORT_DEVICES));
    for (QWidget* control : { static_cast<QWidget*>(listLabel), Item(IDC_OK), Item(IDC_CANCEL),
                              static_cast<QWidget*>(ports) }) {
        if (control)
            control->setFont(font());
    }
    if (listLabel)
        listLabel->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    ports->setWordWrap(false);
    list->setSizeAdjustPolicy(QComboBox::AdjustToContents);

    QGridLayout* grid = new QGridLayout(this);
    if (listLabel)
        grid->addWidget(listLabel, 0, 0);
    grid->addWidget(list, 0, 1, Qt::AlignLeft);
    grid->addWidget(Item(IDC_OK), 0, 3);
    grid->addWidget(Item(IDC_CANCEL), 1, 3);
    grid->addWidget(m_group, 2, 0, 1, 4);
    grid->addWidget(ports, 3, 0, 1, 4);
    grid->setColumnStretch(2, 1);
    grid->setSizeConstraint(QLayout::SetFixedSize);

    setTabOrder(list, m_device);
    setTabOrder(m_device, m_browse);
    setTabOrder(m_browse, m_found);
    setTabOrder(m_found, m_find);
    setTabOrder(m_find, Item(IDC_OK));
    setTabOrder(Item(IDC_OK), Item(IDC_CANCEL));
}

void CConfigurationDialog::ShowPortDevice(int index)
{
    m_mapIndex = index;
    const QString port = PortText(index);
    const QString builtIn = QString::fromStdString(DefaultDeviceFor(PortNameForIndex(index)));
    m_group->setTitle(FormatUiText(IDS_CONFIG_DEVICE_GROUP, port));
    m_device->setText(m_pending[index]);
    m_device->setCursorPosition(0);
    m_device->setPlaceholderText(FormatUiText(IDS_CONFIG_BUILT_IN, builtIn));
    m_found->setItemText(0, FormatUiText(IDS_CONFIG_BUILT_IN, builtIn));
    Refresh();
}

void CConfigurationDialog::ChooseFound(int item)
{
    if (item >= 0)
        SetDevice(m_found->itemData(item).toString());
}

void CConfigurationDialog::Browse()
{
    QString path;
    if (FileDialogs().ChooseDevice(this, m_device->text(), path))
        SetDevice(path);
}

void CConfigurationDialog::FindCable()
{
    CFindCableDialog finder(this, m_listDevices);
    if (finder.exec() != QDialog::Accepted)
        return;
    // The cable may be new since the dialog opened: list it too.
    const SerialDevice& cable = finder.Cable();
    const QString keep = TextOfBytes(cable.PathToKeep());
    if (m_found->findData(keep) < 0) {
        m_devices.push_back(cable);
        m_found->addItem(DeviceItemText(cable), keep);
    }
    SetDevice(keep);
}

void CConfigurationDialog::SetDevice(const QString& path)
{
    // A device that has a stable path is kept by it: ttyUSB numbers follow plug order.
    QString kept = path.trimmed();
    const std::string chosen = BytesOfText(kept);
    for (const SerialDevice& device : m_devices) {
        if (device.path == chosen && !device.stablePath.empty())
            kept = TextOfBytes(device.stablePath);
    }
    m_device->setText(kept);
    m_device->setCursorPosition(0);
    KeepEditedDevice();
}

void CConfigurationDialog::KeepEditedDevice()
{
    m_pending[m_mapIndex] = m_device->text().trimmed();
    Refresh();
}

std::string CConfigurationDialog::DeviceOf(int index) const
{
    const std::string name = PortNameForIndex(index);
    if (m_pending[index] == m_stored[index])
        return ResolvePort(GuiContext().ports, name);
    return m_pending[index].isEmpty() ? DefaultDeviceFor(name) : BytesOfText(m_pending[index]);
}

void CConfigurationDialog::Refresh()
{
    // The ports that exist with the devices set so far, then, past a line, those
    // without a device; the choice stays on its port wherever it is listed.
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    const QSignalBlocker blocker(list);
    list->clear();
    QLabel* label = static_cast<QLabel*>(Item(IDC_PORT_DEVICES));
    const QFontMetrics metrics(label->font());
    const QScreen* screen = this->screen() ? this->screen() : QGuiApplication::primaryScreen();
    const int widest = screen ? screen->availableGeometry().width() * 3 / 4 : 800;
    QStringList lines;
    QStringList shown;
    std::vector<int> absent;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const std::string device = DeviceOf(index);
        const bool present = m_deviceExists(device);
        const int state = !present ? IDS_PORT_ABSENT : m_mayOpen(device) ? IDS_PORT_PRESENT : IDS_PORT_FORBIDDEN;
        const QString presence = QStringLiteral(" (%1)").arg(UiText(state));
        const QString port = PortText(index) + QStringLiteral(": ");
        const QString path = TextOfBytes(device);
        lines.append(port + path + presence);
        // A path wider than the screen allows gives way in its middle, so that
        // the port and whether its device is there still show.
        const int room = widest - metrics.horizontalAdvance(port + presence);
        shown.append(port + metrics.elidedText(path, Qt::ElideMiddle, room) + presence);
        if (present)
            list->addItem(PortText(index), index);
        else
            absent.push_back(index);
    }
    if (!absent.empty() && list->count() > 0)
        list->insertSeparator(list->count());
    for (int index : absent)
        list->addItem(QStringLiteral("%1 (%2)").arg(PortText(index), UiText(IDS_PORT_ABSENT)), index);
    list->setCurrentIndex(list->findData(m_mapIndex));
    label->setText(shown.join(QLatin1Char('\n')));
    label->setToolTip(lines.join(QLatin1Char('\n')));
    label->setAccessibleName(lines.join(QLatin1Char('\n')));

    const QString& pending = m_pending[m_mapIndex];
    int found = pending.isEmpty() ? 0 : m_found->findData(pending);
    const std::string typed = BytesOfText(pending);
    for (size_t device = 0; found < 0 && device < m_devices.size(); ++device) {
        if (m_devices[device].path == typed)
            found = m_found->findData(TextOfBytes(m_devices[device].PathToKeep()));
    }
    m_found->setCurrentIndex(found);
}

void CConfigurationDialog::OnOK()
{
    for (int index = 0; index < PORT_COUNT; ++index) {
        if (m_pending[index] != m_stored[index])
            StorePortDevice(PortNameForIndex(index), BytesOfText(m_pending[index]));
    }
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    if (list->currentIndex() != -1)
        m_nPortIndex = list->currentData().toInt();
    EndDialog(Accepted);
}
