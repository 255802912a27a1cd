// Frames on the wire, byte for byte, against a scripted peer that knows nothing of
// frames: the forms chosen for each opcode and length, the echo, and the receive
// state machine with its limits and deadlines.
#include "board/codeplug_version.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "operations/codeplug_read.h"
#include "resources/string_ids.h"
#include "seams/string_table.h"
#include "tests/support/board_fixture.h"
#include "tests/support/pty_peer.h"
#include "tests/support/recording_presenter.h"
#include "tests/support/sim_link.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

class Framing : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(port.Open(peer.DevicePath().c_str()));
        theRadioLink.m_pPort = &port;
        theRadioLink.m_nStatus = LINK_OK;
    }
    void TearDown() override { theRadioLink.m_pPort = nullptr; }

    // Receives one frame into a data buffer; returns the status.
    int Receive(uint8_t& opcode, std::vector<uint8_t>& data, int timeoutMs = 1000,
                int noResponseId = IDS_NO_RESPONSE_RADIO)
    {
        uint8_t buffer[RX_DATA_SIZE] = {};
        int length = -1;
        const int status = theRadioLink.ReceiveFrame(opcode, buffer, sizeof(buffer), &length, timeoutMs, noResponseId);
        data.assign(buffer, buffer + std::max(0, length));
        return status;
    }

    PtyPeer peer;
    CSerialPort port{ theRadioLink.Context() };
    RecordingPresenter messages;
};

ByteString Repeat(uint8_t value, size_t count)
{
    return ByteString(count, value);
}

ByteString Join(std::initializer_list<ByteString> parts)
{
    ByteString all;
    for (const ByteString& part : parts)
        all.insert(all.end(), part.begin(), part.end());
    return all;
}

// The board write of the factory settings, as sent: 29 data bytes.
ByteString SettingsWrite()
{
    return Join({ { 0xFF, 0x2F, 0x00, 0x1E, 0x44, 0x1B, 0x10, 0x00 }, DefaultImage(), { 0x95, 0xB3 } });
}

} // namespace

TEST(Checksums, OfTheLettersAbc)
{
    const uint8_t abc[] = { 'a', 'b', 'c' };
    EXPECT_EQ(CRadioLink::FrameChecksum(abc, 3), 0xD9);
    EXPECT_EQ(CRadioLink::BoardChecksum(abc, 3), 0xDA);
}

TEST_F(Framing, EachOpcodeAndLengthGetsItsFormOnTheWire)
{
    struct Case {
        const char* what;
        bool extended;
        uint8_t opcode;
        ByteString data;
        ByteString wire;
    };
    const Case cases[] = {
        { "reset: opcode 0x10 without data", false, 0x10, {}, { 0xF1, 0x10, 0xFE } },
        { "radio information, item 0", false, 0x23, { 0x00 }, { 0xF2, 0x23, 0x00, 0xEA } },
        { "opcode below 15 without data is one byte", false, 0x03, {}, { 0x30 } },
        { "13 data bytes keep the one-byte length", false, 0x03, Repeat(0x01, 13),
          Join({ { 0x3E }, Repeat(0x01, 13), { 0xB4 } }) },
        { "14 data bytes take the two-byte length", false, 0x03, Repeat(0x01, 14),
          Join({ { 0x3F, 0x00, 0x0F }, Repeat(0x01, 14), { 0xA3 } }) },
        { "own opcode byte, 13 data bytes", false, 0x40, Repeat(0x01, 13),
          Join({ { 0xFE, 0x40 }, Repeat(0x01, 13), { 0xB4 } }) },
        { "own opcode byte, 14 data bytes", false, 0x40, Repeat(0x01, 14),
          Join({ { 0xFF, 0x40, 0x00, 0x0F }, Repeat(0x01, 14), { 0xA3 } }) },
        { "board read of 24 bytes at 0x1000", true, 0x2F, { 0x45, 0x10, 0x00, 0x18, 0x93 },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x10, 0x00, 0x18, 0x93, 0xCB } },
        { "board identification", true, 0x2F, { 0x45, 0x00, 0x00, 0x00, 0xBB },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x00, 0x00, 0x00, 0xBB, 0xCB } },
        { "extended form even for a small opcode without data", true, 0x05, {}, { 0xFF, 0x05, 0x00, 0x01, 0xFA } },
    };
    peer.SetEcho(true);
    size_t sent = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        if (c.extended)
            theRadioLink.SendExtendedFrame(c.opcode, c.data.data(), static_cast<int>(c.data.size()));
        else
            theRadioLink.SendFrame(c.opcode, c.data.data(), static_cast<int>(c.data.size()));
        const ByteString all = peer.Received();
        ASSERT_EQ(all.size(), sent + c.wire.size());
        EXPECT_EQ(ByteString(all.begin() + static_cast<long>(sent), all.end()), c.wire);
        EXPECT_EQ(theRadioLink.m_nStatus, LINK_OK) << "the echo is a sound frame";
        sent = all.size();
    }
    EXPECT_TRUE(messages.shown.empty());
}

TEST_F(Framing, BoardRequestsGoOutInTheExtendedFormByteForByte)
{
    uint8_t buffer[RX_DATA_SIZE];
    const ByteVector image = DefaultImage();
    int32_t major = 0;
    int32_t minor = 0;
    struct Case {
        const char* what;
        std::function<void()> command;
        ByteString wire;
    };
    const Case cases[] = {
        { "identification", [] { theRadioLink.IdentifyBoard(BOARD_TYPE_TEXT); },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x00, 0x00, 0x00, 0xBB, 0xCB } },
        { "codeplug version", [&] { ReadCodeplugVersion(theRadioLink, major, minor); },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x00, 0x50, 0x10, 0x5B, 0xCB } },
        { "settings", [&] { theRadioLink.ReadBoard(SETTINGS_ADDRESS, SETTINGS_IMAGE_SIZE, buffer, sizeof(buffer), nullptr); },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x10, 0x00, 0x18, 0x93, 0xCB } },
        { "first block of the remarks", [&] { theRadioLink.ReadBoard(0x0100, 48, buffer, sizeof(buffer), nullptr); },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x01, 0x00, 0x30, 0x8A, 0xCB } },
        { "last block of the remarks", [&] { theRadioLink.ReadBoard(0x01F0, 16, buffer, sizeof(buffer), nullptr); },
          { 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x01, 0xF0, 0x10, 0xBA, 0xCB } },
        { "settings written", [&] { theRadioLink.WriteBoard(SETTINGS_ADDRESS, 24, image.data()); }, SettingsWrite() },
    };
    // The radio echoes each request and refuses it, so each command ends at once.
    peer.SetEcho(true);
    size_t sent = 0;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        peer.ReplyAfter(sent + c.wire.size(), { 0x60 });
        c.command();
        const ByteString all = peer.Received();
        ASSERT_EQ(all.size(), sent + c.wire.size());
        EXPECT_EQ(ByteString(all.begin() + static_cast<long>(sent), all.end()), c.wire);
        sent = all.size();
    }
}

TEST_F(Framing, AnEchoWithinItsAllowanceOf250MsPerDataByteIsTaken)
{
    // 29 data bytes give the echo 1000 + 29 x 250 = 8250 ms; this radio takes 7.5 s,
    // then acknowledges and confirms the write.
    const ByteString confirmation = { 0x50, 0xFF, 0x8F, 0x00, 0x05, 0x43, 0x02, 0x01, 0xBA, 0x6C };
    peer.ReplyAfter(SettingsWrite().size(), Join({ SettingsWrite(), confirmation }), 7500);
    const ByteVector image = DefaultImage();
    bool written = false;
    const double elapsed = ElapsedMs([&] { written = theRadioLink.WriteBoard(SETTINGS_ADDRESS, 24, image.data()); });
    EXPECT_TRUE(written);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{});
    EXPECT_GE(elapsed, 7500);
    EXPECT_EQ(peer.Received(), SettingsWrite());
}

TEST_F(Framing, WithoutAPortNothingIsSentAndTheUserIsTold)
{
    theRadioLink.m_pPort = nullptr;
    const uint8_t item = 0;
    theRadioLink.SendFrame(OP_READ_RADIO_INFO, &item, 1);
    EXPECT_EQ(theRadioLink.m_nStatus, LINK_NO_PORT);
    ASSERT_EQ(messages.Texts(), std::vector<std::string>{ "No serial port assigned." });
    EXPECT_EQ(messages.shown[0].caption, "Error");
    EXPECT_EQ(messages.shown[0].icon, MsgIcon::Stop);
    EXPECT_TRUE(peer.WaitForBytes(1, 200).empty());
}

TEST_F(Framing, SilentRadioGivesNoResponseWithinTwoSeconds)
{
    double elapsed = ElapsedMs([] { theRadioLink.SendFrame(OP_RESET_RADIO, nullptr, 0); });
    EXPECT_EQ(theRadioLink.m_nStatus, LINK_NO_RESPONSE);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{ "No response from radio." });
    EXPECT_GE(elapsed, 1000);
    EXPECT_LE(elapsed, 2100);
}

TEST_F(Framing, ReceivedFramesOfEveryShape)
{
    struct Case {
        const char* what;
        ByteString wire;
        int status;
        uint8_t opcode;
        ByteString data;
        std::vector<std::string> texts;
    };
    const Case cases[] = {
        { "the acknowledgement is the single byte 50", { 0x50 }, LINK_OK, 0x05, {}, {} },
        { "reset echo", { 0xF1, 0x10, 0xFE }, LINK_OK, 0x10, {}, {} },
        { "wrong checksum", { 0xF1, 0x10, 0xFF }, LINK_CHECKSUM_ERROR, 0, {}, { "Checksum error in received message." } },
        { "compact frame with data", { 0x22, 0x07, 0xD6 }, LINK_OK, 0x02, { 0x07 }, {} },
        { "extended length on a small opcode", { 0x8F, 0x00, 0x02, 0x09, 0x65 }, LINK_OK, 0x08, { 0x09 }, {} },
        { "extended form with a zero length delivers no data", { 0xFF, 0x00, 0x00, 0x00 }, LINK_OK, 0x00, {}, {} },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        messages.Clear();
        peer.Send(c.wire);
        uint8_t opcode = 0xEE;
        std::vector<uint8_t> data;
        EXPECT_EQ(Receive(opcode, data), c.status);
        EXPECT_EQ(theRadioLink.m_nStatus, c.status);
        if (c.status == LINK_OK) {
            EXPECT_EQ(opcode, c.opcode);
            EXPECT_EQ(data, c.data);
        }
        EXPECT_EQ(messages.Texts(), c.texts);
        EXPECT_EQ(theRadioLink.m_nRxCount, c.wire.size());
    }
}

TEST_F(Framing, BytesAfterAFrameWaitForTheNextReceive)
{
    peer.Send({ 0x50, 0xF1, 0x10, 0xFE });
    uint8_t opcode = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(Receive(opcode, data), LINK_OK);
    EXPECT_EQ(opcode, 0x05);
    ASSERT_EQ(Receive(opcode, data), LINK_OK);
    EXPECT_EQ(opcode, 0x10);
}

TEST_F(Framing, A261ByteFrameIsTheLongestAccepted)
{
    // FF, opcode, length 257, 256 data bytes, checksum: 261 bytes.
    ByteString frame = { 0xFF, 0x8F, 0x01, 0x01 };
    for (int i = 0; i < 256; ++i)
        frame.push_back(static_cast<uint8_t>(i));
    frame.push_back(CRadioLink::FrameChecksum(frame.data(), frame.size()));
    ASSERT_EQ(frame.size(), 261u);
    peer.Send(frame);
    uint8_t opcode = 0;
    std::vector<uint8_t> data;
    ASSERT_EQ(Receive(opcode, data), LINK_OK);
    EXPECT_EQ(opcode, 0x8F);
    ASSERT_EQ(data.size(), 256u);
    EXPECT_EQ(data[255], 255);
}

TEST_F(Framing, The262ndByteOfAFrameStopsTheReceiveAtOnce)
{
    ByteString frame = { 0xFF, 0x8F, 0x01, 0x02 };
    for (int i = 0; i < 258; ++i)
        frame.push_back(0x11);
    ASSERT_EQ(frame.size(), 262u);
    peer.Send(frame);
    uint8_t opcode = 0;
    std::vector<uint8_t> data;
    int status = -1;
    const double elapsed = ElapsedMs([&] { status = Receive(opcode, data); });
    EXPECT_EQ(status, LINK_TOO_LONG);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{ "Received message too long." });
    EXPECT_LT(elapsed, 500) << "no waiting for a deadline once the limit is passed";
}

TEST_F(Framing, AFrameThatStopsHalfWayFailsAfterItsTimeOut)
{
    ASSERT_TRUE(peer.WaitForPurges(1, 1000)); // the one of opening the port
    peer.Send({ 0x25, 0x01, 0x02 }); // 3 of the 6 bytes the header announces
    uint8_t opcode = 0;
    std::vector<uint8_t> data;
    int status = -1;
    const double elapsed = ElapsedMs([&] { status = Receive(opcode, data); });
    EXPECT_EQ(status, LINK_INCOMPLETE);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{ "Received message incomplete." });
    EXPECT_GE(elapsed, 990);
    EXPECT_LE(elapsed, 1400);
    EXPECT_EQ(peer.QueuedForProduct(), 0u);
    EXPECT_TRUE(peer.WaitForPurges(2, 1000)) << "the input queue is purged after the broken frame";
}

TEST_F(Framing, NothingReceivedShowsTheCallersMessage)
{
    uint8_t opcode = 0;
    std::vector<uint8_t> data;
    int status = -1;
    const double elapsed = ElapsedMs([&] { status = Receive(opcode, data, 1000, IDS_NO_RESPONSE_BOARD); });
    EXPECT_EQ(status, LINK_NO_RESPONSE);
    EXPECT_EQ(messages.Texts(), std::vector<std::string>{ LoadString(IDS_NO_RESPONSE_BOARD) });
    EXPECT_GE(elapsed, 1000);
    EXPECT_LE(elapsed, 2100);
}
