// The objects a front end owns and passes to the operations, owned here by the
// test bench of the core's tests: the link through the bench's context, the
// settings record with its codeplug version, and lab mode.
#pragma once

#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "tests/support/read_into_program.h"
#include "tests/support/test_context.h"

#include <cstdint>

extern CRadioLink theRadioLink;
extern COptionBoardData theOptionBoardData;
extern int32_t codeplugMajor;
extern int32_t codeplugMinor;
extern bool g_bLabMode;

VersionedRecord ProgramRecord();
