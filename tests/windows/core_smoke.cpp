// Linked for Windows by the cross build check: proves the Windows serial port, the
// file access and the rest of the core compile and link there. Run on Windows it
// reads the option board in the radio on COM1 and saves its settings.
#include "board/option_board_data.h"
#include "operations/read_operation.h"
#include "tests/support/bench_objects.h"

int main()
{
    if (!ReadIntoProgram(theRadioLink, "COM1", nullptr).loaded)
        return 1;
    return theOptionBoardData.SaveToFile("board.vgd") ? 0 : 1;
}
