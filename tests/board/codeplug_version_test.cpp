// The codeplug version a board reports: the text conversion, and the check over
// the link against the simulated board.
#include "board/codeplug_version.h"
#include "operations/codeplug_read.h"
#include "tests/support/sim_link.h"

#include <gtest/gtest.h>

#include <cstring>

TEST(CodeplugVersion, TextsAreConvertedFieldByField)
{
    struct Case {
        const char* text;
        int32_t major;
        int32_t minor;
        bool supported;
    };
    const Case cases[] = {
        { "01.07", 1, 7, true },   { "02.00", 2, 0, false }, { "00.05", 0, 5, false },
        { " 1.03", 1, 3, true },   { "+1.03", 1, 3, true },  { "ab.cd", 0, 0, false },
        { "1x.2y", 1, 2, true },   { "01", 1, 0, true },     { "", 0, 0, false },
        { "10.00", 10, 0, false }, { "0100", 1, 0, true },  { "01.234", 1, 23, true },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        char text[17] = {};
        std::strncpy(text, c.text, 16);
        int32_t major = -99;
        int32_t minor = -99;
        ParseCodeplugVersion(text, major, minor);
        EXPECT_EQ(major, c.major);
        EXPECT_EQ(minor, c.minor);
        EXPECT_EQ(IsSupportedBoardMajor(major), c.supported);
    }
}

TEST(CodeplugVersion, IsReadFromTheBoard)
{
    for (const char* text : { "01.07 build 3", "02.00" }) {
        SCOPED_TRACE(text);
        sim::SimConfig config;
        config.identity.codeplug = text;
        SimLink bench(config);
        int32_t major = 0;
        int32_t minor = 0;
        const bool supported = ReadCodeplugVersion(theRadioLink, major, minor);
        EXPECT_EQ(supported, text[1] == '1');
        EXPECT_EQ(major, text[1] - '0');
        EXPECT_EQ(minor, text[1] == '1' ? 7 : 0);
        EXPECT_TRUE(bench.messages.shown.empty());
    }
}

TEST(CodeplugVersion, AFailedReadReportsVersion255)
{
    SimLink bench(SimLink::WithFaults({ "silent-board@read:0x50" }));
    int32_t major = 0;
    int32_t minor = 9;
    EXPECT_FALSE(ReadCodeplugVersion(theRadioLink, major, minor));
    EXPECT_EQ(major, 255);
    EXPECT_EQ(minor, 0);
    ASSERT_EQ(bench.messages.shown.size(), 1u);
    EXPECT_EQ(bench.messages.shown[0].text.rfind("No response from option board.", 0), 0u);
    EXPECT_EQ(CodeplugVersionMessage(major, minor),
              "Codeplug version not supported by this OSS.\nRadio/File codeplug version: 255 . 00\n"
              "OSS codeplug version: 01 . 00");
}
