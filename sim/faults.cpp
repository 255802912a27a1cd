#include "sim/faults.h"

#include <cstdlib>

namespace sim {

namespace {

struct Named {
    const char* name;
    int value;
};

const Named kFaultNames[] = {
    { "silent-radio", static_cast<int>(FaultKind::SilentRadio) },
    { "silent-board", static_cast<int>(FaultKind::SilentBoard) },
    { "nak", static_cast<int>(FaultKind::Nak) },
    { "nak-answer", static_cast<int>(FaultKind::NakAnswer) },
    { "not-supported", static_cast<int>(FaultKind::NotSupported) },
    { "unexpected", static_cast<int>(FaultKind::Unexpected) },
    { "unexpected-answer", static_cast<int>(FaultKind::UnexpectedAnswer) },
    { "bad-echo", static_cast<int>(FaultKind::BadEcho) },
    { "bad-checksum", static_cast<int>(FaultKind::BadChecksum) },
    { "incomplete", static_cast<int>(FaultKind::Incomplete) },
    { "too-long", static_cast<int>(FaultKind::TooLong) },
    { "empty-answer", static_cast<int>(FaultKind::EmptyAnswer) },
    { "not-c", static_cast<int>(FaultKind::NotC) },
    { "write-refused", static_cast<int>(FaultKind::WriteRefused) },
    { "write-lost", static_cast<int>(FaultKind::WriteLost) },
    { "reply-count", static_cast<int>(FaultKind::ReplyCount) },
    { "cal-start-refused", static_cast<int>(FaultKind::CalStartRefused) },
    { "cal-check-fails", static_cast<int>(FaultKind::CalCheckFails) },
    { "no-echo", static_cast<int>(FaultKind::SilentRadio) }, // a cable to nothing: bytes vanish
    { "radio-off", static_cast<int>(FaultKind::RadioOff) },
    { "no-board", static_cast<int>(FaultKind::NoBoard) },
};

const Named kTargetNames[] = {
    { "any", static_cast<int>(TargetKind::Any) },
    { "reset", static_cast<int>(TargetKind::Reset) },
    { "info", static_cast<int>(TargetKind::Info) },
    { "board", static_cast<int>(TargetKind::Board) },
    { "read", static_cast<int>(TargetKind::Read) },
    { "write", static_cast<int>(TargetKind::Write) },
    { "identify", static_cast<int>(TargetKind::Identify) },
    { "cal-start", static_cast<int>(TargetKind::CalStart) },
    { "cal-check", static_cast<int>(TargetKind::CalCheck) },
};

bool ParseNumber(const std::string& text, int& value)
{
    if (text.empty())
        return false;
    char* end = nullptr;
    const long parsed = std::strtol(text.c_str(), &end, 0);
    if (*end != '\0' || parsed < 0 || parsed > 0xFFFF)
        return false;
    value = static_cast<int>(parsed);
    return true;
}

bool ParseTarget(const std::string& text, FaultRule& rule)
{
    if (text.size() > 1 && text[0] == '#') {
        rule.target = TargetKind::FrameNo;
        return ParseNumber(text.substr(1), rule.targetValue) && rule.targetValue > 0;
    }
    if (text.compare(0, 6, "board#") == 0) {
        rule.target = TargetKind::BoardNo;
        return ParseNumber(text.substr(6), rule.targetValue) && rule.targetValue > 0;
    }
    if (text.compare(0, 5, "read:") == 0) {
        rule.target = TargetKind::ReadAt;
        return ParseNumber(text.substr(5), rule.targetValue);
    }
    for (const Named& named : kTargetNames) {
        if (text == named.name) {
            rule.target = static_cast<TargetKind>(named.value);
            return true;
        }
    }
    return false;
}

} // namespace

std::optional<FaultRule> ParseFault(const std::string& text, std::string& error)
{
    FaultRule rule;
    std::string kind = text;
    const size_t slash = kind.rfind('/');
    if (slash != std::string::npos) {
        if (!ParseNumber(kind.substr(slash + 1), rule.radio) || rule.radio < 1) {
            error = "bad fleet radio number in '" + text + "'";
            return std::nullopt;
        }
        kind.erase(slash);
    }
    const size_t at = kind.find('@');
    if (at != std::string::npos) {
        if (!ParseTarget(kind.substr(at + 1), rule)) {
            error = "unknown fault target in '" + text + "'";
            return std::nullopt;
        }
        kind.erase(at);
    }
    const size_t equals = kind.find('=');
    if (equals != std::string::npos) {
        if (!ParseNumber(kind.substr(equals + 1), rule.value)) {
            error = "bad fault value in '" + text + "'";
            return std::nullopt;
        }
        kind.erase(equals);
    }
    for (const Named& named : kFaultNames) {
        if (kind == named.name) {
            rule.kind = static_cast<FaultKind>(named.value);
            return rule;
        }
    }
    error = "unknown fault '" + kind + "'";
    return std::nullopt;
}

bool FaultHits(const FaultRule& rule, const Request& request)
{
    const bool board = request.boardNumber > 0;
    if (rule.radio != 0 && rule.radio != request.radio)
        return false;
    switch (rule.target) {
    case TargetKind::Any: return true;
    case TargetKind::Reset: return request.kind == RequestKind::Reset;
    case TargetKind::Info: return request.kind == RequestKind::Info;
    case TargetKind::Board: return board;
    case TargetKind::Read: return request.kind == RequestKind::BoardRead;
    case TargetKind::Write: return request.kind == RequestKind::BoardWrite;
    case TargetKind::Identify: return request.kind == RequestKind::Identify;
    case TargetKind::CalStart: return request.kind == RequestKind::CalStart;
    case TargetKind::CalCheck: return request.kind == RequestKind::CalCheck;
    case TargetKind::ReadAt: return request.kind == RequestKind::BoardRead && request.address == rule.targetValue;
    case TargetKind::FrameNo: return request.frameNumber == rule.targetValue;
    case TargetKind::BoardNo: return request.boardNumber == rule.targetValue;
    }
    return false;
}

std::string FaultHelp()
{
    std::string help = "  faults:";
    for (const Named& named : kFaultNames)
        help += std::string(" ") + named.name;
    help += "\n  targets (after @):";
    for (const Named& named : kTargetNames)
        help += std::string(" ") + named.name;
    help += " read:ADDR #FRAME board#N\n";
    help += "  /RADIO at the end: only that radio of a fleet (from 1)\n";
    return help;
}

} // namespace sim
