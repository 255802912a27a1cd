// Linked for Windows by the cross build check: proves the Windows serial port, the
// file access and the rest of the core compile and link there. Run on Windows it
// opens COM1, asks the radio for its information and saves the default settings.
#include "board/option_board_data.h"
#include "link/radio_link.h"
#include "link/serial_port.h"

#include <cstdio>

int main()
{
    CSerialPort port;
    if (!port.Open("COM1")) {
        std::printf("COM1 could not be opened\n");
        return 1;
    }
    theRadioLink.m_pPort = &port;
    char text[RADIO_INFO_TEXT_SIZE];
    int length = 0;
    const bool ok = theRadioLink.ReadRadioInfo(text, 0, length, false);
    theRadioLink.m_pPort = nullptr;
    std::printf("%s\n", ok ? text : "no answer");
    theOptionBoardData.SaveToFile("defaults.vgd");
    return ok ? 0 : 1;
}
