#include "app/settings.h"

#include "app/byte_text.h"
#include "link/cable_follow.h"

#include <QSettings>
#include <QString>

const char* const SETTINGS_ORGANISATION = "Ardentec";
const char* const SETTINGS_APPLICATION = "Vigilon OSS";

#define VIGILON_SETTINGS QSettings settings(QString::fromLatin1(SETTINGS_ORGANISATION), QString::fromLatin1(SETTINGS_APPLICATION))

int StoredSerialPortIndex()
{
    VIGILON_SETTINGS;
    const int index = settings.value(QStringLiteral("Options/SerialPort"), 0).toInt();
    return index > 3 ? 0 : index;
}

std::vector<CableId> StoredCableIds()
{
    VIGILON_SETTINGS;
    std::vector<CableId> ids;
    ParseCableIds(settings.value(QStringLiteral("Ports/CableIds")).toString().toStdString(), ids);
    return ids;
}

void StoreSerialPortIndex(int index)
{
    VIGILON_SETTINGS;
    settings.setValue(QStringLiteral("Options/SerialPort"), index);
}

bool StoredOption(const char* name, bool fallback)
{
    VIGILON_SETTINGS;
    return settings.value(QStringLiteral("Options/") + QString::fromLatin1(name), fallback).toBool();
}

void StoreOption(const char* name, bool value)
{
    VIGILON_SETTINGS;
    settings.setValue(QStringLiteral("Options/") + QString::fromLatin1(name), value);
}

std::string StoredHistoryServer()
{
    VIGILON_SETTINGS;
    return settings.value(QStringLiteral("History/Server")).toString().trimmed().toStdString();
}

void StoreHistoryServer(const std::string& uri)
{
    VIGILON_SETTINGS;
    settings.setValue(QStringLiteral("History/Server"), QString::fromStdString(uri));
}

std::string StoredBenchName()
{
    VIGILON_SETTINGS;
    return settings.value(QStringLiteral("History/Bench")).toString().trimmed().toStdString();
}

void StoreBenchName(const std::string& name)
{
    VIGILON_SETTINGS;
    settings.setValue(QStringLiteral("History/Bench"), QString::fromStdString(name));
}


// A device path is bytes to the system, whatever the settings file's text form:
// bytes that are not UTF-8 are kept as the code points that stand for them, and
// a UTF-8 path is stored as its text, as it always was.
std::string StoredPortDevice(const std::string& portName)
{
    VIGILON_SETTINGS;
    return BytesOfText(settings.value(QStringLiteral("Ports/") + QString::fromStdString(portName)).toString());
}

void StorePortDevice(const std::string& portName, const std::string& device)
{
    VIGILON_SETTINGS;
    const QString key = QStringLiteral("Ports/") + QString::fromStdString(portName);
    if (device.empty())
        settings.remove(key);
    else
        settings.setValue(key, TextOfBytes(device));
}

std::string StoredPortCable(const std::string& portName)
{
    VIGILON_SETTINGS;
    return BytesOfText(settings.value(QStringLiteral("PortCables/") + QString::fromStdString(portName)).toString());
}

void StorePortCable(const std::string& portName, const std::string& stableName)
{
    VIGILON_SETTINGS;
    settings.setValue(QStringLiteral("PortCables/") + QString::fromStdString(portName), TextOfBytes(stableName));
}

std::string SettingsPortResolver::DeviceFor(const std::string& portName)
{
    const std::string stored = StoredPortDevice(portName);
    const std::string device = stored.empty() ? DefaultDeviceFor(portName) : stored;
    const std::string seen = StableNameOf(device);
    const std::string kept = StoredPortCable(portName);
    if (!seen.empty()) {
        if (seen != kept)
            StorePortCable(portName, seen);
        return device;
    }
    return FollowCable(device, kept);
}
