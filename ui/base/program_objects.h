// The GUI's own objects, which its commands pass to the operations: the
// operation context its windows show messages and wait through, the radio link
// bound to it, the settings record the document holds with the codeplug version
// beside it, and lab mode.
#pragma once

#include "app/history_keeping.h"
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "seams/operation_context.h"

#include <cstdint>

// The GUI's operation context: its presenter, host, trace and Stop button.
OperationContext& GuiContext();
// Where the GUI's operations add their history entries: its queue while the
// application runs.
HistoryKeeping& GuiHistory();

extern CRadioLink theRadioLink;
extern COptionBoardData theOptionBoardData;
// Codeplug version of the data last loaded from a file or read from a board.
extern int32_t codeplugMajor;
extern int32_t codeplugMinor;
// Lab mode: information boxes carry the lab-mode title while it is set.
extern bool g_bLabMode;

// The document's record with its codeplug version.
VersionedRecord ProgramRecord();
