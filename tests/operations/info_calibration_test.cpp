// The information read-out and the calibration: fields exactly as the board
// holds them, the field failure rule, and the calibration's questions and
// outcomes.
#include "link/serial_port.h"
#include "operations/calibration_operation.h"
#include "operations/info_operation.h"
#include "seams/status_message.h"
#include "tests/support/message_texts.h"
#include "tests/support/operation_bench.h"

#include <gtest/gtest.h>

using namespace text;
using Requests = std::vector<std::string>;

namespace {

const Requests INFO_COURSE = { "info",           "identify",       "read 0x0000/48", "read 0x0030/16",
                               "read 0x0040/16", "read 0x0050/16", "read 0x0100/48", "read 0x0130/48",
                               "read 0x0160/48", "read 0x0190/48", "read 0x01C0/48", "read 0x01F0/16",
                               "reset" };
const Requests CALIBRATION_COURSE = { "info", "identify", "cal-start", "cal-check", "reset" };

void ExpectPortReleased(OperationBench& bench)
{
    EXPECT_TRUE(bench.PortIsFree()) << "the port was not released";
}

} // namespace

TEST(InfoOperation, ShowsTheFiveFieldsExactlyAsTheBoardHoldsThem)
{
    sim::SimConfig config;
    config.identity.hardware = " HW 3 ";
    config.identity.software = "V1.2\tbeta";
    config.identity.codeplug = "01.00";
    config.identity.remarks = std::string(200, 'r') + "\r\nend";
    OperationBench bench(config);
    const BoardInfo info = RunInfoOperation(theRadioLink, bench.Port());
    ASSERT_TRUE(info.show);
    EXPECT_EQ(info.type, "Vigilon");
    EXPECT_EQ(info.hardware, " HW 3 ");
    EXPECT_EQ(info.software, "V1.2\tbeta");
    EXPECT_EQ(info.codeplug, "01.00");
    EXPECT_EQ(info.remarks, config.identity.remarks);
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.Requests(), INFO_COURSE);
    ExpectPortReleased(bench);
}

TEST(InfoOperation, FieldsWithoutAnEndOfTheirOwnLoseTheirLastCharacter)
{
    OperationBench bench;
    sim::Bytes type(48, 'T');
    type[47] = 'Z';
    bench.radio.PokeMemory(0x0000, type);
    bench.radio.PokeMemory(0x0040, sim::Bytes(16, 'S'));
    bench.radio.PokeMemory(0x0100, sim::Bytes(256, 0)); // empty remarks
    const BoardInfo info = RunInfoOperation(theRadioLink, bench.Port());
    ASSERT_TRUE(info.show);
    EXPECT_EQ(info.type, std::string(47, 'T'));
    EXPECT_EQ(info.software, std::string(15, 'S'));
    EXPECT_EQ(info.remarks, "");
}

TEST(InfoOperation, AShortRemarksAnswerEndsTheRemarksThere)
{
    OperationBench bench(OperationBench::WithFaults({ "reply-count=10@read:0x0100" }));
    bench.radio.PokeMemory(0x0100, sim::Bytes(256, 'x'));
    const BoardInfo info = RunInfoOperation(theRadioLink, bench.Port());
    ASSERT_TRUE(info.show);
    EXPECT_EQ(info.remarks, std::string(10, 'x'));
}

TEST(InfoOperation, AFailingFieldIsLeftEmptyWhenTheRadioTakesTheReset)
{
    OperationBench bench(OperationBench::WithFaults({ "silent-board@read:0x0030" }));
    const BoardInfo info = RunInfoOperation(theRadioLink, bench.Port());
    ASSERT_TRUE(info.show);
    EXPECT_EQ(info.type, "Vigilon");
    EXPECT_EQ(info.hardware, "");
    EXPECT_EQ(info.software, "FW 1.04.2");
    EXPECT_FALSE(info.remarks.empty());
    EXPECT_EQ(bench.messages.Texts(), Texts{ NO_BOARD });
    Requests expected = INFO_COURSE;
    expected.insert(expected.begin() + 4, "reset");
    EXPECT_EQ(bench.Requests(), expected);
    ExpectPortReleased(bench);
}

TEST(InfoOperation, AFailingRemarksRequestLeavesTheRemarksEmpty)
{
    OperationBench bench(OperationBench::WithFaults({ "silent-board@read:0x0160" }));
    const BoardInfo info = RunInfoOperation(theRadioLink, bench.Port());
    ASSERT_TRUE(info.show);
    EXPECT_EQ(info.remarks, "");
    EXPECT_EQ(info.codeplug, "01.00");
    EXPECT_EQ(bench.messages.Texts(), Texts{ NO_BOARD });
    EXPECT_EQ(bench.Requests(), (Requests{ "info", "identify", "read 0x0000/48", "read 0x0030/16", "read 0x0040/16",
                                           "read 0x0050/16", "read 0x0100/48", "read 0x0130/48", "read 0x0160/48",
                                           "reset", "reset" }));
}

TEST(InfoOperation, FailuresThatKeepTheDialogAway)
{
    struct Case {
        const char* what;
        sim::SimConfig config;
        Texts messages;
    };
    sim::SimConfig otherBoard;
    otherBoard.identity.type = "Vigilon2";
    const Case cases[] = {
        { "no radio", OperationBench::WithFaults({ "silent-radio" }), { NO_RESPONSE, NO_RESPONSE } },
        { "radio does not support it", OperationBench::WithFaults({ "not-supported@info" }), { NOT_SUPPORTED } },
        { "another board", otherBoard, { UNKNOWN_BOARD } },
        { "a field fails and so does the reset", OperationBench::WithFaults({ "silent-board@read:0x40", "nak@reset" }),
          { NO_BOARD, NAK } },
        { "the final reset fails", OperationBench::WithFaults({ "nak@reset" }), { NAK } },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OperationBench bench(c.config);
        EXPECT_FALSE(RunInfoOperation(theRadioLink, bench.Port()).show);
        EXPECT_EQ(bench.messages.Texts(), c.messages);
        EXPECT_EQ(bench.Requests().back(), "reset");
        ExpectPortReleased(bench);
    }
}

TEST(CalibrationOperation, AsksStartsWaitsChecksAndReports)
{
    OperationBench bench;
    bench.messages.answers.push_back(MsgAnswer::Yes);
    g_bLabMode = true;
    EXPECT_TRUE(RunCalibrationOperation(theRadioLink, bench.Port()).calibrated);
    g_bLabMode = false;
    EXPECT_EQ(bench.messages.Texts(), (Texts{ CONFIRM_CALIBRATE, CALIBRATE_TURN, CALIBRATE_OK }));
    const MessageBoxRequest& confirm = bench.messages.shown[0];
    EXPECT_EQ(confirm.buttons, MsgButtons::YesNo);
    EXPECT_EQ(confirm.defaultButton, MsgAnswer::No);
    EXPECT_EQ(confirm.caption, "Vigilon OSS") << "questions carry the plain title, also in lab mode";
    const MessageBoxRequest& turn = bench.messages.shown[1];
    EXPECT_EQ(turn.buttons, MsgButtons::Ok);
    EXPECT_EQ(turn.icon, MsgIcon::Question);
    EXPECT_EQ(bench.messages.shown[2].caption, "Vigilon OSS (Labtool)");
    EXPECT_EQ(bench.Requests(), CALIBRATION_COURSE);
    ExpectPortReleased(bench);
}

TEST(CalibrationOperation, OnlyAYesStartsIt)
{
    OperationBench bench;
    bench.messages.answers.push_back(MsgAnswer::No);
    EXPECT_FALSE(RunCalibrationOperation(theRadioLink, bench.Port()).calibrated);
    EXPECT_EQ(bench.messages.Texts(), Texts{ CONFIRM_CALIBRATE });
    EXPECT_TRUE(bench.Requests().empty());
    // The default answer of the question is No.
    bench.messages.Clear();
    EXPECT_FALSE(RunCalibrationOperation(theRadioLink, bench.Port()).calibrated);
    EXPECT_TRUE(bench.Requests().empty());
}

TEST(CalibrationOperation, EveryFailureIsReportedAfterTheRadioIsReset)
{
    struct Case {
        const char* what;
        sim::SimConfig config;
        Texts messages;
        Requests requests;
    };
    const Case cases[] = {
        { "no radio", OperationBench::WithFaults({ "silent-radio" }), { NO_RESPONSE, NO_RESPONSE }, { "info", "reset" } },
        { "start refused", OperationBench::WithFaults({ "cal-start-refused" }), { UNEXPECTED_BOARD, CALIBRATE_FAILED },
          { "info", "identify", "cal-start", "reset" } },
        { "check fails", OperationBench::WithFaults({ "cal-check-fails" }), { CALIBRATE_TURN, CALIBRATE_FAILED },
          CALIBRATION_COURSE },
        { "check unanswered", OperationBench::WithFaults({ "silent-board@cal-check" }),
          { CALIBRATE_TURN, NO_BOARD, CALIBRATE_FAILED }, CALIBRATION_COURSE },
        { "final reset refused", OperationBench::WithFaults({ "nak@reset" }), { CALIBRATE_TURN, NAK },
          CALIBRATION_COURSE },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        OperationBench bench(c.config);
        bench.messages.answers.push_back(MsgAnswer::Yes);
        EXPECT_FALSE(RunCalibrationOperation(theRadioLink, bench.Port()).calibrated);
        Texts expected = { CONFIRM_CALIBRATE };
        expected.insert(expected.end(), c.messages.begin(), c.messages.end());
        EXPECT_EQ(bench.messages.Texts(), expected);
        EXPECT_EQ(bench.Requests(), c.requests);
        ExpectPortReleased(bench);
    }
}
