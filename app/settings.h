// The settings the GUI and the command-line tool share:
// QSettings("Ardentec", "Vigilon OSS"), "Options"/"SerialPort" for the configured
// port and "Ports"/"COM1".."COM4" for the device each port name stands for.
#pragma once

#include "link/port_resolver.h"
#include "link/serial_devices.h"

#include <vector>

#include <string>

// Where the settings live: organisation and application of QSettings.
extern const char* const SETTINGS_ORGANISATION;
extern const char* const SETTINGS_APPLICATION;

// The configured port index; 0 (COM1) when none is stored, above 3 read as 0,
// a negative value as it is.
int StoredSerialPortIndex();
void StoreSerialPortIndex(int index);

// An on/off option under "Options" ("VerifyAfterWrite", "BackUpBeforeWrite").
bool StoredOption(const char* name, bool fallback);
void StoreOption(const char* name, bool value);

// The depot's record the service history is also sent to, "History/Server": a
// connection URI ("postgresql://vigilon@depot/vigilon"); empty for none. Its
// password is never kept here: the server's client library finds it.
std::string StoredHistoryServer();
void StoreHistoryServer(const std::string& uri);
// The name this computer's entries carry in the depot's record, "History/Bench";
// empty: the computer's own name.
std::string StoredBenchName();
void StoreBenchName(const std::string& name);

// USB ids of programming cables beyond the built-in ones, "Ports/CableIds"
// ("0403:6015, 1a86"); an unreadable setting adds none.
std::vector<CableId> StoredCableIds();

// The device "Ports/COMn" names for a port, empty when the built-in mapping
// holds; storing an empty path goes back to the built-in mapping.
std::string StoredPortDevice(const std::string& portName);
void StorePortDevice(const std::string& portName, const std::string& device);

// The stable name of the cable last seen on a port's device, "PortCables/COMn";
// empty when none was seen there.
std::string StoredPortCable(const std::string& portName);
void StorePortCable(const std::string& portName, const std::string& stableName);

// Resolves COM1..COM4 through "Ports/COMn" when set, else the built-in mapping;
// a device that is gone gives way to the cable last seen on it, under its new name.
class SettingsPortResolver : public IPortResolver {
public:
    std::string DeviceFor(const std::string& portName) override;
};
