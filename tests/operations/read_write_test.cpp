// Reading and writing the board's settings: the requests in their order, every
// row of the failure tables with its messages in order, the radio always reset
// and the port always released.
#include "link/serial_port.h"
#include "operations/read_operation.h"
#include "operations/write_operation.h"
#include "tests/support/board_fixture.h"
#include "tests/support/message_texts.h"
#include "tests/support/operation_bench.h"

#include <gtest/gtest.h>

#include <cstring>

using namespace text;
using Requests = std::vector<std::string>;

namespace {

const Requests READ_COURSE = { "info", "identify", "read 0x0050/16", "read 0x1000/24", "reset" };
const Requests WRITE_COURSE = { "info", "identify", "read 0x0050/16", "write 0x1000/24", "reset" };

void ExpectPortReleased(OperationBench& bench)
{
    EXPECT_TRUE(bench.PortIsFree()) << "the port was not released";
    EXPECT_EQ(bench.host.events, (Texts{ "wait on", "wait off" }));
}

void SetDistinctRecord()
{
    theOptionBoardData.tiltAlertTime.Set(42);
    theOptionBoardData.clockShift.Set(1);
}

} // namespace

TEST(ReadOperation, ReadsTheBoardIntoTheRecord)
{
    sim::SimConfig config;
    config.identity.codeplug = "01.03";
    OperationBench bench(config);
    // The board holds something other than the defaults.
    ByteVector image = DefaultImage();
    image[5] = 0x00;
    image[6] = 0x2A; // tilt alert time 42
    image[22] = 2;   // sensitivity high
    bench.radio.PokeMemory(0x1000, WithChecksum(image));
    int loadedCalls = 0;
    Texts shownBeforeLoaded;
    const ReadOutcome outcome = ReadIntoProgram(theRadioLink, bench.Port(), [&] {
        ++loadedCalls;
        shownBeforeLoaded = bench.messages.Texts();
    });
    EXPECT_TRUE(outcome.loaded);
    EXPECT_EQ(loadedCalls, 1);
    EXPECT_TRUE(shownBeforeLoaded.empty()) << "the document is loaded before the success message";
    EXPECT_EQ(bench.messages.Texts(), Texts{ READ_OK });
    EXPECT_EQ(bench.Requests(), READ_COURSE);
    EXPECT_EQ(theOptionBoardData.tiltAlertTime.Get(), 42);
    EXPECT_EQ(theOptionBoardData.sensorSensitivity.Get(), 2);
    EXPECT_EQ(codeplugMajor, 1);
    EXPECT_EQ(codeplugMinor, 3);
    ExpectPortReleased(bench);
}

TEST(ReadOperation, EveryFailureIsReportedAfterTheRadioIsReset)
{
    struct Case {
        const char* what;
        sim::SimConfig config;
        Texts messages;
        Requests requests;
        bool recordUnchanged;
        int major;
    };
    sim::SimConfig otherBoard;
    otherBoard.identity.type = "Vigilant";
    sim::SimConfig newerBoard;
    newerBoard.identity.codeplug = "02.04";
    sim::SimConfig badImage;
    badImage.badImageChecksum = true;
    const Case cases[] = {
        { "no radio on the port", OperationBench::WithFaults({ "silent-radio" }),
          { NO_RESPONSE, NO_RESPONSE, READ_FAILED }, { "info", "reset" }, true, 1 },
        { "radio refuses the information request", OperationBench::WithFaults({ "nak@info" }),
          { NAK, READ_FAILED }, { "info", "reset" }, true, 1 },
        { "another board", otherBoard, { UNKNOWN_BOARD, READ_FAILED }, { "info", "identify", "reset" }, true, 1 },
        { "newer codeplug", newerBoard, { Version("02 . 04") },
          { "info", "identify", "read 0x0050/16", "reset" }, true, 2 },
        { "version unreadable", OperationBench::WithFaults({ "silent-board@read:0x50" }),
          { NO_BOARD, Version("255 . 00") }, { "info", "identify", "read 0x0050/16", "reset" }, true, 255 },
        { "settings unreadable", OperationBench::WithFaults({ "silent-board@read:0x1000" }),
          { NO_BOARD, READ_FAILED }, READ_COURSE, true, 1 },
        { "settings checksum wrong", badImage, { BOARD_CHECKSUM }, READ_COURSE, true, 1 },
        { "reset refused after a good image", OperationBench::WithFaults({ "nak@reset" }), { NAK }, READ_COURSE,
          false, 1 },
        { "reset refused after a failure", OperationBench::WithFaults({ "nak@reset", "not-c@read:0x1000" }),
          { UNEXPECTED, NAK, READ_FAILED }, READ_COURSE, true, 1 },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OperationBench bench(c.config);
        // The board holds other values than the record, so a change would show.
        ByteVector image = DefaultImage();
        image[23] = 1;
        bench.radio.PokeMemory(0x1000, c.config.badImageChecksum ? image : WithChecksum(image));
        SetDistinctRecord();
        const std::vector<int32_t> before = Values(theOptionBoardData);
        bool loadedCalled = false;
        EXPECT_FALSE(ReadIntoProgram(theRadioLink, bench.Port(), [&] { loadedCalled = true; }).loaded);
        EXPECT_FALSE(loadedCalled);
        EXPECT_EQ(bench.messages.Texts(), c.messages);
        EXPECT_EQ(bench.Requests(), c.requests);
        EXPECT_EQ(Values(theOptionBoardData) == before, c.recordUnchanged);
        EXPECT_EQ(codeplugMajor, c.major);
        ExpectPortReleased(bench);
    }
}

TEST(ReadOperation, APortThatDoesNotOpenIsNamedAndNothingIsSent)
{
    OperationBench bench;
    CSerialPort holder;
    ASSERT_TRUE(holder.Open(bench.Port().c_str())); // another program has the port
    EXPECT_FALSE(ReadIntoProgram(theRadioLink, bench.Port(), nullptr).loaded);
    EXPECT_EQ(bench.messages.Texts(), Texts{ PortFailed(bench.Port()) });
    EXPECT_EQ(bench.messages.shown[0].caption, "Error");
    EXPECT_TRUE(bench.Requests().empty());
    EXPECT_TRUE(bench.host.events.empty()) << "no wait cursor without a port";

    EXPECT_FALSE(ReadIntoProgram(theRadioLink, "COM4", nullptr).loaded);
    EXPECT_EQ(bench.messages.Texts().back(), PortFailed("COM4"));
}

TEST(WriteOperation, WritesTheDefaultRecordAsTheKnownImage)
{
    OperationBench bench;
    bench.radio.PokeMemory(0x1000, ByteVector(24, 0xAA));
    codeplugMajor = 0; // a file's version is not compared with the board's
    codeplugMinor = 4;
    int writtenCalls = 0;
    const WriteOutcome outcome = RunWriteOperation(theRadioLink, bench.Port(), ImageOf(theOptionBoardData).data(), [&] {
        ++writtenCalls;
        EXPECT_EQ(bench.messages.Texts(), Texts{ CONFIRM_WRITE });
    });
    EXPECT_TRUE(outcome.written);
    EXPECT_EQ(writtenCalls, 1);
    EXPECT_EQ(bench.messages.Texts(), (Texts{ CONFIRM_WRITE, WRITE_OK }));
    const MessageBoxRequest& question = bench.messages.shown[0];
    EXPECT_EQ(question.caption, "Vigilon OSS");
    EXPECT_EQ(question.icon, MsgIcon::Question);
    EXPECT_EQ(question.buttons, MsgButtons::YesNo);
    EXPECT_EQ(question.defaultButton, MsgAnswer::Yes);
    EXPECT_EQ(bench.Requests(), WRITE_COURSE);
    const sim::BoardMemory::Image memory = bench.radio.MemorySnapshot();
    EXPECT_EQ(ByteVector(memory.begin() + 0x1000, memory.begin() + 0x1018), DefaultImage());
    EXPECT_EQ(codeplugMajor, 0) << "the board's version stays out of the program's";
    EXPECT_EQ(codeplugMinor, 4);
    ExpectPortReleased(bench);
}

TEST(WriteOperation, OutOfRangeValuesGoOutInTheirFieldWidths)
{
    OperationBench bench;
    theOptionBoardData.tiltPreAlertTime.Set(700);
    theOptionBoardData.activationAngle.Set(5);
    ASSERT_TRUE(RunWriteOperation(theRadioLink, bench.Port(), ImageOf(theOptionBoardData).data(), nullptr).written);
    const sim::BoardMemory::Image memory = bench.radio.MemorySnapshot();
    EXPECT_EQ(memory[0x1003], 0x02);
    EXPECT_EQ(memory[0x1004], 0xBC);
    EXPECT_EQ(memory[0x1007], 5);
}

TEST(WriteOperation, AnsweringNoTouchesNothing)
{
    OperationBench bench;
    bench.messages.answers.push_back(MsgAnswer::No);
    const WriteOutcome outcome = RunWriteOperation(theRadioLink, bench.Port(), ImageOf(theOptionBoardData).data(), nullptr);
    EXPECT_FALSE(outcome.asked);
    EXPECT_FALSE(outcome.written);
    EXPECT_EQ(bench.messages.Texts(), Texts{ CONFIRM_WRITE });
    EXPECT_TRUE(bench.Requests().empty());
    EXPECT_TRUE(bench.host.events.empty()) << "the port was never opened";
}

TEST(WriteOperation, EveryFailureIsReportedAfterTheRadioIsReset)
{
    struct Case {
        const char* what;
        sim::SimConfig config;
        Texts messages;
        Requests requests;
    };
    sim::SimConfig otherBoard;
    otherBoard.identity.type = "Vigilo";
    sim::SimConfig newerBoard;
    newerBoard.identity.codeplug = "03.01";
    const Case cases[] = {
        { "no radio", OperationBench::WithFaults({ "silent-radio" }), { NO_RESPONSE, NO_RESPONSE }, { "info", "reset" } },
        { "another board", otherBoard, { UNKNOWN_BOARD }, { "info", "identify", "reset" } },
        { "newer codeplug", newerBoard, { Version("03 . 01") }, { "info", "identify", "read 0x0050/16", "reset" } },
        { "board refuses the write silently", OperationBench::WithFaults({ "write-refused" }), { WRITE_FAILED },
          WRITE_COURSE },
        { "board does not answer the write", OperationBench::WithFaults({ "silent-board@write" }),
          { NO_BOARD, WRITE_FAILED }, WRITE_COURSE },
        { "reset refused after the write", OperationBench::WithFaults({ "nak@reset" }), { NAK }, WRITE_COURSE },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OperationBench bench(c.config);
        bool writtenCalled = false;
        EXPECT_FALSE(RunWriteOperation(theRadioLink, bench.Port(), ImageOf(theOptionBoardData).data(), [&] { writtenCalled = true; }).written);
        EXPECT_FALSE(writtenCalled);
        Texts expected = { CONFIRM_WRITE };
        expected.insert(expected.end(), c.messages.begin(), c.messages.end());
        EXPECT_EQ(bench.messages.Texts(), expected);
        EXPECT_EQ(bench.Requests(), c.requests);
        ExpectPortReleased(bench);
    }
}

TEST(WriteOperation, ItsClosingBoxComesAfterTheRadioIsReset)
{
    struct Case {
        const char* what;
        sim::SimConfig config;
        WriteOptions options;
        Texts timeline;
    };
    WriteOptions verify;
    verify.ask = false;
    verify.verify = true;
    WriteOptions backUpFirst;
    backUpFirst.ask = false;
    backUpFirst.backupFirst = [](int32_t, int32_t, const uint8_t*, std::string& error) {
        error = "No space left on device";
        return false;
    };
    const std::string notWritten = "The backup before the write failed, so nothing was written to the option board.";
    const Case cases[] = {
        { "verify finds other settings", OperationBench::WithFaults({ "write-lost" }), verify,
          { "info", "identify", "read 0x0050/16", "write 0x1000/24", "read 0x1000/24", "reset",
            "box: The option board holds other settings than were written.", "box: " + WRITE_FAILED } },
        { "backup not kept", sim::SimConfig(), backUpFirst,
          { "info", "identify", "read 0x0050/16", "read 0x1000/24", "reset",
            "box: " + notWritten.substr(0, notWritten.size() - 1) + ":\nNo space left on device" } },
        { "settings short for the backup", OperationBench::WithFaults({ "reply-count=20@read:0x1000" }), backUpFirst,
          { "info", "identify", "read 0x0050/16", "read 0x1000/24", "reset", "box: " + notWritten } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OperationBench bench(c.config);
        SetDistinctRecord(); // so that a board keeping its old settings differs
        EXPECT_FALSE(RunWriteOperation(theRadioLink, bench.Port(), ImageOf(theOptionBoardData).data(), nullptr, c.options).written);
        EXPECT_EQ(bench.Timeline(), c.timeline);
        ExpectPortReleased(bench);
    }
}
