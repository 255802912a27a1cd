// Configuration: the serial port, chosen among those of COM1..COM4 that exist.
#pragma once

#include "ui/controls/template_dialog.h"

class CConfigurationDialog : public CTemplateDialog {
public:
    explicit CConfigurationDialog(QWidget* parent);
    int m_nPortIndex = -1; // set before the dialog runs, read after OK

protected:
    void OnInitDialog() override;
    void OnOK() override;
};
