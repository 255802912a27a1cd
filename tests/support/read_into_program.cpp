#include "tests/support/read_into_program.h"

ReadOutcome ReadIntoProgram(CRadioLink& link, const std::string& portName, const std::function<void()>& onLoaded)
{
    ReadOutcome outcome = RunReadOperation(link, portName, [&](const ReadOutcome& read) {
        TakeReadInto(read, ProgramRecord());
        if (onLoaded)
            onLoaded();
    });
    // A read that failed after asking for the version leaves what the board said.
    if (!outcome.loaded)
        TakeReadInto(outcome, ProgramRecord());
    return outcome;
}
