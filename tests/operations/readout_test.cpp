// The calibration data read-out: 1195 requests with their progress, the export
// file byte for byte, and what happens when the cable is pulled, the user
// cancels the save or the file cannot be written. Pauses are fast-forwarded;
// everything on the wire runs as usual.
#include "operations/readout_operation.h"
#include "tests/support/message_texts.h"
#include "tests/support/operation_bench.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace text;

namespace {

std::string ExportOf(const sim::BoardMemory::Image& memory)
{
    return FormatCalibrationExport(memory.data() + CAL_DATA_START, CAL_DATA_SIZE);
}

} // namespace

TEST(CalibrationExport, LinesAreRightAlignedPairsEndedByCrLf)
{
    const uint8_t bytes[] = { 5, 200, 0, 255, 17, 9 };
    EXPECT_EQ(FormatCalibrationExport(bytes, sizeof(bytes)), "  5\t200\r\n  0\t255\r\n 17\t  9\r\n");
}

TEST(CalibrationReadout, ReadsAllBlocksWithProgressAndExportsThem)
{
    FastForwardClock clock;
    OperationBench bench;
    TempFolder folder;
    bench.host.exportPath = folder.Path("cal.txt");
    const ReadoutOutcome outcome = RunCalibrationReadout(theRadioLink, bench.Port());
    ASSERT_EQ(outcome.result, ReadoutResult::Exported);
    EXPECT_EQ(outcome.path, bench.host.exportPath);
    EXPECT_TRUE(bench.messages.shown.empty());

    const std::vector<std::string> requests = bench.Requests();
    ASSERT_EQ(requests.size(), 2u + 1195u + 1u);
    EXPECT_EQ(requests[2], "read 0x2000/48");
    EXPECT_EQ(requests[1195], "read 0xFFB0/48");
    EXPECT_EQ(requests[1196], "read 0xFFE0/32");
    EXPECT_EQ(requests.back(), "reset");

    EXPECT_EQ(bench.host.progressSteps, 1195);
    EXPECT_EQ(bench.host.progressTexts,
              (Texts{ "Processed 0 bytes of 57344 bytes.", "Processed 48 bytes of 57344 bytes." }));
    EXPECT_EQ(bench.host.lastProgress, 57312);
    EXPECT_EQ(bench.host.lastProgressText, "Processed 57312 bytes of 57344 bytes.");
    EXPECT_EQ(bench.host.events,
              (Texts{ "wait on", "progress 0..57344", "progress end", "choose file", "wait off" }));

    const std::vector<uint8_t> file = ReadBytes(outcome.path);
    ASSERT_EQ(file.size(), 258048u);
    const sim::BoardMemory::Image memory = bench.radio.MemorySnapshot();
    EXPECT_EQ(std::string(file.begin(), file.end()), ExportOf(memory));
    char first[16];
    std::snprintf(first, sizeof(first), "%3d\t%3d\r\n", memory[0x2000], memory[0x2001]);
    EXPECT_EQ(std::string(file.begin(), file.begin() + 9), first);
}

TEST(CalibrationReadout, LongAnswersAreOverwrittenByLaterBlocks)
{
    FastForwardClock clock;
    OperationBench bench(OperationBench::WithFaults({ "reply-count=200@read:0x2030" }));
    TempFolder folder;
    bench.host.exportPath = folder.Path("cal.txt");
    ASSERT_EQ(RunCalibrationReadout(theRadioLink, bench.Port()).result, ReadoutResult::Exported);
    const std::vector<uint8_t> file = ReadBytes(bench.host.exportPath);
    EXPECT_EQ(std::string(file.begin(), file.end()), ExportOf(bench.radio.MemorySnapshot()));
}

TEST(CalibrationReadout, AShortAnswerFailsTheReadOutAndNamesItsAddress)
{
    FastForwardClock clock;
    OperationBench bench(OperationBench::WithFaults({ "reply-count=20@read:0x2030" }));
    TempFolder folder;
    bench.host.exportPath = folder.Path("cal.txt");
    bool kept = false;
    const ReadoutOutcome outcome = RunCalibrationReadout(theRadioLink, bench.Port(), [&](const std::string&, std::string&) {
        kept = true;
        return std::string("kept");
    });
    EXPECT_EQ(outcome.result, ReadoutResult::Failed);
    EXPECT_EQ(outcome.bytesRead, 48);
    EXPECT_FALSE(kept);
    EXPECT_EQ(bench.messages.Texts(),
              Texts{ "The option board answered the read at address 0x2030 with 20 of 48 bytes.\n"
                     "The read-out has failed; nothing was saved." });
    EXPECT_EQ(bench.Requests(), (Texts{ "info", "identify", "read 0x2000/48", "read 0x2030/48", "reset" }));
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(CalibrationReadout, CablePulledHalfWayEndsTheReadOutWithNothingSaved)
{
    FastForwardClock clock;
    sim::SimConfig config;
    config.radio.pullAfterBoardRequests = 1 + 300; // identification, then 300 blocks
    OperationBench bench(config);
    TempFolder folder;
    bench.host.exportPath = folder.Path("cal.txt");
    const ReadoutOutcome outcome = RunCalibrationReadout(theRadioLink, bench.Port());
    EXPECT_EQ(outcome.result, ReadoutResult::Failed);
    EXPECT_EQ(bench.messages.Texts(), (Texts{ NO_RESPONSE, NO_RESPONSE }));
    EXPECT_EQ(bench.host.progressSteps, 301);
    EXPECT_EQ(bench.host.events, (Texts{ "wait on", "progress 0..57344", "progress end", "wait off" }));
    EXPECT_TRUE(folder.Entries().empty());
    EXPECT_EQ(theRadioLink.m_nStatus, LINK_OK) << "the status is taken and cleared after the reset";
    EXPECT_EQ(bench.Requests().back(), "reset");
}

TEST(CalibrationReadout, TheCompleteDataAreKeptBeforeTheSaveIsAskedFor)
{
    FastForwardClock clock;
    OperationBench bench;
    std::string keptText;
    const ReadoutOutcome outcome = RunCalibrationReadout(theRadioLink, bench.Port(), [&](const std::string& text, std::string&) {
        keptText = text;
        EXPECT_EQ(bench.Requests().back(), "read 0xFFE0/32") << "kept before the reset";
        return std::string("kept.txt");
    });
    EXPECT_EQ(outcome.result, ReadoutResult::Cancelled);
    EXPECT_EQ(outcome.keptPath, "kept.txt");
    EXPECT_EQ(keptText, ExportOf(bench.radio.MemorySnapshot()));
    EXPECT_TRUE(bench.messages.shown.empty());
    EXPECT_EQ(bench.Requests().back(), "reset");
}

TEST(CalibrationReadout, ACopyThatCouldNotBeKeptIsWarnedOfAfterTheReset)
{
    FastForwardClock clock;
    OperationBench bench;
    const ReadoutOutcome outcome = RunCalibrationReadout(theRadioLink, bench.Port(), [](const std::string&, std::string& error) {
        error = "No space left on device";
        return std::string();
    });
    EXPECT_EQ(outcome.result, ReadoutResult::Cancelled);
    const Texts timeline = bench.Timeline();
    ASSERT_GE(timeline.size(), 2u);
    EXPECT_EQ(Texts(timeline.end() - 2, timeline.end()),
              (Texts{ "reset", "box: The calibration data were read, but no copy of them could be kept:\nNo space left on device" }));
}

TEST(CalibrationReadout, AFileThatCannotBeWrittenIsReportedAndNothingIsLeft)
{
    FastForwardClock clock;
    OperationBench bench;
    TempFolder folder;
    bench.host.exportPath = folder.Path("missing-folder/cal.txt");
    EXPECT_EQ(RunCalibrationReadout(theRadioLink, bench.Port()).result, ReadoutResult::Failed);
    EXPECT_EQ(bench.messages.Texts(), Texts{ CALFILE_FAILED });
    EXPECT_TRUE(folder.Entries().empty());
}

TEST(CalibrationReadout, AFullDiskLeavesNoTruncatedExport)
{
    FastForwardClock clock;
    OperationBench bench;
    ScratchMount mount(ScratchMount::Kind::Full);
    if (!mount.SkipReason().empty())
        GTEST_SKIP() << mount.SkipReason();
    bench.host.exportPath = mount.Path("cal.txt");
    ASSERT_TRUE(mount.Prepare([] {}));
    EXPECT_EQ(RunCalibrationReadout(theRadioLink, bench.Port()).result, ReadoutResult::Failed);
    EXPECT_EQ(bench.messages.Texts(), Texts{ CALFILE_FAILED });
    EXPECT_EQ(mount.Entries(), Texts{ "filler" });
}

TEST(CalibrationReadout, ResetFailingAfterTheReadOutSavesNothing)
{
    FastForwardClock clock;
    OperationBench bench(OperationBench::WithFaults({ "nak@reset" }));
    TempFolder folder;
    bench.host.exportPath = folder.Path("cal.txt");
    EXPECT_EQ(RunCalibrationReadout(theRadioLink, bench.Port()).result, ReadoutResult::Failed);
    EXPECT_EQ(bench.messages.Texts(), Texts{ NAK });
    EXPECT_EQ(bench.host.events, (Texts{ "wait on", "progress 0..57344", "progress end", "wait off" }));
    EXPECT_TRUE(folder.Entries().empty());
}
