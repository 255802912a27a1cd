// The in-memory trace keeps the last operation only, within its bound.
#include "ui/host/trace_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(TraceBuffer, KeepsTheSessionWithinItsBoundDroppingTheOldestWholeOperationsFirst)
{
    CTraceBuffer buffer(2048);
    buffer.SetHeader({ "header" });
    CTextTrace trace(buffer);
    trace.OperationBegins(1000, "read", "COM1", "/dev/ttyUSB0");
    trace.Pause(1001, 7);
    trace.OperationEnds(1500, "succeeded");
    trace.OperationBegins(9000, "write", "COM2", "COM2");
    const std::string two = buffer.Text();
    const size_t write = two.find("== write on COM2, started ");
    EXPECT_EQ(two.rfind("header\n== read on COM1 (/dev/ttyUSB0), started ", 0), 0u) << two;
    EXPECT_NE(two.find("\n    0.001   pause 7 ms\n    0.500   port released\n    0.500   ended: succeeded\n"),
              std::string::npos)
        << "times from the operation's start\n" << two;
    ASSERT_NE(write, std::string::npos) << two;

    for (int i = 0; i < 200; ++i) // 24 characters a line with its end: 4800 in all
        trace.Pause(12000 + i, 10 + i % 90);
    const std::string text = buffer.Text();
    EXPECT_EQ(text.find("== read"), std::string::npos) << "the older operation went whole";
    const size_t firstLineEnd = text.find('\n', text.find('\n', 7) + 1);
    const std::string notes = text.substr(0, firstLineEnd);
    const std::string kept = text.substr(firstLineEnd + 1);
    const long keptLines = std::count(kept.begin(), kept.end(), '\n');
    EXPECT_EQ(notes, "header\n(1 earlier operations dropped: the trace keeps the last 2 KiB)\n(" +
                         std::to_string(201 - keptLines) + " earlier lines dropped: the trace keeps the last 2 KiB)");
    EXPECT_LE(kept.size(), 2048u);
    EXPECT_GT(kept.size() + 24, 2048u) << "only as many lines as must go are dropped";
    EXPECT_EQ(kept.substr(kept.size() - 24), "    3.199   pause 29 ms\n");
}
