// The simulated radio: what it sends back for each frame it receives. Pure logic;
// the pty server does the I/O and the timing.
#pragma once

#include "sim/board_memory.h"
#include "sim/faults.h"
#include "sim/option_board.h"
#include "sim/wire.h"

#include <string>
#include <vector>

namespace sim {

// Radio opcodes as the radio knows them.
constexpr uint8_t RADIO_OP_ACK = 0x05;
constexpr uint8_t RADIO_OP_NAK = 0x06;
constexpr uint8_t RADIO_OP_ODD = 0x07; // sent where an acknowledgement belongs, for the "unexpected" fault
constexpr uint8_t RADIO_OP_RESET = 0x10;
constexpr uint8_t RADIO_OP_INFO = 0x23;
constexpr uint8_t RADIO_OP_BOARD = 0x2F;
constexpr uint8_t RADIO_OP_NOT_SUPPORTED = 0x86;
constexpr uint8_t RADIO_OP_INFO_REPLY = 0x8B;
constexpr uint8_t RADIO_OP_BOARD_REPLY = 0x8F;
constexpr uint8_t RADIO_OP_STRANGE_REPLY = 0x99;

struct RadioSettings {
    std::string radioInfo = "SR-9 R02.10";
    std::string boardType = "Vigilon"; // what the board's identification answers
    std::vector<FaultRule> faults;
    int pullAfterBoardRequests = -1; // the cable is pulled after this many board requests; -1 never
    int fleetSize = 0; // radios of a fleet, one after the other, each numbered in its radio information; 0: one radio
};

struct RadioResponse {
    bool echo = false;     // whether the frame is echoed at all
    Bytes echoBytes;       // the echo, normally the frame as received
    Bytes reply;           // acknowledgement and answer, sent after the echo
    bool memoryChanged = false;
    bool endsWrite = false; // a reset after a board write: in a fleet, this radio is then unplugged
};

class RadioModel {
public:
    RadioModel(BoardMemory& memory, RadioSettings settings);
    RadioResponse OnFrame(const WireFrame& frame);
    const Request& LastRequest() const { return m_last; }
    // Every frame received so far, as requests, in order.
    const std::vector<Request>& History() const { return m_history; }
    int FramesReceived() const { return m_frames; }
    const RadioSettings& Settings() const { return m_settings; }
    // The fleet's next radio is connected; past the last one the line stays silent.
    void NextRadio();
    int RadioNumber() const { return m_radioNumber; }

private:
    std::vector<FaultRule> FaultsFor(const Request& request) const;
    OptionBoard m_board;
    RadioSettings m_settings;
    Request m_last;
    std::vector<Request> m_history;
    int m_frames = 0;
    int m_boardMessages = 0;
    std::string m_radioInfo;  // without the fleet number
    int m_radioNumber = 0;    // from 1 in a fleet
    bool m_wroteSinceReset = false;
};

} // namespace sim
