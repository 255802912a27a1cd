#include "cli/settings.h"

#include <QSettings>
#include <QString>

#define VIGILON_SETTINGS QSettings settings(QStringLiteral("Ardentec"), QStringLiteral("Vigilon OSS"))

int StoredSerialPortIndex()
{
    VIGILON_SETTINGS;
    const int index = settings.value(QStringLiteral("Options/SerialPort"), 0).toInt();
    return index > 3 ? 0 : index;
}

SettingsPortResolver::SettingsPortResolver()
{
    SetPortResolver(this);
}

SettingsPortResolver::~SettingsPortResolver()
{
    SetPortResolver(nullptr);
}

std::string SettingsPortResolver::DeviceFor(const std::string& portName)
{
    const QString key = QStringLiteral("Ports/") + QString::fromStdString(portName);
    VIGILON_SETTINGS;
    const QString device = settings.value(key).toString();
    if (!device.isEmpty())
        return device.toStdString();
    return DefaultDeviceFor(portName);
}
