// A read as a front end runs it, for the tests of both: the outcome goes into
// the program's record and codeplug version (the bench's or the GUI's).
#pragma once

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "operations/read_operation.h"

#include <functional>
#include <string>

// The front end's record with its codeplug version.
VersionedRecord ProgramRecord();

// `onLoaded` runs just before the success box, once the settings are in the record.
ReadOutcome ReadIntoProgram(CRadioLink& link, const std::string& portName, const std::function<void()>& onLoaded);
