// Every command on arbitrary answers from the radio and the board: the first
// input byte picks the command, the rest is everything the radio says (echo,
// acknowledgement, answer). Outcomes are link statuses and documented messages;
// no buffer is overrun, however long the answers claim to be.
#include "board/codeplug_version.h"
#include "operations/codeplug_read.h"
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>
#include <cstring>

namespace {

bool KnownStatus(int status)
{
    switch (status) {
    case LINK_OK: case LINK_NO_RESPONSE: case LINK_INCOMPLETE: case LINK_TOO_LONG: case LINK_CHECKSUM_ERROR:
    case LINK_NAK: case LINK_NOT_SUPPORTED: case LINK_UNEXPECTED:
        return true;
    default:
        return false;
    }
}

// A buffer with guard bytes behind the part the command may use.
struct Guarded {
    static constexpr size_t GUARD = 64;
    explicit Guarded(size_t usable) : size(usable), bytes(new uint8_t[usable + GUARD]) { std::memset(bytes, 0xA5, usable + GUARD); }
    ~Guarded()
    {
        for (size_t i = size; i < size + GUARD; ++i) {
            if (bytes[i] != 0xA5)
                std::abort();
        }
        delete[] bytes;
    }
    size_t size;
    uint8_t* bytes;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    if (size == 0)
        return 0;
    fuzz::Setup();
    fuzz::SetInput(data + 1, size - 1);
    CSerialPort port{ theRadioLink.Context() };
    port.Open("fuzz");
    theRadioLink.m_pPort = &port;
    theRadioLink.m_nStatus = LINK_OK;
    switch (data[0] % 9) {
    case 0: theRadioLink.ResetRadio(); break;
    case 1: {
        Guarded text(RADIO_INFO_TEXT_SIZE);
        int length = -1;
        if (theRadioLink.ReadRadioInfo(reinterpret_cast<char*>(text.bytes), 0, length, data[0] & 0x10)
            && (length < 0 || length >= RADIO_INFO_TEXT_SIZE || text.bytes[length] != 0))
            std::abort();
        break;
    }
    case 2: {
        Guarded buffer(25);
        int length = -1;
        if (theRadioLink.ReadBoard(0x1000, 24, buffer.bytes, buffer.size, &length)
            && (length < 0 || length > 24 || buffer.bytes[length] != 0))
            std::abort();
        break;
    }
    case 3: {
        Guarded buffer(17); // a 16-byte field and its zero
        theRadioLink.ReadBoard(0x0050, 16, buffer.bytes, buffer.size, nullptr);
        break;
    }
    case 4: {
        const uint8_t image[24] = {};
        theRadioLink.WriteBoard(0x1000, 24, image);
        break;
    }
    case 5: theRadioLink.IdentifyBoard(BOARD_TYPE_TEXT); break;
    case 6: theRadioLink.StartCalibration(); break;
    case 7: theRadioLink.CheckCalibration(); break;
    case 8: {
        int32_t major = 0;
        int32_t minor = 0;
        if (!ReadCodeplugVersion(theRadioLink, major, minor) && major == 1)
            std::abort(); // version 1 is supported
        break;
    }
    }
    if (!KnownStatus(theRadioLink.m_nStatus))
        std::abort();
    theRadioLink.m_pPort = nullptr;
    return 0;
}
