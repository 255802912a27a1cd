// Check Connection: goes along the chain from the port to the board, link by
// link, and stops at the first that fails with what to do about it. Its requests
// are the link's own: radio information, identify, the codeplug version read,
// then the reset every operation ends with (left out when no radio replied).
#pragma once

#include "link/radio_link.h"
#include "operations/operation_record.h"

#include <functional>
#include <string>
#include <vector>

enum class CheckStage { Port, Echo, Radio, RadioInfo, Board, Codeplug, Reset };

struct CheckLine {
    CheckStage stage;
    bool passed = false;
    std::string text; // what was found, or what failed and what to do
};

struct CheckOutcome {
    std::vector<CheckLine> lines; // up to and including the first that failed
    bool passed = false;
    OperationRecord record;
};

// `onLine` gets each stage's line as soon as it is known.
CheckOutcome RunCheckOperation(CRadioLink& link, const std::string& portName,
                               const std::function<void(const CheckLine&)>& onLine = {});
