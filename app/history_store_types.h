// The service history's values: an entry, a fleet run's row, a filter.
#pragma once

#include "operations/operation_record.h"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

// The history's form of a time: UTC with milliseconds, "2026-12-09T03:05:01.123Z",
// so that texts sort as times do.
std::string HistoryTimeNow();

struct HistoryEntry {
    int64_t id = 0;
    std::string time; // HistoryTimeNow's form
    std::string user;
    std::string host;
    std::string program; // "vigilon-oss-cli 1.4.0"
    std::string port;
    std::string device;
    std::string radioInfo;
    std::string boardType;
    std::string boardHardware;
    std::string boardSoftware;
    std::string boardCodeplug;
    std::string operation;
    std::string result;
    std::vector<std::string> messages; // as shown, in order
    std::optional<DataFileBytes> settingsRead;
    std::optional<DataFileBytes> settingsWritten;
    bool verified = false;
    std::string backupFile;
    int64_t fleetRun = 0; // 0: none
    std::string radioId;  // the radio's serial number or asset tag as the technician gave it; empty: none
    std::string uuid;     // the entry's own name wherever it is copied: given when it is added
    std::string bench;    // the name of the computer (bench) that added it, as the depot's record shows it
    std::string journal;  // read from the depot's record: the bench's journal it came from (no column of its own)

    bool Succeeded() const { return result == "succeeded"; }
};

struct HistoryRun {
    int64_t id = 0;
    std::string settingsFile;
    std::string settingsSha256; // of the file's bytes, in hexadecimal
    std::string ports;          // "COM1, COM2"
    int count = 0;              // radios asked for; 0: until stopped
    std::string started;
    std::string ended; // empty while running, or when the run never ended
};

// Which entries a list shows; every part left empty lets all through.
struct HistoryFilter {
    std::string radio;     // the radio's text starts with this
    std::string radioId;   // exactly this radio ID
    std::string board;     // the board's type, hardware, software or codeplug version contains this
    std::string operation; // exactly this operation
    std::string result;    // exactly this result
    bool failedOnly = false; // every result but "succeeded"
    std::string since;     // from this time on (HistoryTimeNow's form)
    std::string until;     // up to and including this time
};

