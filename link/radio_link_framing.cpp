// Frames on the wire: building and sending them with their echo, and the receive
// state machine with its deadlines.
#include "link/radio_link.h"

#include "link/serial_port.h"
#include "resources/string_ids.h"
#include "seams/status_message.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

// Deadline of each receive, and the gap allowed after each byte of a frame.
constexpr int RX_DEADLINE_SLACK_MS = 1;
constexpr int RX_BYTE_GAP_MS = 251;
// Echo time-out: a base plus an allowance per data byte.
constexpr int ECHO_BASE_MS = 1000;
constexpr int ECHO_PER_BYTE_MS = 250;
// Largest frame this link builds: 5 header bytes, 65535 length, checksum.
constexpr size_t TX_HEADER_MAX = 5;

enum class RxState { Header, Opcode, LengthHigh, LengthLow, Body };

} // namespace

CRadioLink::CRadioLink()
    : m_nStatus(LINK_OK), m_pPort(nullptr), m_nRxOpcode(0), m_nRxCount(0), m_rxBuffer(), m_rxData(),
      m_nRxDataLength(0)
{
}

CRadioLink::CRadioLink(OperationContext& context) : CRadioLink()
{
    m_context = &context;
}

uint8_t CRadioLink::FrameChecksum(const uint8_t* bytes, size_t count)
{
    unsigned sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum += bytes[i];
    return static_cast<uint8_t>(0xFF - (sum & 0xFF));
}

void CRadioLink::FailWith(int status, int messageId)
{
    ShowStatusMessage(*m_context, MSG_ERROR, messageId);
    m_nStatus = status;
}

void CRadioLink::SendFrame(uint8_t opcode, const uint8_t* data, int count, int echoTimeoutMs)
{
    if (data == nullptr || count < 0)
        count = 0;
    const size_t n = static_cast<size_t>(std::min(count, 0xFFFE));
    const unsigned length = static_cast<unsigned>(n) + 1; // data plus checksum
    std::vector<uint8_t> frame;
    frame.reserve(n + TX_HEADER_MAX + 1);
    if (opcode < 15) {
        if (n == 0) {
            frame.push_back(static_cast<uint8_t>(opcode << 4));
        } else if (n <= 13) {
            frame.push_back(static_cast<uint8_t>((opcode << 4) | length));
        } else {
            frame.push_back(static_cast<uint8_t>((opcode << 4) | 0x0F));
            frame.push_back(static_cast<uint8_t>(length >> 8));
            frame.push_back(static_cast<uint8_t>(length & 0xFF));
        }
    } else if (n <= 13) {
        frame.push_back(static_cast<uint8_t>(0xF0 | length));
        frame.push_back(opcode);
    } else {
        frame.push_back(0xFF);
        frame.push_back(opcode);
        frame.push_back(static_cast<uint8_t>(length >> 8));
        frame.push_back(static_cast<uint8_t>(length & 0xFF));
    }
    // Only the one-byte form of an opcode below 15 without data goes without checksum.
    if (!(opcode < 15 && n == 0)) {
        frame.insert(frame.end(), data, data + n);
        frame.push_back(FrameChecksum(frame.data(), frame.size()));
    }
    TransmitFrame(opcode, frame.data(), frame.size(), static_cast<int>(n), echoTimeoutMs);
}

void CRadioLink::SendExtendedFrame(uint8_t opcode, const uint8_t* data, int count, int echoTimeoutMs)
{
    if (data == nullptr || count < 0)
        count = 0;
    const size_t n = static_cast<size_t>(std::min(count, 0xFFFE));
    const unsigned length = static_cast<unsigned>(n) + 1;
    std::vector<uint8_t> frame;
    frame.reserve(n + TX_HEADER_MAX + 1);
    frame.push_back(0xFF);
    frame.push_back(opcode);
    frame.push_back(static_cast<uint8_t>(length >> 8));
    frame.push_back(static_cast<uint8_t>(length & 0xFF));
    frame.insert(frame.end(), data, data + n);
    frame.push_back(FrameChecksum(frame.data(), frame.size()));
    TransmitFrame(opcode, frame.data(), frame.size(), static_cast<int>(n), echoTimeoutMs);
}

void CRadioLink::TransmitFrame(uint8_t opcode, const uint8_t* frame, size_t frameSize, int dataCount, int echoTimeoutMs)
{
    if (m_pPort == nullptr) {
        FailWith(LINK_NO_PORT, IDS_NO_SERIAL_PORT);
        return;
    }
    if (ITrace* trace = m_context->trace) {
        // The data sits just before the checksum; the one-byte form has neither.
        const size_t count = static_cast<size_t>(dataCount);
        trace->Frame(m_context->NowMs(), TraceDirection::Sent, opcode, frame + frameSize - 1 - count, count,
                     frameSize == 1 ? TraceChecksum::None : TraceChecksum::Good);
    }
    // Whatever is still waiting is stale: the first frame received afterwards must be the echo.
    m_pPort->PurgeReceive();
    for (size_t i = 0; i < frameSize; ++i)
        m_pPort->WriteByte(frame[i]);
    // The echo is not compared with what was sent; it only has to be a sound frame.
    uint8_t echoOpcode = 0;
    ReceiveFrame(echoOpcode, nullptr, 0, nullptr,
                 echoTimeoutMs > 0 ? echoTimeoutMs : ECHO_BASE_MS + ECHO_PER_BYTE_MS * dataCount, IDS_NO_RESPONSE_RADIO);
}

int CRadioLink::ReceiveFrame(uint8_t& opcode, uint8_t* data, size_t capacity, int* length, int timeoutMs,
                             int noResponseMessageId)
{
    int64_t deadline = m_context->NowMs() + timeoutMs + RX_DEADLINE_SLACK_MS;
    const bool cutReads = timeoutMs < SERIAL_READ_TOTAL_MS;
    m_nRxCount = 0;
    unsigned bodyCount = 0;
    unsigned frameLength = 0;
    bool opcodeFollows = false;
    bool lengthFollows = false;
    RxState state = RxState::Header;
    bool complete = false;

    if (m_pPort == nullptr) {
        FailWith(LINK_NO_PORT, IDS_NO_SERIAL_PORT);
        return m_nStatus;
    }

    // What follows the opcode: the length bytes, the body, or nothing.
    const auto afterOpcode = [&]() {
        if (lengthFollows)
            return RxState::LengthHigh;
        if (frameLength > 0)
            return RxState::Body;
        complete = true;
        return state;
    };

    while (!complete) {
        // Within the body the number of bytes still to come is known: the port may
        // sleep through most of them instead of waking for each.
        if (state == RxState::Body)
            m_pPort->AwaitBytes(static_cast<int>(frameLength - bodyCount));
        // A wait shorter than one read of the port ends at its deadline, not a
        // second later; the link's own waits keep the port's full reads.
        const int byte = cutReads ? m_pPort->ReadByte(static_cast<int>(std::max<int64_t>(0, deadline + 1 - m_context->NowMs())))
                                  : m_pPort->ReadByte();
        if (byte < 0) {
            // The deadline is looked at only after a read that brought nothing;
            // a device that has gone will bring nothing more.
            if (m_context->NowMs() > deadline || m_pPort->Vanished())
                break;
            continue;
        }
        if (m_nRxCount >= RX_FRAME_MAX)
            break; // one byte more than any frame may have
        m_rxBuffer[m_nRxCount++] = static_cast<uint8_t>(byte);
        deadline = m_context->NowMs() + RX_BYTE_GAP_MS;

        switch (state) {
        case RxState::Header:
            m_nRxOpcode = static_cast<uint8_t>(byte >> 4);
            frameLength = static_cast<unsigned>(byte & 0x0F);
            opcodeFollows = m_nRxOpcode == 15;
            lengthFollows = frameLength == 15;
            state = opcodeFollows ? RxState::Opcode : afterOpcode();
            break;
        case RxState::Opcode:
            m_nRxOpcode = static_cast<uint8_t>(byte);
            state = afterOpcode();
            break;
        case RxState::LengthHigh:
            frameLength = static_cast<unsigned>(byte) * 256;
            state = RxState::LengthLow;
            break;
        case RxState::LengthLow:
            frameLength += static_cast<unsigned>(byte);
            if (frameLength > 0)
                state = RxState::Body;
            else
                complete = true;
            break;
        case RxState::Body:
            if (++bodyCount == frameLength)
                complete = true;
            break;
        }
    }

    if (!complete) {
        if (m_nRxCount >= RX_FRAME_MAX) {
            FailWith(LINK_TOO_LONG, IDS_RX_TOO_LONG);
        } else if (m_nRxCount > 0) {
            m_pPort->PurgeReceive();
            FailWith(LINK_INCOMPLETE, IDS_RX_INCOMPLETE);
        } else {
            FailWith(LINK_NO_RESPONSE, noResponseMessageId);
        }
        return m_nStatus;
    }

    // A frame without a body (a one-byte frame, or an extended form whose length
    // field is 0) delivers no data field.
    const size_t dataCount = (m_nRxCount == 1 || frameLength == 0) ? 0 : frameLength - 1;
    const size_t start = 1 + (opcodeFollows ? 1 : 0) + (lengthFollows ? 2 : 0);
    const bool checksumGood = m_nRxCount == 1
        || FrameChecksum(m_rxBuffer, m_nRxCount - 1) == m_rxBuffer[m_nRxCount - 1];
    if (ITrace* trace = m_context->trace)
        trace->Frame(m_context->NowMs(), TraceDirection::Received, m_nRxOpcode, m_rxBuffer + start, dataCount,
                     m_nRxCount == 1 ? TraceChecksum::None
                                     : (checksumGood ? TraceChecksum::Good : TraceChecksum::Bad));
    if (!checksumGood) {
        FailWith(LINK_CHECKSUM_ERROR, IDS_RX_CHECKSUM_ERROR);
        return m_nStatus;
    }

    opcode = m_nRxOpcode;
    if (data != nullptr) {
        const size_t copied = std::min(dataCount, capacity);
        if (copied > 0)
            std::memcpy(data, m_rxBuffer + start, copied);
        if (length != nullptr)
            *length = static_cast<int>(copied);
    }
    m_nStatus = LINK_OK;
    return m_nStatus;
}
