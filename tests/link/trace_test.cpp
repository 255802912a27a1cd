// The in-memory trace keeps the last operation only, within its bound.
#include "link/trace_buffer.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

TEST(TraceBuffer, KeepsTheNewestLinesWithinItsBoundSaysWhatItDroppedAndStartsAfreshPerOperation)
{
    CTraceBuffer buffer(2048);
    CTextTrace trace(buffer);
    trace.OperationBegins(1000, "COM1");
    trace.Pause(1001, 7);
    EXPECT_EQ(buffer.Text(), "    1.000   operation on COM1\n    1.001   pause 7 ms\n");

    for (int i = 0; i < 200; ++i) // 24 characters a line with its end: 4800 in all
        trace.Pause(12000 + i, 10 + i % 90);
    const std::string text = buffer.Text();
    const size_t firstLineEnd = text.find('\n');
    const std::string note = text.substr(0, firstLineEnd);
    const std::string kept = text.substr(firstLineEnd + 1);
    const long keptLines = std::count(kept.begin(), kept.end(), '\n');
    EXPECT_EQ(note, "(" + std::to_string(202 - keptLines) + " earlier lines dropped: the trace keeps the last 2 KiB)");
    EXPECT_LE(kept.size(), 2048u);
    EXPECT_GT(kept.size() + 24, 2048u) << "only as many lines as must go are dropped";
    EXPECT_EQ(kept.substr(kept.size() - 24), "   12.199   pause 29 ms\n");

    trace.OperationBegins(15000, "COM2");
    EXPECT_EQ(buffer.Text(), "   15.000   operation on COM2\n");
}
