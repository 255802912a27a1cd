#include "sim/board_memory.h"

#include <cstdio>
#include <fstream>

namespace sim {

namespace {

// The board's settings as it leaves the factory: all alarms in their default state.
const uint8_t kDefaultSettings[24] = {
    0x00, 0xFE, 0x01, 0x00, 0x64, 0x00, 0x0A, 0x01, 0x01, 0x00, 0x64, 0x00,
    0x0A, 0x00, 0x00, 0x0A, 0x00, 0x0A, 0x00, 0x00, 0x00, 0x0A, 0x01, 0x00,
};

} // namespace

BoardMemory::BoardMemory() : m_bytes() {}

uint8_t BoardMemory::CalibrationPattern(size_t address)
{
    // Pairs of bytes as a two-axis sensor logs them while the radio turns: two
    // triangle waves a quarter turn apart, with a little deterministic wobble.
    const auto triangle = [](size_t phase) { phase %= 256; return phase < 128 ? phase * 2 : (255 - phase) * 2; };
    const size_t sample = (address - MEM_CALIBRATION) / 2;
    const size_t wobble = (sample * 7) % 2;
    const size_t value = address % 2 == 0 ? triangle(sample) : triangle(sample + 64);
    return static_cast<uint8_t>(value + wobble);
}

void BoardMemory::PutText(uint16_t address, size_t areaSize, const std::string& text)
{
    for (size_t i = 0; i < areaSize; ++i)
        Put(address + i, i < text.size() ? static_cast<uint8_t>(text[i]) : 0);
}

void BoardMemory::LoadDefaults(const BoardIdentity& identity)
{
    m_bytes.fill(0);
    PutText(MEM_TYPE, 48, identity.type);
    PutText(MEM_HARDWARE, 16, identity.hardware);
    PutText(MEM_SOFTWARE, 16, identity.software);
    PutText(MEM_CODEPLUG, 16, identity.codeplug);
    PutText(MEM_REMARKS, 256, identity.remarks);
    for (size_t i = 0; i < sizeof(kDefaultSettings); ++i)
        Put(MEM_SETTINGS + i, kDefaultSettings[i]);
    for (size_t address = MEM_CALIBRATION; address < BOARD_MEMORY_SIZE; ++address)
        Put(address, CalibrationPattern(address));
}

bool BoardMemory::LoadState(const std::string& path, std::string& error)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        error = "cannot open " + path;
        return false;
    }
    Image bytes;
    in.read(reinterpret_cast<char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (in.gcount() != static_cast<std::streamsize>(bytes.size()) || in.peek() != std::char_traits<char>::eof()) {
        error = path + " is not a board memory file (it must be exactly 65536 bytes)";
        return false;
    }
    m_bytes = bytes;
    return true;
}

bool BoardMemory::SaveState(const std::string& path, std::string& error) const
{
    const std::string temporary = path + ".new";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(m_bytes.data()), static_cast<std::streamsize>(m_bytes.size()));
        out.flush();
        if (!out) {
            std::remove(temporary.c_str());
            error = "cannot write " + temporary;
            return false;
        }
    }
    if (std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        error = "cannot replace " + path;
        return false;
    }
    return true;
}

} // namespace sim
