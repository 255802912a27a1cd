// Test helpers for the option board record: a counting modified sink, and a
// record put back to factory state around each test.
#pragma once

#include "board/modified_sink.h"
#include "board/option_board_data.h"
#include "tests/support/bench_objects.h"
#include "tests/support/recording_presenter.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

class CountingSink : public IModifiedSink {
public:
    CountingSink() { theOptionBoardData.modifiedSink = this; }
    ~CountingSink() override { theOptionBoardData.modifiedSink = nullptr; }
    void SetModified() override { ++marks; }
    int marks = 0;
};

class BoardRecordTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        theOptionBoardData.modifiedSink = nullptr;
        theOptionBoardData.ResetAll();
        codeplugMajor = supportedCodeplugMajor;
        codeplugMinor = supportedCodeplugMinor;
    }
    void TearDown() override { SetUp(); }

    RecordingPresenter messages;
};

// The 15 values of a record, in member order, for whole-record comparisons.
inline std::vector<int32_t> Values(const COptionBoardData& r)
{
    return { r.tiltAlarm.Get(), r.tiltPreAlertTime.Get(), r.tiltAlertTime.Get(), r.activationAngle.Get(),
             r.antiMovementAlarm.Get(), r.antiMovementPreAlertTime.Get(), r.antiMovementAlertTime.Get(),
             r.movementAlarm.Get(), r.movementPreAlertTime.Get(), r.movementAlertTime.Get(),
             r.movementAlertEnable.Get(), r.alertRepeat.Get(), r.alertRepeatTime.Get(),
             r.sensorSensitivity.Get(), r.clockShift.Get() };
}

using ByteVector = std::vector<uint8_t>;

// The settings image of a factory-fresh record.
inline ByteVector DefaultImage()
{
    return { 0x00, 0xFE, 0x01, 0x00, 0x64, 0x00, 0x0A, 0x01, 0x01, 0x00, 0x64, 0x00,
             0x0A, 0x00, 0x00, 0x0A, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x0A, 0x01, 0x00 };
}

// Recomputes an image's checksum after a test changed its fields.
inline ByteVector WithChecksum(ByteVector image)
{
    unsigned sum = 0;
    for (size_t i = 2; i < image.size(); ++i)
        sum += image[i];
    image[0] = static_cast<uint8_t>(sum >> 8);
    image[1] = static_cast<uint8_t>(sum);
    return image;
}
