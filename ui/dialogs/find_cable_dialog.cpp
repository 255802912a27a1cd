#include "ui/dialogs/find_cable_dialog.h"

#include "resources/string_ids.h"
#include "ui/base/screen_fit.h"
#include "ui/base/ui_text.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include <utility>

QString DeviceItemText(const SerialDevice& device)
{
    return FormatUiText(IDS_CONFIG_FOUND_ITEM, QString::fromStdString(DeviceDescription(device)),
                        QString::fromStdString(device.path));
}

CFindCableDialog::CFindCableDialog(QWidget* parent, Lister list)
    : QDialog(parent), m_list(std::move(list)), m_finder(m_list())
{
    setWindowTitle(UiText(IDS_FIND_CABLE_TITLE));
    m_step = new QLabel(UiText(IDS_FIND_CABLE_UNPLUG), this);
    m_step->setWordWrap(true);
    m_devices = new QLabel(this);
    m_devices->setWordWrap(true);
    QDialogButtonBox* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Cancel)->setText(UiText(IDS_KEYED_CANCEL));
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QVBoxLayout* layout = new QVBoxLayout(this);
    layout->addWidget(m_step);
    layout->addWidget(m_devices);
    layout->addStretch(1);
    layout->addWidget(buttons);
    setMinimumWidth(420);
    KeepOnScreen(this);
    Poll();
    connect(&m_timer, &QTimer::timeout, this, &CFindCableDialog::Poll);
    m_timer.start(250);
}

void CFindCableDialog::Poll()
{
    const std::vector<SerialDevice> now = m_list();
    QStringList names;
    for (const SerialDevice& device : now)
        names.append(QString::fromStdString(device.name));
    m_devices->setText(names.isEmpty() ? UiText(IDS_CLI_NO_DEVICES)
                                       : FormatUiText(IDS_FIND_CABLE_DEVICES, names.join(QStringLiteral(", "))));
    switch (m_finder.Feed(now)) {
    case CableFinder::Stage::WaitingForUnplug: break;
    case CableFinder::Stage::WaitingForPlug:
        m_step->setText(FormatUiText(IDS_FIND_CABLE_PLUG, DeviceItemText(m_finder.Unplugged())));
        break;
    case CableFinder::Stage::Found:
        m_timer.stop();
        accept();
        break;
    }
}
