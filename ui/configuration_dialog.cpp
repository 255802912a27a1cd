#include "ui/configuration_dialog.h"

#include "link/port_probe.h"

#include <QComboBox>

CConfigurationDialog::CConfigurationDialog(QWidget* parent) : CTemplateDialog(DLG_CONFIGURATION, parent) {}

void CConfigurationDialog::OnInitDialog()
{
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    int selection = -1;
    for (int n = 1; n <= PROBED_PORT_COUNT; ++n) {
        const QString name = QStringLiteral("COM%1").arg(n);
        if (!PortExists(name.toStdString()))
            continue;
        list->addItem(name);
        if (n - 1 == m_nPortIndex)
            selection = list->count() - 1;
    }
    list->setCurrentIndex(selection);
}

void CConfigurationDialog::OnOK()
{
    QComboBox* list = static_cast<QComboBox*>(Item(IDC_SERIAL_PORT));
    // The fourth character is the port's digit: COM1..COM4 give 0..3.
    if (list->currentIndex() != -1) {
        const QString text = list->currentText();
        if (text.size() >= 4)
            m_nPortIndex = text[3].unicode() - QLatin1Char('1').unicode();
    }
    EndDialog(Accepted);
}
