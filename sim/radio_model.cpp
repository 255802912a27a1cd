#include "sim/radio_model.h"

#include <string>
#include <utility>

namespace sim {

namespace {

bool Has(const std::vector<FaultRule>& faults, FaultKind kind)
{
    for (const FaultRule& rule : faults) {
        if (rule.kind == kind)
            return true;
    }
    return false;
}

// Applies the answer faults to a finished answer frame.
Bytes Spoil(Bytes frame, const std::vector<FaultRule>& faults)
{
    if (Has(faults, FaultKind::BadChecksum) && frame.size() > 1)
        frame.back() = static_cast<uint8_t>(frame.back() ^ 0x5A);
    if (Has(faults, FaultKind::Incomplete) && frame.size() > 1)
        frame.resize(frame.size() / 2);
    if (Has(faults, FaultKind::TooLong)) {
        // Announces 400 bytes and sends more than any frame may have.
        frame = Bytes{ 0xFF, RADIO_OP_BOARD_REPLY, 0x01, 0x90 };
        for (int i = 0; i < 300; ++i)
            frame.push_back(static_cast<uint8_t>(i));
    }
    return frame;
}

} // namespace

RadioModel::RadioModel(BoardMemory& memory, RadioSettings settings)
    : m_board(memory, settings.boardType), m_settings(std::move(settings)), m_radioInfo(m_settings.radioInfo)
{
    if (m_settings.fleetSize > 0)
        NextRadio();
}

void RadioModel::NextRadio()
{
    ++m_radioNumber;
    m_settings.radioInfo = m_radioInfo + " #" + std::to_string(m_radioNumber);
    m_wroteSinceReset = false;
}

std::vector<FaultRule> RadioModel::FaultsFor(const Request& request) const
{
    std::vector<FaultRule> hits;
    for (const FaultRule& rule : m_settings.faults) {
        if (FaultHits(rule, request))
            hits.push_back(rule);
    }
    return hits;
}

RadioResponse RadioModel::OnFrame(const WireFrame& frame)
{
    RadioResponse response;
    Request request;
    request.frameNumber = ++m_frames;
    if (frame.opcode == RADIO_OP_RESET) {
        request.kind = RequestKind::Reset;
    } else if (frame.opcode == RADIO_OP_INFO) {
        request.kind = RequestKind::Info;
    } else if (frame.opcode == RADIO_OP_BOARD) {
        const Request board = OptionBoard::Classify(frame.data);
        request.kind = board.kind;
        request.address = board.address;
        request.count = board.count;
        request.boardNumber = ++m_boardMessages;
    }
    request.radio = m_radioNumber;
    m_last = request;
    m_history.push_back(request);

    // The fleet is done: nobody answers any more.
    if (m_settings.fleetSize > 0 && m_radioNumber > m_settings.fleetSize)
        return response;

    // Once the cable is pulled nothing comes back, not even the echo.
    if (m_settings.pullAfterBoardRequests >= 0 && m_boardMessages > m_settings.pullAfterBoardRequests)
        return response;
    const std::vector<FaultRule> faults = FaultsFor(request);
    if (Has(faults, FaultKind::SilentRadio))
        return response;

    response.echo = true;
    response.echoBytes = frame.raw;
    if (Has(faults, FaultKind::BadEcho) && response.echoBytes.size() > 1)
        response.echoBytes.back() = static_cast<uint8_t>(response.echoBytes.back() ^ 0x01);
    // A radio switched off still loops the cable's bytes back.
    if (Has(faults, FaultKind::RadioOff))
        return response;

    // A frame that does not add up is refused without being looked at.
    if (!frame.checksumOk) {
        response.reply = ShortFrame(RADIO_OP_NAK);
        return response;
    }
    if (Has(faults, FaultKind::Nak)) {
        response.reply = ShortFrame(RADIO_OP_NAK);
        return response;
    }
    if (Has(faults, FaultKind::Unexpected)) {
        response.reply = ShortFrame(RADIO_OP_ODD);
        return response;
    }
    if (request.kind == RequestKind::Other) {
        response.reply = ShortFrame(RADIO_OP_NAK); // a command this radio does not know
        return response;
    }

    response.reply = ShortFrame(RADIO_OP_ACK);
    if (request.kind == RequestKind::BoardWrite)
        m_wroteSinceReset = true;
    if (request.kind == RequestKind::Reset) {
        response.endsWrite = m_wroteSinceReset;
        m_wroteSinceReset = false;
        return response; // the acknowledgement is the whole answer
    }

    Bytes answer;
    if (Has(faults, FaultKind::SilentBoard) || (Has(faults, FaultKind::NoBoard) && request.boardNumber > 0)) {
        return response;
    } else if (Has(faults, FaultKind::NakAnswer)) {
        answer = ShortFrame(RADIO_OP_NAK);
    } else if (Has(faults, FaultKind::NotSupported)) {
        answer = CompactFrame(RADIO_OP_NOT_SUPPORTED, Bytes{});
    } else if (Has(faults, FaultKind::UnexpectedAnswer)) {
        answer = CompactFrame(RADIO_OP_STRANGE_REPLY, Bytes{ 0x00 });
    } else if (Has(faults, FaultKind::EmptyAnswer)) {
        answer = CompactFrame(request.kind == RequestKind::Info ? RADIO_OP_INFO_REPLY : RADIO_OP_BOARD_REPLY, Bytes{});
    } else if (request.kind == RequestKind::Info) {
        Bytes data;
        data.reserve(m_settings.radioInfo.size() + 1);
        data.push_back(frame.data.empty() ? uint8_t(0) : frame.data[0]); // the item asked for
        for (char c : m_settings.radioInfo)
            data.push_back(static_cast<uint8_t>(c));
        answer = CompactFrame(RADIO_OP_INFO_REPLY, data);
    } else {
        bool wrote = false;
        const std::optional<Bytes> boardAnswer = m_board.Answer(frame.data, faults, wrote);
        response.memoryChanged = wrote;
        if (!boardAnswer)
            return response; // the board kept quiet; the radio has nothing to pass back
        answer = ExtendedFrame(RADIO_OP_BOARD_REPLY, *boardAnswer);
    }
    answer = Spoil(std::move(answer), faults);
    response.reply.insert(response.reply.end(), answer.begin(), answer.end());
    return response;
}

} // namespace sim
