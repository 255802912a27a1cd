// Find Cable: asks the user to unplug the programming cable and plug it in
// again, watching the serial devices meanwhile; the device that came is the cable.
#pragma once

#include "link/cable_finder.h"

#include <QDialog>
#include <QTimer>

#include <functional>
#include <vector>

class QLabel;

// A device as lists show it: "FTDI FT232R USB UART (0403:6001, serial A1B2C3D4): /dev/ttyUSB0".
QString DeviceItemText(const SerialDevice& device);

class CFindCableDialog : public QDialog {
public:
    using Lister = std::function<std::vector<SerialDevice>()>;
    CFindCableDialog(QWidget* parent, Lister list);

    // The cable, once the dialog has been accepted.
    const SerialDevice& Cable() const { return m_finder.Cable(); }
    // Looks at the devices once; the dialog's timer does this every quarter second.
    void Poll();

private:
    Lister m_list;
    CableFinder m_finder;
    QLabel* m_step;
    QLabel* m_devices;
    QTimer m_timer;
};
