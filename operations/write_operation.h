// Write Option Board: the record's settings image is programmed into the board.
#pragma once

#include <functional>
#include <string>

struct WriteOutcome {
    bool asked = false;   // the user confirmed the write
    bool written = false; // the board confirmed it and the radio was released
};

// Asks for confirmation, then writes over the named port. `onWritten` runs just
// before "Option board successfully programmed." is shown: the caller clears
// its document's modified flag there.
WriteOutcome RunWriteOperation(const std::string& portName, const std::function<void()>& onWritten);
