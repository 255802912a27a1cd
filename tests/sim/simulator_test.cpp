// The simulated radio on its own: its framing from the protocol's byte examples,
// the board's answers, fault parsing, kept state and the 9600-baud timing mode.
#include "sim/faults.h"
#include "sim/option_board.h"
#include "sim/radio_model.h"
#include "sim/wire.h"
#include "tests/support/sim_link.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <unistd.h>

using sim::Bytes;

TEST(SimWire, EncodesTheProtocolExamples)
{
    EXPECT_EQ(sim::ShortFrame(0x05), Bytes({ 0x50 }));
    EXPECT_EQ(sim::ShortFrame(0x06), Bytes({ 0x60 }));
    EXPECT_EQ(sim::CompactFrame(0x10, {}), Bytes({ 0xF1, 0x10, 0xFE }));
    EXPECT_EQ(sim::CompactFrame(0x23, { 0x00 }), Bytes({ 0xF2, 0x23, 0x00, 0xEA }));
    EXPECT_EQ(sim::ExtendedFrame(0x2F, { 0x45, 0x10, 0x00, 0x18, 0x93 }),
              Bytes({ 0xFF, 0x2F, 0x00, 0x06, 0x45, 0x10, 0x00, 0x18, 0x93, 0xCB }));
    // The board's answer with 24 zero data bytes ends with board checksum A4 and frame checksum 55.
    Bytes answer = { 0x43, 0x19 };
    answer.resize(26, 0x00);
    answer.push_back(sim::BoardMessageChecksum(answer.data(), answer.size()));
    const Bytes frame = sim::ExtendedFrame(0x8F, answer);
    ASSERT_EQ(frame.size(), 32u);
    EXPECT_EQ(frame[0], 0xFF);
    EXPECT_EQ(frame[3], 0x1C);
    EXPECT_EQ(frame[30], 0xA4);
    EXPECT_EQ(frame[31], 0x55);
}

TEST(SimWire, AssemblesFramesOfEveryFormAndFlagsBadChecksums)
{
    sim::WireAssembler assembler;
    const Bytes stream = { 0x50, 0xF1, 0x10, 0xFE, 0xF1, 0x10, 0xFF, 0x3F, 0x00, 0x02, 0x07, 0xB7 };
    std::vector<sim::WireFrame> frames;
    for (uint8_t byte : stream) {
        if (auto frame = assembler.Feed(byte))
            frames.push_back(*frame);
    }
    ASSERT_EQ(frames.size(), 4u);
    EXPECT_EQ(frames[0].opcode, 0x05);
    EXPECT_EQ(frames[1].opcode, 0x10);
    EXPECT_TRUE(frames[1].checksumOk);
    EXPECT_FALSE(frames[2].checksumOk);
    EXPECT_EQ(frames[3].opcode, 0x03);
    EXPECT_EQ(frames[3].data, Bytes({ 0x07 }));
    EXPECT_TRUE(frames[3].checksumOk);
    EXPECT_FALSE(assembler.InFrame());
}

TEST(SimBoard, AnswersReadsWritesAndFunctions)
{
    sim::BoardMemory memory;
    memory.LoadDefaults(sim::BoardIdentity());
    sim::OptionBoard board(memory, "Vigilon");
    bool wrote = false;
    const auto request = [](Bytes message) {
        message.push_back(sim::BoardMessageChecksum(message.data(), message.size()));
        return message;
    };

    const auto identify = board.Answer(request({ 0x45, 0x00, 0x00, 0x00 }), {}, wrote);
    ASSERT_TRUE(identify);
    EXPECT_EQ(Bytes(identify->begin() + 2, identify->end() - 1), Bytes({ 'V', 'i', 'g', 'i', 'l', 'o', 'n' }));

    const auto settings = board.Answer(request({ 0x45, 0x10, 0x00, 0x18 }), {}, wrote);
    ASSERT_TRUE(settings);
    EXPECT_EQ(Bytes(settings->begin(), settings->begin() + 5), Bytes({ 0x43, 0x19, 0x00, 0xFE, 0x01 }));

    const auto written = board.Answer(request({ 0x44, 0x04, 0x10, 0x00, 0x77 }), {}, wrote);
    ASSERT_TRUE(written);
    EXPECT_EQ(*written, Bytes({ 0x43, 0x02, 0x01, 0xBA }));
    EXPECT_TRUE(wrote);
    EXPECT_EQ(memory.At(0x1000), 0x77);

    EXPECT_FALSE(board.Answer({ 0x45, 0x10, 0x00, 0x18, 0x00 }, {}, wrote)) << "a message that does not add up";

    const auto check = board.Answer(request({ 0x45, 0x00, 0x02, 0x00 }), {}, wrote);
    EXPECT_EQ((*check)[2], 0) << "no calibration running";
    board.Answer(request({ 0x45, 0x00, 0x01, 0x00 }), {}, wrote);
    const auto checked = board.Answer(request({ 0x45, 0x00, 0x02, 0x00 }), {}, wrote);
    EXPECT_EQ((*checked)[2], 1);
}

TEST(SimFaults, ParsesKindsValuesAndTargets)
{
    std::string error;
    auto rule = sim::ParseFault("reply-count=20@read:0x1000", error);
    ASSERT_TRUE(rule);
    EXPECT_EQ(rule->kind, sim::FaultKind::ReplyCount);
    EXPECT_EQ(rule->value, 20);
    EXPECT_EQ(rule->target, sim::TargetKind::ReadAt);
    EXPECT_EQ(rule->targetValue, 0x1000);

    rule = sim::ParseFault("nak@#3", error);
    ASSERT_TRUE(rule);
    sim::Request third;
    third.frameNumber = 3;
    sim::Request fourth;
    fourth.frameNumber = 4;
    EXPECT_TRUE(sim::FaultHits(*rule, third));
    EXPECT_FALSE(sim::FaultHits(*rule, fourth));

    for (const char* bad : { "nakk", "nak@nowhere", "reply-count=x", "nak@#0", "silent-board@board#" }) {
        SCOPED_TRACE(bad);
        EXPECT_FALSE(sim::ParseFault(bad, error));
        EXPECT_FALSE(error.empty());
    }
}

TEST(SimState, MemoryIsKeptWholeOrNotAtAll)
{
    char pattern[] = "/tmp/vigilon-state-XXXXXX";
    ASSERT_NE(mkdtemp(pattern), nullptr);
    const std::string path = std::string(pattern) + "/board.bin";
    sim::BoardMemory memory;
    memory.LoadDefaults(sim::BoardIdentity());
    memory.Put(0x1234, 0x5A);
    std::string error;
    ASSERT_TRUE(memory.SaveState(path, error)) << error;

    sim::BoardMemory loaded;
    ASSERT_TRUE(loaded.LoadState(path, error)) << error;
    EXPECT_EQ(loaded.Bytes(), memory.Bytes());

    std::ofstream(path, std::ios::binary | std::ios::app) << 'x';
    EXPECT_FALSE(loaded.LoadState(path, error));
    EXPECT_NE(error.find("65536"), std::string::npos);
    std::remove(path.c_str());
    ::rmdir(pattern);
}

TEST(SimTiming, LineTimingMakesEveryByteTakeItsTimeOnTheLine)
{
    const auto readSettings = [] {
        uint8_t buffer[25];
        int length = 0;
        EXPECT_TRUE(theRadioLink.ReadBoard(0x1000, 24, buffer, sizeof(buffer), &length));
    };
    double fast = 0;
    {
        SimLink bench;
        fast = ElapsedMs(readSettings);
    }
    sim::SimConfig config;
    config.server.lineTiming = true;
    SimLink bench(config);
    const double timed = ElapsedMs(readSettings);
    // Request (10 bytes, echoed as it arrives), acknowledgement (1) and answer (32)
    // at 10/9600 s each, then the pause of more than 101 ms.
    const double lineMs = (10 + 1 + 32) * 10.0 * 1000.0 / 9600.0;
    EXPECT_GE(timed, 101 + lineMs);
    EXPECT_LT(timed, 101 + lineMs + 40);
    EXPECT_LT(fast, 101 + lineMs);
}
