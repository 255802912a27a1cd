// The simulator's own view of the wire: frame checksums, frame encoding and a
// byte-by-byte frame assembler. Written independently of the product's link code
// so that a mistake in one cannot hide behind the same mistake in the other.
#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

namespace sim {

using Bytes = std::vector<uint8_t>;

// Frame checksum: complement of the 8-bit sum of all bytes before it.
uint8_t WireChecksum(const uint8_t* bytes, size_t count);
// Board message checksum: makes the whole message add up to 0 modulo 256.
uint8_t BoardMessageChecksum(const uint8_t* bytes, size_t count);

// A one-byte frame: opcode 0..14 without data or checksum (acknowledgement, NAK).
Bytes ShortFrame(uint8_t opcode);
// The most compact frame for the opcode and data (always with checksum).
Bytes CompactFrame(uint8_t opcode, const Bytes& data);
// The extended form: FF, opcode, two length bytes, data, checksum.
Bytes ExtendedFrame(uint8_t opcode, const Bytes& data);

struct WireFrame {
    uint8_t opcode = 0;
    Bytes data;      // without the checksum
    Bytes raw;       // every byte of the frame as received
    bool checksumOk = true;
};

// Gathers bytes into frames. The frame's size is known once its header (and, where
// present, opcode and length bytes) has arrived.
class WireAssembler {
public:
    // Adds one byte; returns the frame it completes.
    std::optional<WireFrame> Feed(uint8_t byte);
    void Reset();
    bool InFrame() const { return !m_raw.empty(); }
    // Frames longer than this are dropped as noise.
    static constexpr size_t MAX_FRAME = 0x10005;

private:
    std::optional<WireFrame> Finish();
    // Bytes of the frame's head (header, opcode, length); 0 while not yet known.
    size_t HeadSize() const;
    Bytes m_raw;
    size_t m_total = 0; // whole frame size once known
};

} // namespace sim
