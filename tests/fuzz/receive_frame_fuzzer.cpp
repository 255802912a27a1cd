// The receive state machine on arbitrary bytes from the radio: every outcome is
// one of the link statuses, nothing is read or written out of bounds.
#include "link/radio_link.h"
#include "link/serial_port.h"
#include "tests/fuzz/fuzz_support.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Setup();
    fuzz::SetInput(data, size);
    CSerialPort port{ theRadioLink.Context() };
    port.Open("fuzz");
    theRadioLink.m_pPort = &port;
    // Receive frames until the input runs dry, as the link does after an echo.
    for (int frame = 0; frame < 8; ++frame) {
        uint8_t opcode = 0;
        uint8_t buffer[RX_DATA_SIZE];
        int length = -1;
        const int status = theRadioLink.ReceiveFrame(opcode, buffer, sizeof(buffer), &length, 1000,
                                                     IDS_NO_RESPONSE_RADIO);
        switch (status) {
        case LINK_OK:
            if (length < 0 || length > static_cast<int>(RX_DATA_SIZE))
                std::abort();
            break;
        case LINK_NO_RESPONSE:
        case LINK_INCOMPLETE:
        case LINK_TOO_LONG:
        case LINK_CHECKSUM_ERROR:
            break;
        default:
            std::abort();
        }
        if (status == LINK_NO_RESPONSE)
            break;
    }
    theRadioLink.m_pPort = nullptr;
    return 0;
}
