// The option board's fifteen settings: one program-wide record, the single source
// for the edit dialog, the board memory image, the data file and the board
// operations. Beside it the codeplug version of the data last read or loaded.
#pragma once

#include "board/values.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

constexpr size_t SETTINGS_IMAGE_SIZE = 24;  // the settings area of board memory
constexpr size_t DATA_FILE_HEADER_SIZE = 2; // codeplug version major, minor
constexpr size_t DATA_FILE_SIZE = DATA_FILE_HEADER_SIZE + SETTINGS_IMAGE_SIZE;
constexpr uint16_t SETTINGS_ADDRESS = 0x1000;

// The codeplug version this program supports.
constexpr int32_t supportedCodeplugMajor = 1;
constexpr int32_t supportedCodeplugMinor = 0;

// Codeplug version of the data last loaded from a file or read from a board.
extern int32_t codeplugMajor;
extern int32_t codeplugMinor;

class COptionBoardData {
public:
    COptionBoardData();
    virtual ~COptionBoardData() = default;
    COptionBoardData(const COptionBoardData&) = delete;
    COptionBoardData& operator=(const COptionBoardData&) = delete;

    // Every member back to its default (member order).
    virtual void ResetAll();
    // The data file: codeplug version then the settings image (26 bytes).
    virtual bool LoadFromFile(const std::string& path);
    virtual bool SaveToFile(const std::string& path);
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
};

// The one record of the program.
extern COptionBoardData theOptionBoardData;

// A record's settings image, as a write sends it.
using SettingsImage = std::array<uint8_t, SETTINGS_IMAGE_SIZE>;
SettingsImage ImageOf(COptionBoardData& record);

// A record with the codeplug version that goes with it: what a read fills.
struct VersionedRecord {
    COptionBoardData& record;
    int32_t& major;
    int32_t& minor;
};

// The program's record and codeplug version.
inline VersionedRecord ProgramRecord()
{
    return VersionedRecord{ theOptionBoardData, codeplugMajor, codeplugMinor };
}
