// Radio and option board commands: each sends one frame, reads its echo, the radio's
// acknowledgement and the answer, shows its own failures and returns success.
#include "link/radio_link.h"

#include "resources/string_ids.h"
#include "seams/status_message.h"

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

const char* const BOARD_TYPE_TEXT = "Vigilon";

// What sets one command's exchange apart from another's: how its request travels,
// the answer that completes it, and what a refusal leaves behind.
struct LinkExchange {
    bool boardMessage = false;      // extended frame for the board; its answer begins with 'C'
    uint8_t opcode = 0;             // of the request frame
    uint8_t answerOpcode = 0;       // of the answer that completes the exchange
    bool quietNotSupported = false; // "not supported" is kept in m_nStatus but not shown
    bool refusalSetsStatus = false; // a NAK or another opcode is kept in m_nStatus as well
    int timeoutMs = 0;              // bounds each receive (echo, acknowledgement, answer); 0: the link's own
};

namespace {

constexpr int BOARD_READ_REQUEST_SIZE = 5;
constexpr int BOARD_MESSAGE_OVERHEAD = 5; // letter, count, two address bytes, checksum

LinkExchange RadioCommand(uint8_t opcode, uint8_t answerOpcode)
{
    LinkExchange exchange;
    exchange.opcode = opcode;
    exchange.answerOpcode = answerOpcode;
    return exchange;
}

LinkExchange BoardMessage()
{
    LinkExchange exchange = RadioCommand(OP_BOARD_MESSAGE, OP_BOARD_REPLY);
    exchange.boardMessage = true;
    return exchange;
}

} // namespace

uint8_t CRadioLink::BoardChecksum(const uint8_t* bytes, size_t count)
{
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>((0x100 - (sum & 0xFF)) & 0xFF);
}

bool CRadioLink::RunCommand(const LinkExchange& exchange, const uint8_t* request, int count,
                            const std::function<bool()>& takeAnswer)
{
    bool ok = false;
    for (int attempt = 0; attempt < LINK_ATTEMPTS && !ok; ++attempt) {
        const Outcome outcome = RunExchange(exchange, request, count);
        if (outcome == Outcome::NoEcho)
            return false;
        if (outcome == Outcome::NotSupported)
            break;
        ok = outcome == Outcome::Answer && takeAnswer();
    }
    // A poll on its own short time-out that nothing replied to: no radio took the
    // request, so there is no radio's pause to keep before the next.
    if (exchange.timeoutMs > 0 && !m_bReplied)
        return false;
    m_context->PauseMoreThan(COMMAND_SETTLE_MS + 1);
    return ok;
}

// One attempt of the request / echo / acknowledgement / answer exchange. On Answer
// the expected answer frame's data is in m_rxData (m_nRxDataLength bytes).
CRadioLink::Outcome CRadioLink::RunExchange(const LinkExchange& exchange, const uint8_t* request, int count)
{
    m_bEchoed = m_bReplied = m_bAcknowledged = false;
    if (exchange.boardMessage)
        SendExtendedFrame(exchange.opcode, request, count, exchange.timeoutMs);
    else
        SendFrame(exchange.opcode, request, count, exchange.timeoutMs);
    if (m_nStatus == LINK_NO_RESPONSE || m_nStatus == LINK_NO_PORT)
        return Outcome::NoEcho;
    m_bEchoed = true;
    // Any other echo failure has been shown; the radio's answer may still come.

    uint8_t ackOpcode = 0;
    if (ReceiveReply(ackOpcode, IDS_NO_RESPONSE_RADIO, exchange.timeoutMs) != LINK_OK)
        return Outcome::Failed;
    m_bReplied = true;
    if (ackOpcode != RADIO_ACK) {
        ReportRefusal(ackOpcode, exchange.refusalSetsStatus);
        return Outcome::Failed;
    }
    m_bAcknowledged = true;

    uint8_t answerOpcode = 0;
    if (ReceiveReply(answerOpcode, exchange.boardMessage ? IDS_NO_RESPONSE_BOARD : IDS_NO_RESPONSE_RADIO,
                     exchange.timeoutMs) != LINK_OK)
        return Outcome::Failed;

    if (answerOpcode == exchange.answerOpcode) {
        if (!exchange.boardMessage || (m_nRxDataLength >= 1 && m_rxData[0] == BOARD_ANSWER))
            return Outcome::Answer;
        ShowStatusMessage(*m_context, MSG_ERROR, IDS_UNEXPECTED_RADIO);
        return Outcome::Failed;
    }
    if (answerOpcode == RADIO_NOT_SUPPORTED) {
        if (!exchange.quietNotSupported)
            ShowStatusMessage(*m_context, MSG_ERROR, IDS_NOT_SUPPORTED);
        m_nStatus = LINK_NOT_SUPPORTED;
        return Outcome::NotSupported;
    }
    ReportRefusal(answerOpcode, exchange.refusalSetsStatus);
    return Outcome::Failed;
}

int CRadioLink::ReceiveReply(uint8_t& opcode, int noResponseMessageId, int timeoutMs)
{
    m_nRxDataLength = 0;
    return ReceiveFrame(opcode, m_rxData, sizeof(m_rxData), &m_nRxDataLength, timeoutMs > 0 ? timeoutMs : REPLY_TIMEOUT_MS,
                        noResponseMessageId);
}

// A NAK, or any opcode other than the one expected: said, and kept as the status
// where the command keeps it.
void CRadioLink::ReportRefusal(uint8_t opcode, bool setStatus)
{
    const bool nak = opcode == RADIO_NAK;
    ShowStatusMessage(*m_context, MSG_ERROR, nak ? IDS_NAK_RECEIVED : IDS_UNEXPECTED_RADIO);
    if (setStatus)
        m_nStatus = nak ? LINK_NAK : LINK_UNEXPECTED;
}

bool CRadioLink::ResetRadio()
{
    for (int attempt = 0; attempt < LINK_ATTEMPTS; ++attempt) {
        SendFrame(OP_RESET_RADIO, nullptr, 0);
        if (m_nStatus == LINK_NO_RESPONSE || m_nStatus == LINK_NO_PORT)
            return false;
        uint8_t ackOpcode = 0;
        if (ReceiveReply(ackOpcode, IDS_NO_RESPONSE_RADIO, 0) != LINK_OK)
            continue;
        if (ackOpcode == RADIO_ACK) {
            // The radio restarts; give it its time before anything else is sent.
            m_context->PauseMoreThan(RESET_SETTLE_MS + 1);
            m_nStatus = LINK_OK;
            return true;
        }
        ReportRefusal(ackOpcode, true);
    }
    return false;
}

bool CRadioLink::ReadRadioInfo(char* text, uint8_t item, int& textLength, bool quiet, int timeoutMs)
{
    textLength = 0;
    if (text != nullptr)
        text[0] = '\0';
    LinkExchange exchange = RadioCommand(OP_READ_RADIO_INFO, OP_RADIO_INFO_REPLY);
    exchange.quietNotSupported = quiet;
    exchange.refusalSetsStatus = true;
    exchange.timeoutMs = timeoutMs;
    return RunCommand(exchange, &item, 1, [&] {
        // The first data byte is skipped; the rest, at most 39 bytes, is the text.
        const int k = std::min(m_nRxDataLength, RADIO_INFO_TEXT_SIZE);
        const int length = std::max(0, k - 1);
        if (text != nullptr) {
            if (length > 0)
                std::memcpy(text, m_rxData + 1, static_cast<size_t>(length));
            text[length] = '\0';
        }
        textLength = length;
        return true;
    });
}

void CRadioLink::BoardReadRequest(uint16_t address, int count, uint8_t* request)
{
    request[0] = BOARD_READ;
    request[1] = static_cast<uint8_t>(address >> 8);
    request[2] = static_cast<uint8_t>(address & 0xFF);
    request[3] = static_cast<uint8_t>(count & 0xFF);
    request[4] = BoardChecksum(request, 4);
}

bool CRadioLink::ReadBoard(uint16_t address, int count, uint8_t* buffer, size_t bufferSize, int* dataLength)
{
    uint8_t request[BOARD_READ_REQUEST_SIZE];
    BoardReadRequest(address, count, request);
    if (dataLength != nullptr)
        *dataLength = 0;

    return RunCommand(BoardMessage(), request, BOARD_READ_REQUEST_SIZE, [&] {
        const int n = TakeBoardData(buffer, bufferSize);
        if (dataLength != nullptr)
            *dataLength = n;
        return true;
    });
}

int CRadioLink::TakeBoardData(uint8_t* buffer, size_t bufferSize)
{
    // The answer's length byte counts its data and the board checksum. Trust it
    // no further than the bytes the frame really carried, and never write past
    // the caller's buffer.
    const int claimed = m_nRxDataLength >= 2 ? m_rxData[1] - 1 : 0;
    const int carried = std::max(0, m_nRxDataLength - 2);
    int n = std::max(0, std::min(claimed, carried));
    if (buffer == nullptr || bufferSize == 0)
        return 0;
    n = std::min(n, static_cast<int>(bufferSize - 1));
    if (n > 0)
        std::memcpy(buffer, m_rxData + 2, static_cast<size_t>(n));
    buffer[n] = 0;
    return n;
}

bool CRadioLink::ReadBoardWhole(uint16_t address, int count, uint8_t* buffer, size_t bufferSize, int& received)
{
    uint8_t request[BOARD_READ_REQUEST_SIZE];
    BoardReadRequest(address, count, request);
    received = -1;
    return RunCommand(BoardMessage(), request, BOARD_READ_REQUEST_SIZE, [&] {
        received = TakeBoardData(buffer, bufferSize);
        return received >= count;
    });
}

bool CRadioLink::WriteBoard(uint16_t address, int count, const uint8_t* data)
{
    if (count > WRITE_BOARD_MAX)
        return false;
    if (count < 0 || data == nullptr)
        count = 0;
    std::vector<uint8_t> request;
    request.reserve(static_cast<size_t>(count) + BOARD_MESSAGE_OVERHEAD);
    request.push_back(BOARD_WRITE);
    request.push_back(static_cast<uint8_t>((count + 3) & 0xFF));
    request.push_back(static_cast<uint8_t>(address >> 8));
    request.push_back(static_cast<uint8_t>(address & 0xFF));
    request.insert(request.end(), data, data + count);
    request.push_back(BoardChecksum(request.data(), request.size()));

    return RunCommand(BoardMessage(), request.data(), static_cast<int>(request.size()), [&] {
        // Any confirmation other than 02 01 is a refusal without a message of its own.
        return m_nRxDataLength >= 3 && m_rxData[1] == 0x02 && m_rxData[2] == 0x01;
    });
}

// A read of count 0: the board answers with the result of the function the
// address selects. False when the read failed (its message has been shown).
bool CRadioLink::ReadBoardFunction(uint16_t function, std::vector<uint8_t>& answer)
{
    uint8_t buffer[BOARD_TYPE_BUFFER];
    int length = 0;
    if (!ReadBoard(function, 0, buffer, sizeof(buffer), &length))
        return false;
    answer.assign(buffer, buffer + length);
    return true;
}

bool CRadioLink::IdentifyBoard(const char* expectedType)
{
    std::vector<uint8_t> answer;
    if (!ReadBoardFunction(BOARD_FN_IDENTIFY, answer))
        return false;
    const std::string expected = expectedType ? expectedType : "";
    if (std::string(answer.begin(), answer.end()) == expected)
        return true;
    ShowStatusMessage(*m_context, MSG_ERROR, IDS_UNKNOWN_BOARD);
    return false;
}

bool CRadioLink::StartCalibration()
{
    std::vector<uint8_t> answer;
    if (!ReadBoardFunction(BOARD_FN_START_CALIBRATION, answer))
        return false;
    if (answer.size() == 1 && answer[0] != 0)
        return true;
    ShowStatusMessage(*m_context, MSG_ERROR, IDS_UNEXPECTED_BOARD);
    return false;
}

bool CRadioLink::CheckCalibration()
{
    std::vector<uint8_t> answer;
    return ReadBoardFunction(BOARD_FN_CHECK_CALIBRATION, answer) && answer.size() == 1 && answer[0] == 1;
}
