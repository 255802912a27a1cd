#include "ui/dialogs/configuration_dialog.h"

#include "link/port_probe.h"

#include "link/port_resolver.h"
#include "resources/string_ids.h"
#include "ui/host/ui_text.h"

#include <QComboBox>
#include <QLabel>

CConfigurationDialog::CConfigurationDialog(QWidget* parent) : CTemplateDialog(DLG_CONFIGURATION, parent) {}

void CConfigurationDialog::OnInitDialog()
{
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    int selection = -1;
    QStringList devices;
    for (int index = 0; index < PORT_COUNT; ++index) {
        const QString name = QString::fromStdString(PortNameForIndex(index));
        const bool present = PortExists(name.toStdString());
        devices.append(QStringLiteral("%1: %2 (%3)")
                           .arg(name, QString::fromStdString(ResolvePort(name.toStdString())),
                                UiText(present ? IDS_PORT_PRESENT : IDS_PORT_ABSENT)));
        if (!present)
            continue;
        list->addItem(name);
        if (index == m_nPortIndex)
            selection = list->count() - 1;
    }
    list->setCurrentIndex(selection);
    static_cast<QLabel*>(Item(IDC_PORT_DEVICES))->setText(devices.join(QLatin1Char('\n')));
}

void CConfigurationDialog::OnOK()
{
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    if (list->currentIndex() != -1) {
        const int index = PortIndexOf(list->currentText().toStdString());
        if (index >= 0)
            m_nPortIndex = index;
    }
    EndDialog(Accepted);
}
