// Texts from outside the program (the radio, the board, files) as they may be
// shown on a terminal: a control character shows as \xNN instead of acting.
#pragma once

#include <string>

// The text with each C0 control character, DEL, C1 control character and byte
// that is not part of valid UTF-8 written as \xNN (two lower-case hex digits per
// byte); other UTF-8 is kept. With `lines`, a line feed (and a carriage return
// right before one) is kept: for texts that are several lines by design.
std::string VisibleText(const std::string& text, bool lines = false);
