// Radio and option board commands against the simulated radio over a real
// pseudo-terminal: every outcome with the messages the user sees, in order, and
// the link status left behind.
#include "link/radio_link.h"
#include "resources/string_ids.h"
#include "seams/clock.h"
#include "seams/operation_host.h"
#include "seams/status_message.h"
#include "seams/string_table.h"
#include "tests/support/cpu_time.h"
#include "tests/support/message_texts.h"
#include "tests/support/sim_link.h"

#include <gtest/gtest.h>

#include <chrono>

#include <cstring>
#include <ctime>
#include <functional>

namespace {

using namespace text;

bool ReadInfo()
{
    char text[RADIO_INFO_TEXT_SIZE];
    int length = 0;
    return theRadioLink.ReadRadioInfo(text, 0, length, false);
}

bool ReadSettings()
{
    uint8_t buffer[25];
    int length = 0;
    return theRadioLink.ReadBoard(0x1000, 24, buffer, sizeof(buffer), &length);
}

bool WriteSettings()
{
    const uint8_t image[24] = { 0x00, 0x01, 0x01 };
    return theRadioLink.WriteBoard(0x1000, 24, image);
}

struct Outcome {
    const char* what;
    std::vector<const char*> faults;
    std::function<bool()> command;
    bool result;
    Texts texts;
    int status; // -1: not looked at
};

} // namespace

TEST(RadioCommands, EveryOutcomeShowsItsMessagesAndLeavesItsStatus)
{
    const Outcome outcomes[] = {
        { "radio information", {}, ReadInfo, true, {}, LINK_OK },
        { "NAK to the radio information", { "nak@info" }, ReadInfo, false, { NAK }, LINK_NAK },
        { "another opcode instead of the acknowledgement", { "unexpected@info" }, ReadInfo, false, { UNEXPECTED },
          LINK_UNEXPECTED },
        { "NAK as the answer", { "nak-answer@info" }, ReadInfo, false, { NAK }, LINK_NAK },
        { "an answer with another opcode", { "unexpected-answer@info" }, ReadInfo, false, { UNEXPECTED },
          LINK_UNEXPECTED },
        { "not supported", { "not-supported@info" }, ReadInfo, false, { NOT_SUPPORTED }, LINK_NOT_SUPPORTED },
        { "not supported, quietly", { "not-supported@info" },
          [] {
              char text[RADIO_INFO_TEXT_SIZE];
              int length = 0;
              return theRadioLink.ReadRadioInfo(text, 0, length, true);
          },
          false, {}, LINK_NOT_SUPPORTED },
        { "silent radio", { "silent-radio" }, ReadInfo, false, { NO_RESPONSE }, LINK_NO_RESPONSE },
        { "bad checksum of the answer", { "bad-checksum@info" }, ReadInfo, false, { CHECKSUM }, LINK_CHECKSUM_ERROR },
        { "answer stops half-way", { "incomplete@read" }, ReadSettings, false, { INCOMPLETE }, LINK_INCOMPLETE },
        { "answer too long", { "too-long@read" }, ReadSettings, false, { TOO_LONG }, LINK_TOO_LONG },
        { "a spoilt echo is shown and the exchange goes on", { "bad-echo@info" }, ReadInfo, true, { CHECKSUM },
          LINK_OK },
        { "settings read", {}, ReadSettings, true, {}, LINK_OK },
        { "silent board", { "silent-board@read" }, ReadSettings, false, { NO_BOARD }, LINK_NO_RESPONSE },
        { "board read refused with NAK after the acknowledgement", { "nak-answer@read" }, ReadSettings, false,
          { NAK }, -1 },
        { "board reply not beginning with C", { "not-c@read" }, ReadSettings, false, { UNEXPECTED }, -1 },
        { "board read not supported", { "not-supported@read" }, ReadSettings, false, { NOT_SUPPORTED },
          LINK_NOT_SUPPORTED },
        { "settings written", {}, WriteSettings, true, {}, LINK_OK },
        { "write refused by the board: no message of its own", { "write-refused" }, WriteSettings, false, {}, -1 },
        { "write answered with another letter", { "not-c@write" }, WriteSettings, false, { UNEXPECTED }, -1 },
        { "write to a silent board", { "silent-board@write" }, WriteSettings, false, { NO_BOARD }, LINK_NO_RESPONSE },
        { "the right board", {}, [] { return theRadioLink.IdentifyBoard("Vigilon"); }, true, {}, LINK_OK },
        { "identification never answered", { "silent-board@identify" },
          [] { return theRadioLink.IdentifyBoard("Vigilon"); }, false, { NO_BOARD }, LINK_NO_RESPONSE },
        { "calibration starts", {}, [] { return theRadioLink.StartCalibration(); }, true, {}, LINK_OK },
        { "calibration start refused with 0", { "cal-start-refused" },
          [] { return theRadioLink.StartCalibration(); }, false, { UNEXPECTED_BOARD }, -1 },
        { "calibration check never started: silently false", {},
          [] { return theRadioLink.CheckCalibration(); }, false, {}, -1 },
        { "calibration check answered 2: silently false", { "cal-check-fails" },
          [] { return theRadioLink.StartCalibration() && theRadioLink.CheckCalibration(); }, false, {}, -1 },
        { "calibration start and check", {},
          [] { return theRadioLink.StartCalibration() && theRadioLink.CheckCalibration(); }, true, {}, LINK_OK },
        { "reset acknowledged", {}, [] { return theRadioLink.ResetRadio(); }, true, {}, LINK_OK },
        { "reset refused", { "nak@reset" }, [] { return theRadioLink.ResetRadio(); }, false, { NAK }, LINK_NAK },
        { "reset answered strangely", { "unexpected@reset" }, [] { return theRadioLink.ResetRadio(); }, false,
          { UNEXPECTED }, LINK_UNEXPECTED },
        { "reset unheard", { "silent-radio@reset" }, [] { return theRadioLink.ResetRadio(); }, false,
          { NO_RESPONSE }, LINK_NO_RESPONSE },
    };
    for (const Outcome& outcome : outcomes) {
        SCOPED_TRACE(outcome.what);
        sim::SimConfig config;
        for (const char* fault : outcome.faults)
            config.radio.faults.push_back(SimConfigWithFaults({ fault }).radio.faults[0]);
        SimLink bench(config);
        EXPECT_EQ(outcome.command(), outcome.result);
        EXPECT_EQ(bench.messages.Texts(), outcome.texts);
        for (const MessageBoxRequest& box : bench.messages.shown) {
            EXPECT_EQ(box.caption, "Error");
            EXPECT_EQ(box.icon, MsgIcon::Stop);
        }
        if (outcome.status >= 0) {
            EXPECT_EQ(theRadioLink.m_nStatus, outcome.status);
        }
    }
}

TEST(RadioCommands, RadioInformationTextIsCutTo39Characters)
{
    sim::SimConfig config;
    config.radio.radioInfo = std::string(49, 'x'); // 50 data bytes with the item byte
    for (int i = 0; i < 49; ++i)
        config.radio.radioInfo[static_cast<size_t>(i)] = static_cast<char>('A' + i % 26);
    SimLink bench(config);
    char text[RADIO_INFO_TEXT_SIZE + 8];
    std::memset(text, '#', sizeof(text));
    int length = -1;
    ASSERT_TRUE(theRadioLink.ReadRadioInfo(text, 0, length, false));
    EXPECT_EQ(length, 39);
    EXPECT_EQ(std::string(text), config.radio.radioInfo.substr(0, 39));
    EXPECT_EQ(text[40], '#') << "nothing written past the 40-byte text";
}

TEST(RadioCommands, RadioInformationWithoutDataIsAnEmptyText)
{
    SimLink bench(SimLink::WithFaults({ "empty-answer@info" }));
    char text[RADIO_INFO_TEXT_SIZE] = "junk";
    int length = -1;
    EXPECT_TRUE(theRadioLink.ReadRadioInfo(text, 0, length, false));
    EXPECT_EQ(length, 0);
    EXPECT_STREQ(text, "");
}

TEST(RadioCommands, OnlyTheExactBoardTypeIsRecognised)
{
    for (const char* type : { "Vigilo", "Vigilonn", "vigilon", "" }) {
        SCOPED_TRACE(type);
        sim::SimConfig config;
        config.identity.type = type;
        SimLink bench(config);
        EXPECT_FALSE(theRadioLink.IdentifyBoard("Vigilon"));
        EXPECT_EQ(bench.messages.Texts(), Texts{ UNKNOWN_BOARD });
    }
}

TEST(RadioCommands, ReadBoardReturnsWhatTheBoardSentNotWhatWasAsked)
{
    SimLink bench(SimLink::WithFaults({ "reply-count=20@read" }));
    uint8_t buffer[25];
    int length = -1;
    ASSERT_TRUE(theRadioLink.ReadBoard(0x1000, 24, buffer, sizeof(buffer), &length));
    EXPECT_EQ(length, 20);
    EXPECT_EQ(buffer[20], 0) << "a zero byte follows the data";
    EXPECT_EQ(buffer[0], 0x00);
    EXPECT_EQ(buffer[1], 0xFE);
}

TEST(RadioCommands, ReadBoardNeverWritesPastTheCallersBuffer)
{
    // 253 data bytes: the longest answer that still fits the longest frame.
    SimLink bench(SimLink::WithFaults({ "reply-count=253@read" }));
    uint8_t buffer[64];
    std::memset(buffer, 0xAA, sizeof(buffer));
    int length = -1;
    ASSERT_TRUE(theRadioLink.ReadBoard(0x2000, 16, buffer, 17, &length));
    EXPECT_EQ(length, 16);
    EXPECT_EQ(buffer[16], 0);
    for (size_t i = 17; i < sizeof(buffer); ++i)
        ASSERT_EQ(buffer[i], 0xAA) << "byte " << i << " overwritten";
    const sim::BoardMemory::Image memory = bench.radio.MemorySnapshot();
    EXPECT_EQ(0, std::memcmp(buffer, &memory[0x2000], 16));
}

TEST(RadioCommands, WriteBoardStoresTheBytesOnTheBoard)
{
    SimLink bench;
    const uint8_t image[24] = { 0x01, 0x02, 0x03, 0x04, 0x05, 0x06, 0x07, 0x08, 0x09, 0x0A, 0x0B, 0x0C,
                                0x0D, 0x0E, 0x0F, 0x10, 0x11, 0x12, 0x13, 0x14, 0x15, 0x16, 0x17, 0x18 };
    ASSERT_TRUE(theRadioLink.WriteBoard(0x1000, 24, image));
    const sim::BoardMemory::Image memory = bench.radio.MemorySnapshot();
    EXPECT_EQ(0, std::memcmp(image, &memory[0x1000], 24));
    uint8_t back[25];
    int length = 0;
    ASSERT_TRUE(theRadioLink.ReadBoard(0x1000, 24, back, sizeof(back), &length));
    ASSERT_EQ(length, 24);
    EXPECT_EQ(0, std::memcmp(image, back, 24));
}

TEST(RadioCommands, WriteBoardOfMoreThan261BytesSendsNothingAndSaysNothing)
{
    SimLink bench;
    std::vector<uint8_t> block(262, 0x55);
    double elapsed = ElapsedMs([&] { EXPECT_FALSE(theRadioLink.WriteBoard(0x1000, 262, block.data())); });
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.radio.FramesReceived(), 0);
    EXPECT_LT(elapsed, 50) << "no settle pause either";
}

TEST(RadioCommands, WithoutAPortCommandsFailWithOneMessage)
{
    RecordingPresenter messages;
    theRadioLink.m_pPort = nullptr;
    EXPECT_FALSE(ReadInfo());
    EXPECT_EQ(messages.Texts(), Texts{ "No serial port assigned." });
    EXPECT_EQ(theRadioLink.m_nStatus, LINK_NO_PORT);
    theRadioLink.m_nStatus = LINK_OK;
}

TEST(RadioCommands, CableOutHalfWayEndsTheNextRequest)
{
    sim::SimConfig config;
    config.radio.pullAfterBoardRequests = 2;
    SimLink bench(config);
    EXPECT_TRUE(theRadioLink.IdentifyBoard("Vigilon"));
    EXPECT_TRUE(ReadSettings());
    EXPECT_FALSE(ReadSettings());
    EXPECT_EQ(bench.messages.Texts(), Texts{ NO_RESPONSE });
    EXPECT_EQ(theRadioLink.m_nStatus, LINK_NO_RESPONSE);
}

// Timing: pauses keep their length; silence is given up on in time; waiting sleeps.

TEST(RadioTiming, EachCommandEndsWithAPauseOfMoreThan101Ms)
{
    SimLink bench;
    const double read = ElapsedMs([] { EXPECT_TRUE(ReadSettings()); });
    EXPECT_GT(read, 101);
    EXPECT_LT(read, 250);
    const double failed = ElapsedMs([] { EXPECT_FALSE(theRadioLink.CheckCalibration()); });
    EXPECT_GT(failed, 101);
}

TEST(RadioTiming, ResetWaitsMoreThan1001MsAfterTheAcknowledgement)
{
    SimLink bench;
    const double reset = ElapsedMs([] { EXPECT_TRUE(theRadioLink.ResetRadio()); });
    EXPECT_GT(reset, 1001);
    EXPECT_LT(reset, 1200);
}

TEST(RadioTiming, SilentRadioIsGivenUpOnWithinTwoSecondsWithoutClosingPause)
{
    SimLink bench(SimLink::WithFaults({ "silent-radio" }));
    const double elapsed = ElapsedMs([] { EXPECT_FALSE(ReadInfo()); });
    EXPECT_GE(elapsed, 1000);
    EXPECT_LE(elapsed, 2100);
}

namespace {

class CountingHost : public IOperationHost {
public:
    CountingHost() { TestContext().host = this; }
    ~CountingHost() override { TestContext().ForgetHost(this); }
    void Idle() override { ++idleCalls; }
    int idleCalls = 0;
};

} // namespace

TEST(RadioTiming, APauseSleepsAndKeepsTheHostIdling)
{
    CountingHost host;
    const double cpuBefore = ThreadCpuMs();
    const double elapsed = ElapsedMs([] { TestContext().PauseMoreThan(COMMAND_SETTLE_MS); });
    const double cpu = ThreadCpuMs() - cpuBefore;
    EXPECT_GT(elapsed, 100);
    EXPECT_LT(elapsed, 150);
    EXPECT_LT(cpu, 3) << "a 100 ms pause must cost far less than 10 ms of processor time";
    EXPECT_GE(host.idleCalls, 100 / IDLE_SLICE_MS - 1);
}

TEST(RadioTiming, WaitingForTheRadioKeepsTheHostIdling)
{
    SimLink bench(SimLink::WithFaults({ "silent-radio" }));
    CountingHost host;
    const double cpuBefore = ThreadCpuMs();
    const auto started = std::chrono::steady_clock::now();
    EXPECT_FALSE(theRadioLink.ResetRadio());
    const auto waited = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - started);
    EXPECT_LT(ThreadCpuMs() - cpuBefore, 30);
    // About one idle call per slice of the wait; a loaded machine may cost a few.
    EXPECT_GE(host.idleCalls, waited.count() / IDLE_SLICE_MS * 8 / 10) << "over " << waited.count() << " ms";
    EXPECT_GE(waited.count(), 900) << "the wait was too short to say anything";
}

// The boxes themselves: captions by kind, and the lab-mode title.

TEST(StatusMessages, CaptionsAndIconsFollowTheKindAndLabMode)
{
    RecordingPresenter messages;
    ShowStatusMessage(TestContext(), MSG_ERROR, IDS_NO_RESPONSE_RADIO);
    ShowStatusMessage(TestContext(), MSG_INFO, IDS_READ_OK);
    g_bLabMode = true;
    ShowStatusMessage(TestContext(), MSG_INFO, IDS_READ_OK);
    ShowStatusText(TestContext(), MSG_ERROR, FormatString(IDS_CODEPLUG_VERSION, 2, 3, 1, 0));
    g_bLabMode = false;
    ASSERT_EQ(messages.shown.size(), 4u);
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Stop);
    EXPECT_EQ(messages.shown[0].text, "No response from radio.");
    EXPECT_EQ(messages.shown[1].caption, "Vigilon OSS");
    EXPECT_EQ(messages.shown[1].icon, MsgIcon::Information);
    EXPECT_EQ(messages.shown[1].text, "Option board successfully read.");
    EXPECT_EQ(messages.shown[2].caption, "Vigilon OSS (Labtool)");
    EXPECT_EQ(messages.shown[3].caption, "Error");
    EXPECT_EQ(messages.shown[3].text, "Codeplug version not supported by this OSS.\n"
                                      "Radio/File codeplug version: 02 . 03\nOSS codeplug version: 01 . 00");
    for (const MessageBoxRequest& box : messages.shown)
        EXPECT_EQ(box.buttons, MsgButtons::Ok);
}
