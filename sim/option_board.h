// The simulated option board: answers the board messages the radio passes on.
#pragma once

#include "sim/board_memory.h"
#include "sim/faults.h"
#include "sim/wire.h"

#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace sim {

class OptionBoard {
public:
    // `typeText` is what the board's identification function answers; the
    // board's firmware knows it, independent of what its type area holds.
    OptionBoard(BoardMemory& memory, std::string typeText) : m_memory(memory), m_typeText(std::move(typeText)) {}

    // What the message asks for (read, write, identify, ...) and at which address.
    static Request Classify(const Bytes& message);

    // The answer to a board message ("C", length, data, checksum), or nothing when
    // the board stays silent (a message it cannot make sense of). `faults` are the
    // rules that hit this request. `wrote` is set when memory changed.
    std::optional<Bytes> Answer(const Bytes& message, const std::vector<FaultRule>& faults, bool& wrote);

    bool CalibrationRunning() const { return m_calibrating; }

private:
    static Bytes MakeAnswer(const Bytes& data);
    BoardMemory& m_memory;
    std::string m_typeText;
    bool m_calibrating = false;
};

} // namespace sim
