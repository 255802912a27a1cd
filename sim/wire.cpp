#include "sim/wire.h"

namespace sim {

uint8_t WireChecksum(const uint8_t* bytes, size_t count)
{
    uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(~sum);
}

uint8_t BoardMessageChecksum(const uint8_t* bytes, size_t count)
{
    uint8_t sum = 0;
    for (size_t i = 0; i < count; ++i)
        sum = static_cast<uint8_t>(sum + bytes[i]);
    return static_cast<uint8_t>(-sum);
}

Bytes ShortFrame(uint8_t opcode)
{
    return Bytes{ static_cast<uint8_t>((opcode & 0x0F) << 4) };
}

static void AppendChecksum(Bytes& frame)
{
    frame.push_back(WireChecksum(frame.data(), frame.size()));
}

Bytes ExtendedFrame(uint8_t opcode, const Bytes& data)
{
    const size_t length = data.size() + 1;
    Bytes frame;
    frame.reserve(data.size() + 5);
    frame.push_back(0xFF);
    frame.push_back(opcode);
    frame.push_back(static_cast<uint8_t>(length >> 8));
    frame.push_back(static_cast<uint8_t>(length));
    for (uint8_t byte : data)
        frame.push_back(byte);
    AppendChecksum(frame);
    return frame;
}

Bytes CompactFrame(uint8_t opcode, const Bytes& data)
{
    const size_t length = data.size() + 1;
    Bytes frame;
    const bool ownOpcodeByte = opcode >= 0x0F;
    const bool ownLengthBytes = length >= 0x0F;
    const uint8_t high = ownOpcodeByte ? 0xF0 : static_cast<uint8_t>(opcode << 4);
    const uint8_t low = ownLengthBytes ? 0x0F : static_cast<uint8_t>(length);
    frame.push_back(static_cast<uint8_t>(high | low));
    if (ownOpcodeByte)
        frame.push_back(opcode);
    if (ownLengthBytes) {
        frame.push_back(static_cast<uint8_t>(length >> 8));
        frame.push_back(static_cast<uint8_t>(length));
    }
    frame.insert(frame.end(), data.begin(), data.end());
    AppendChecksum(frame);
    return frame;
}

size_t WireAssembler::HeadSize() const
{
    const uint8_t header = m_raw[0];
    return 1 + ((header >> 4) == 0x0F ? 1 : 0) + ((header & 0x0F) == 0x0F ? 2 : 0);
}

std::optional<WireFrame> WireAssembler::Feed(uint8_t byte)
{
    m_raw.push_back(byte);
    if (m_total == 0) {
        const size_t head = HeadSize();
        if (m_raw.size() < head)
            return std::nullopt;
        const uint8_t header = m_raw[0];
        size_t length = header & 0x0F;
        if (length == 0x0F)
            length = static_cast<size_t>(m_raw[head - 2]) << 8 | m_raw[head - 1];
        m_total = head + length;
    }
    if (m_raw.size() >= m_total)
        return Finish();
    if (m_raw.size() > MAX_FRAME)
        Reset();
    return std::nullopt;
}

std::optional<WireFrame> WireAssembler::Finish()
{
    WireFrame frame;
    frame.raw = m_raw;
    const size_t head = HeadSize();
    const uint8_t header = m_raw[0];
    frame.opcode = (header >> 4) == 0x0F ? m_raw[1] : static_cast<uint8_t>(header >> 4);
    if (m_raw.size() > 1) {
        frame.checksumOk = WireChecksum(m_raw.data(), m_raw.size() - 1) == m_raw.back();
        if (m_raw.size() > head + 1)
            frame.data.assign(m_raw.begin() + static_cast<long>(head), m_raw.end() - 1);
    }
    Reset();
    return frame;
}

void WireAssembler::Reset()
{
    m_raw.clear();
    m_total = 0;
}

} // namespace sim
