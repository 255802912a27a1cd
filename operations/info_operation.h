// Option Board Information: the board's five identity texts, read fresh each time.
#pragma once

#include "link/radio_link.h"
#include "operations/operation_record.h"

#include <string>

struct BoardInfo {
    bool show = false; // false: the dialog is not shown (the failure has been reported)
    std::string type;
    std::string hardware;
    std::string software;
    std::string codeplug;
    std::string remarks;
    // Every field came whole: none failed, none was answered with fewer bytes
    // than asked (such a field is shown with what came, or empty).
    bool complete = false;
};

// The information shown, and what the service history keeps of the operation.
struct InfoOutcome : BoardInfo {
    OperationRecord record;
};

InfoOutcome RunInfoOperation(CRadioLink& link, const std::string& portName);

// Reads the hardware revision and software version texts of the board attached
// to the link (no course of its own); false when a read failed (its message has
// been shown).
bool ReadBoardRevisions(CRadioLink& link, BoardInfo& info);
