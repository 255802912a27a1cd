// The option board's fifteen settings: a record, the single source for the edit
// dialog, the board memory image and the data file. The GUI's document holds one
// with the codeplug version of the data last read or loaded beside it; a record
// of its own (a comparison, a check) touches nothing else.
#pragma once

#include "board/modified_sink.h"
#include "board/values.h"
#include "storage/data_file_layout.h"

class OperationContext;

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr uint16_t SETTINGS_ADDRESS = 0x1000;

// The codeplug version this program supports.
constexpr int32_t supportedCodeplugMajor = 1;
constexpr int32_t supportedCodeplugMinor = 0;

class COptionBoardData {
public:
    COptionBoardData();
    virtual ~COptionBoardData() = default;
    COptionBoardData(const COptionBoardData&) = delete;
    COptionBoardData& operator=(const COptionBoardData&) = delete;

    // Every member back to its default (member order).
    virtual void ResetAll();
    // The data file: codeplug version then the settings image (26 bytes). The
    // file's version goes into `major` and `minor` when they are given, as soon
    // as the file is read (also when it is then refused for its version or its
    // checksum); the record keeps it in fileHeader too.
    virtual bool LoadFromFile(const std::string& path, int32_t* major = nullptr, int32_t* minor = nullptr);
    // Saves the record under the codeplug version in fileHeader: the version
    // this program supports until a file is loaded or another version given.
    virtual bool SaveToFile(const std::string& path);
    // Saves the record under the given codeplug version.
    bool SaveToFile(const std::string& path, int32_t major, int32_t minor);
    // The settings image (24 bytes, big-endian, checksum first).
    virtual void ToImage(uint8_t* buffer);
    virtual bool FromImage(const uint8_t* buffer);
    virtual bool CheckImage(const uint8_t* buffer);
    virtual void SumImage(const uint8_t* buffer);
    virtual void ClearImage(uint8_t* buffer);

    int32_t checksum;
    uint8_t fileHeader[DATA_FILE_HEADER_SIZE];
    uint8_t fileImage[SETTINGS_IMAGE_SIZE];

    CBoolValue tiltAlarm;
    CIntValue tiltPreAlertTime;
    CIntValue tiltAlertTime;
    CIntValue activationAngle;
    CBoolValue antiMovementAlarm;
    CIntValue antiMovementPreAlertTime;
    CIntValue antiMovementAlertTime;
    CBoolValue movementAlarm;
    CIntValue movementPreAlertTime;
    CIntValue movementAlertTime;
    CBoolValue movementAlertEnable;
    CBoolValue alertRepeat;
    CIntValue alertRepeatTime;
    CIntValue sensorSensitivity;
    CBoolValue clockShift;

    // Told when a value really changes; none: the values are only stored.
    IModifiedSink* modifiedSink = nullptr;
    // Where the data file's boxes are shown; none: to standard error.
    OperationContext* context = nullptr;
};

// A record's settings image, as a write sends it.
using SettingsImage = std::array<uint8_t, SETTINGS_IMAGE_SIZE>;
SettingsImage ImageOf(COptionBoardData& record);

// A record with the codeplug version that goes with it: what a read fills.
struct VersionedRecord {
    COptionBoardData& record;
    int32_t& major;
    int32_t& minor;
};

