// Texts from outside shown on a terminal: controls become \xNN, UTF-8 stays.
#include "seams/visible_text.h"

#include <gtest/gtest.h>

TEST(VisibleText, ControlsAndBrokenUtf8ShowAsHexAndTheRestStays)
{
    struct Case {
        const char* what;
        std::string text;
        bool lines;
        std::string shown;
    };
    const Case cases[] = {
        { "escape sequence", "SR-9\x1b]0;x\a\x1b[2J", false, "SR-9\\x1b]0;x\\x07\\x1b[2J" },
        { "NUL, tab, DEL", std::string("1\0\t\x7f", 4), false, "1\\x00\\x09\\x7f" },
        { "line breaks in one line", "a\r\nb\nc", false, "a\\x0d\\x0ab\\x0ac" },
        { "line breaks kept", "a\r\nb\nc\rd", true, "a\r\nb\nc\\x0dd" },
        { "UTF-8 kept", "45\xc2\xb0 \xe2\x82\xac \xf0\x9f\x93\xbb \\x1b", false, "45\xc2\xb0 \xe2\x82\xac \xf0\x9f\x93\xbb \\x1b" },
        { "C1 control (CSI) as UTF-8", "\xc2\x9b" "2J", false, "\\xc2\\x9b2J" },
        { "C1 control as a byte", "\x9b" "2J", false, "\\x9b2J" },
        { "overlong, surrogate, cut short", "\xc0\xaf \xed\xa0\x80 \xe2\x82", false,
          "\\xc0\\xaf \\xed\\xa0\\x80 \\xe2\\x82" },
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        EXPECT_EQ(VisibleText(c.text, c.lines), c.shown);
    }
}
