// The option board's 64 KiB memory as the simulator keeps it.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace sim {

constexpr size_t BOARD_MEMORY_SIZE = 0x10000;

// Where the board keeps what the service tool reads.
constexpr uint16_t MEM_TYPE = 0x0000;      // 48 bytes
constexpr uint16_t MEM_HARDWARE = 0x0030;  // 16 bytes
constexpr uint16_t MEM_SOFTWARE = 0x0040;  // 16 bytes
constexpr uint16_t MEM_CODEPLUG = 0x0050;  // 16 bytes
constexpr uint16_t MEM_REMARKS = 0x0100;   // 256 bytes
constexpr uint16_t MEM_SETTINGS = 0x1000;  // 24 bytes
constexpr uint16_t MEM_CALIBRATION = 0x2000; // to the end of memory

struct BoardIdentity {
    std::string type = "Vigilon";
    std::string hardware = "HW 2.1";
    std::string software = "FW 1.04.2";
    std::string codeplug = "01.00";
    std::string remarks = "Simulated man down board.\r\nAccelerometer: 3-axis, factory calibrated.";
};

class BoardMemory {
public:
    using Image = std::array<uint8_t, BOARD_MEMORY_SIZE>;

    BoardMemory();
    // Fills the memory with a factory-fresh board: identity texts, the default
    // settings image and the calibration pattern.
    void LoadDefaults(const BoardIdentity& identity);
    // Writes a text into an area, zero-filled to the area's size (cut to it).
    void PutText(uint16_t address, size_t areaSize, const std::string& text);
    // Reads a file of exactly 65536 bytes; false with a reason otherwise.
    bool LoadState(const std::string& path, std::string& error);
    // Writes the memory to a file, replacing it only when completely written.
    bool SaveState(const std::string& path, std::string& error) const;

    uint8_t At(size_t address) const { return m_bytes[address % BOARD_MEMORY_SIZE]; }
    void Put(size_t address, uint8_t value) { m_bytes[address % BOARD_MEMORY_SIZE] = value; }
    const Image& Bytes() const { return m_bytes; }

    // The calibration byte the factory pattern puts at an address.
    static uint8_t CalibrationPattern(size_t address);

private:
    Image m_bytes;
};

} // namespace sim
