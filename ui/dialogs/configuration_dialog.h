// Configuration: the serial port, chosen among those of COM1..COM4 that exist,
// and the device the chosen port stands for: one of the devices found, a path
// browsed to, or the one Find Cable saw come and go. A device with a stable path
// is remembered by it, so that a cable keeps its port whatever the plug order.
// Ports without a device are listed after the others, marked, so that their
// device can be set with the same one choice.
#pragma once

#include "link/port_name.h"
#include "link/serial_devices.h"
#include "ui/controls/template_dialog.h"

#include <functional>
#include <vector>

class QComboBox;
class QGroupBox;
class QLineEdit;
class QPushButton;

class CConfigurationDialog : public CTemplateDialog {
public:
    explicit CConfigurationDialog(QWidget* parent);
    int m_nPortIndex = -1; // set before the dialog runs, read after OK
    // Where the dialog learns the serial devices; tests give a tree of their own.
    std::function<std::vector<SerialDevice>()> m_listDevices;
    std::function<bool(const std::string&)> m_deviceExists;
    std::function<bool(const std::string&)> m_mayOpen;

protected:
    void OnInitDialog() override;
    void OnOK() override;

private:
    void BuildDeviceGroup();
    void LayOut();
    void ShowPortDevice(int index);
    void ChooseFound(int item);
    void Browse();
    void FindCable();
    void SetDevice(const QString& path);
    void KeepEditedDevice();
    std::string DeviceOf(int index) const;
    void Refresh();

    std::vector<SerialDevice> m_devices;
    QString m_stored[PORT_COUNT];  // Ports/COMn as the dialog found it
    QString m_pending[PORT_COUNT]; // as the user has set it so far
    int m_mapIndex = 0; // the chosen port, whose device the group shows
    QGroupBox* m_group = nullptr;
    QLineEdit* m_device = nullptr;
    QPushButton* m_browse = nullptr;
    QPushButton* m_find = nullptr;
    QComboBox* m_found = nullptr;
};
