#include "ui/dialogs/configuration_dialog.h"

#include "frontend/byte_text.h"
#include "frontend/settings.h"
#include "link/port_probe.h"
#include "link/port_resolver.h"
#include "resources/string_ids.h"
#include "ui/controls/label_buddy.h"
#include "ui/dialogs/find_cable_dialog.h"
#include "ui/host/file_dialogs.h"
#include "ui/host/ui_text.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>

namespace {

QString PortText(int index)
{
    return QString::fromStdString(PortNameForIndex(index));
}

} // namespace

CConfigurationDialog::CConfigurationDialog(QWidget* parent)
    : CTemplateDialog(DLG_CONFIGURATION, parent), m_listDevices([] { return ListSerialDevices(StoredCableIds()); })
    , m_deviceExists(DeviceExists)
{
}

void CConfigurationDialog::OnInitDialog()
{
    m_devices = m_listDevices();
    for (int index = 0; index < PORT_COUNT; ++index)
        m_stored[index] = m_pending[index] = TextOfBytes(StoredPortDevice(PortNameForIndex(index)));
    m_mapIndex = m_nPortIndex >= 0 && m_nPortIndex < PORT_COUNT ? m_nPortIndex : 0;
    BuildDeviceGroup();

    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    Refresh();
    const int configured = m_nPortIndex >= 0 ? list->findText(PortText(m_nPortIndex)) : -1;
    list->setCurrentIndex(configured);
    // The port chosen to use is also the one whose device is shown.
    connect(list, &QComboBox::currentIndexChanged, this, [this, list](int item) {
        if (item >= 0)
            m_mapPort->setCurrentIndex(PortIndexOf(list->itemText(item).toStdString()));
    });
    ShowPortDevice(m_mapIndex);
}

void CConfigurationDialog::BuildDeviceGroup()
{
    QGroupBox* group = new QGroupBox(UiText(IDS_CONFIG_DEVICE_GROUP), this);
    QGridLayout* grid = new QGridLayout(group);
    QLabel* portLabel = new QLabel(UiText(IDS_CONFIG_MAP_PORT), group);
    m_mapPort = new QComboBox(group);
    for (int index = 0; index < PORT_COUNT; ++index)
        m_mapPort->addItem(PortText(index));
    m_mapPort->setCurrentIndex(m_mapIndex);
    LabelFor(portLabel, m_mapPort);

    QLabel* deviceLabel = new QLabel(UiText(IDS_CONFIG_DEVICE), group);
    m_device = new QLineEdit(group);
    deviceLabel->setBuddy(m_device);
    QPushButton* browse = new QPushButton(UiText(IDS_CONFIG_BROWSE), group);
    browse->setAutoDefault(false);

    QLabel* foundLabel = new QLabel(UiText(IDS_CONFIG_FOUND), group);
    m_found = new QComboBox(group);
    m_found->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    m_found->setMinimumContentsLength(16);
    m_found->setPlaceholderText(UiText(IDS_CONFIG_FOUND_OTHER));
    m_found->addItem(QString()); // the built-in device; its text follows the port
    for (const SerialDevice& device : m_devices)
        m_found->addItem(DeviceItemText(device), TextOfBytes(device.PathToKeep()));
    // The popup shows each device's whole name, wider than the field if need be.
    m_found->view()->setMinimumWidth(m_found->view()->sizeHintForColumn(0) + 24);
    LabelFor(foundLabel, m_found);
    QPushButton* find = new QPushButton(UiText(IDS_CONFIG_FIND_CABLE), group);
    find->setAutoDefault(false);

    grid->addWidget(portLabel, 0, 0);
    grid->addWidget(m_mapPort, 0, 1, Qt::AlignLeft);
    grid->addWidget(deviceLabel, 1, 0);
    grid->addWidget(m_device, 1, 1);
    grid->addWidget(browse, 1, 2);
    grid->addWidget(foundLabel, 2, 0);
    grid->addWidget(m_found, 2, 1, 1, 2);
    grid->addWidget(find, 3, 2);
    grid->setColumnStretch(1, 1);

    connect(m_mapPort, &QComboBox::currentIndexChanged, this, [this](int index) { ShowPortDevice(index); });
    connect(m_device, &QLineEdit::textEdited, this, [this] { KeepEditedDevice(); });
    connect(m_found, &QComboBox::activated, this, [this](int item) { ChooseFound(item); });
    connect(browse, &QPushButton::clicked, this, [this] { Browse(); });
    connect(find, &QPushButton::clicked, this, [this] { FindCable(); });

    // Below the port list; the list of ports and their devices follows the group.
    const QRect top = MapDialogRect(4, 40, 192, 0);
    group->setGeometry(top.x(), top.y(), top.width(), group->sizeHint().height());
    QLabel* ports = static_cast<QLabel*>(Item(IDC_PORT_DEVICES));
    const QRect label = MapDialogRect(8, 0, 186, 40);
    ports->setGeometry(label.x(), group->geometry().bottom() + label.x(), label.width(), label.height());
    setFixedSize(width(), ports->geometry().bottom() + MapDialogRect(0, 0, 0, 6).height());

    QWidget* list = Item(IDC_SERIAL_PORT);
    setTabOrder(list, m_mapPort);
    setTabOrder(m_mapPort, m_device);
    setTabOrder(m_device, browse);
    setTabOrder(browse, m_found);
    setTabOrder(m_found, find);
    setTabOrder(find, Item(IDC_OK));
    setTabOrder(Item(IDC_OK), Item(IDC_CANCEL));
}

void CConfigurationDialog::ShowPortDevice(int index)
{
    m_mapIndex = index;
    const QString builtIn = QString::fromStdString(DefaultDeviceFor(PortNameForIndex(index)));
    m_device->setText(m_pending[index]);
    m_device->setCursorPosition(0);
    m_device->setToolTip(m_pending[index]);
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
    m_device->setToolTip(m_pending[m_mapIndex]);
    Refresh();
}

std::string CConfigurationDialog::DeviceOf(int index) const
{
    const std::string name = PortNameForIndex(index);
    if (m_pending[index] == m_stored[index])
        return ResolvePort(name);
    return m_pending[index].isEmpty() ? DefaultDeviceFor(name) : BytesOfText(m_pending[index]);
}

void CConfigurationDialog::Refresh()
{
    // The ports that exist with the devices set so far; the choice stays on its port.
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    const QString chosen = list->currentText();
    const QSignalBlocker blocker(list);
    list->clear();
    QLabel* label = static_cast<QLabel*>(Item(IDC_PORT_DEVICES));
    QStringList lines;
    QStringList shown;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const std::string device = DeviceOf(index);
        const bool present = m_deviceExists(device);
        const QString presence = QStringLiteral(" (%1)").arg(UiText(present ? IDS_PORT_PRESENT : IDS_PORT_ABSENT));
        const QString port = PortText(index) + QStringLiteral(": ");
        const QString path = TextOfBytes(device);
        lines.append(port + path + presence);
        // A stable path is long: its middle gives way so that the presence shows.
        const QFontMetrics metrics(label->font());
        const int room = label->width() - metrics.horizontalAdvance(port + presence);
        shown.append(port + metrics.elidedText(path, Qt::ElideMiddle, room) + presence);
        if (present)
            list->addItem(PortText(index));
    }
    list->setCurrentIndex(chosen.isEmpty() ? -1 : list->findText(chosen));
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
    if (list->currentIndex() != -1) {
        const int index = PortIndexOf(list->currentText().toStdString());
        if (index >= 0)
            m_nPortIndex = index;
    }
    EndDialog(Accepted);
}
