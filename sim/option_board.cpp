#include "sim/option_board.h"

#include <algorithm>

namespace sim {

namespace {

constexpr uint8_t LETTER_READ = 'E';
constexpr uint8_t LETTER_WRITE = 'D';
constexpr uint8_t LETTER_ANSWER = 'C';

bool Has(const std::vector<FaultRule>& faults, FaultKind kind, int* value = nullptr)
{
    for (const FaultRule& rule : faults) {
        if (rule.kind == kind) {
            if (value)
                *value = rule.value;
            return true;
        }
    }
    return false;
}

bool SumsToZero(const Bytes& message)
{
    uint8_t sum = 0;
    for (uint8_t byte : message)
        sum = static_cast<uint8_t>(sum + byte);
    return sum == 0;
}

} // namespace

Request OptionBoard::Classify(const Bytes& message)
{
    Request request;
    request.kind = RequestKind::BoardOther;
    if (message.size() == 5 && message[0] == LETTER_READ) {
        request.address = static_cast<uint16_t>(message[1] << 8 | message[2]);
        request.count = message[3];
        if (message[3] != 0)
            request.kind = RequestKind::BoardRead;
        else if (request.address == 0)
            request.kind = RequestKind::Identify;
        else if (request.address == 1)
            request.kind = RequestKind::CalStart;
        else if (request.address == 2)
            request.kind = RequestKind::CalCheck;
    } else if (message.size() >= 5 && message[0] == LETTER_WRITE) {
        request.kind = RequestKind::BoardWrite;
        request.address = static_cast<uint16_t>(message[2] << 8 | message[3]);
        request.count = static_cast<int>(message.size()) - 5;
    }
    return request;
}

Bytes OptionBoard::MakeAnswer(const Bytes& data)
{
    Bytes answer;
    answer.reserve(data.size() + 3);
    answer.push_back(LETTER_ANSWER);
    answer.push_back(static_cast<uint8_t>(data.size() + 1));
    for (uint8_t byte : data)
        answer.push_back(byte);
    answer.push_back(BoardMessageChecksum(answer.data(), answer.size()));
    return answer;
}

std::optional<Bytes> OptionBoard::Answer(const Bytes& message, const std::vector<FaultRule>& faults, bool& wrote)
{
    wrote = false;
    // A message that does not add up is ignored, as the real board does.
    if (message.size() < 5 || !SumsToZero(message))
        return std::nullopt;
    const Request request = Classify(message);
    Bytes data;
    switch (request.kind) {
    case RequestKind::BoardRead: {
        int count = message[3];
        Has(faults, FaultKind::ReplyCount, &count);
        for (int i = 0; i < count && request.address + i < static_cast<int>(BOARD_MEMORY_SIZE); ++i)
            data.push_back(m_memory.At(request.address + static_cast<size_t>(i)));
        break;
    }
    case RequestKind::Identify:
        for (char c : m_typeText)
            data.push_back(static_cast<uint8_t>(c));
        break;
    case RequestKind::CalStart:
        m_calibrating = !Has(faults, FaultKind::CalStartRefused);
        data.push_back(m_calibrating ? 1 : 0);
        break;
    case RequestKind::CalCheck:
        // 1: calibrated; 0: no calibration was running; 2: the calibration failed.
        data.push_back(Has(faults, FaultKind::CalCheckFails) ? 2 : (m_calibrating ? 1 : 0));
        m_calibrating = false;
        break;
    case RequestKind::BoardWrite: {
        // D, count of what follows, address, data, checksum.
        const size_t declared = message[1];
        if (declared + 2 != message.size())
            return std::nullopt;
        if (Has(faults, FaultKind::WriteRefused)) {
            data.push_back(0x00);
            break;
        }
        const size_t count = message.size() - 5;
        if (!Has(faults, FaultKind::WriteLost)) {
            for (size_t i = 0; i < count; ++i)
                m_memory.Put(request.address + i, message[4 + i]);
            wrote = count > 0;
        }
        data.push_back(0x01);
        break;
    }
    default:
        break; // an empty answer to a function it does not have
    }
    if (Has(faults, FaultKind::NotC)) {
        Bytes answer = MakeAnswer(data);
        answer[0] = 'A';
        return answer;
    }
    return MakeAnswer(data);
}

} // namespace sim
