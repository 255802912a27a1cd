// Faults the simulated radio can be told to show, and which requests they hit.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace sim {

// What a received frame asks for.
enum class RequestKind { Reset, Info, BoardRead, BoardWrite, Identify, CalStart, CalCheck, BoardOther, Other };

struct Request {
    RequestKind kind = RequestKind::Other;
    uint16_t address = 0;
    int count = 0;       // bytes asked for by a read, or carried by a write
    int frameNumber = 0; // 1 for the first frame since start
    int boardNumber = 0; // 1 for the first board message since start; 0 for radio commands
    int radio = 0;       // the fleet radio that received it, from 1; 0 without a fleet
};

enum class FaultKind {
    SilentRadio,      // no echo, nothing
    SilentBoard,      // echo and acknowledgement, then no answer
    Nak,              // NAK instead of the acknowledgement
    NakAnswer,        // acknowledgement, then NAK as the answer
    NotSupported,     // acknowledgement, then a not-supported frame (0x86)
    Unexpected,       // another opcode instead of the acknowledgement
    UnexpectedAnswer, // acknowledgement, then an answer with another opcode
    BadEcho,          // the echo's checksum byte is wrong
    BadChecksum,      // the answer's checksum byte is wrong
    Incomplete,       // the answer stops half-way
    TooLong,          // the answer runs past the longest frame
    EmptyAnswer,      // the answer frame has no data bytes
    NotC,             // the board's answer does not begin with the letter C
    WriteRefused,     // the board answers a write with 43 02 00
    WriteLost,        // the board confirms a write with 43 02 01 but keeps its old settings
    ReplyCount,       // the board answers a read with `value` data bytes
    CalStartRefused,  // calibration start answered with 0
    CalCheckFails,    // calibration check answered with 2
    RadioOff,         // the echo comes back (the cable is in the radio), nothing else
    NoBoard,          // the radio answers its own requests; board requests get their acknowledgement only
};

enum class TargetKind { Any, Reset, Info, Board, Read, Write, Identify, CalStart, CalCheck, ReadAt, FrameNo, BoardNo };

struct FaultRule {
    FaultKind kind = FaultKind::SilentRadio;
    int value = 0;
    TargetKind target = TargetKind::Any;
    int targetValue = 0;
    int radio = 0; // only this fleet radio (from 1) shows the fault; 0 every radio
};

// Parses "KIND[=N][@TARGET][/RADIO]", for example "write-refused@write/2" (only
// the second radio of a fleet), "nak@info", "reply-count=20@read",
// "bad-checksum@#3", "silent-board@board#2", "silent-radio@read:0x1000".
std::optional<FaultRule> ParseFault(const std::string& text, std::string& error);
bool FaultHits(const FaultRule& rule, const Request& request);
// One line per fault kind and target, for --help.
std::string FaultHelp();

} // namespace sim
