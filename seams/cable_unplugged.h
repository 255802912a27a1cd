// Whether the cable went away during the running operation: the serial port
// notes it when its device vanishes, the operation's course forgets it when the
// next operation begins, and the front ends add a line saying so after what the
// operation itself said. One note per thread, since loops on several ports run
// an operation on each of their threads.
#pragma once

void NoteCableUnplugged();
void ForgetCableUnplugged();
bool CableUnplugged();
// True once after the cable went: a window's user is told with the first box
// after the pull, not again with each box that follows from it.
bool FirstToSayCableUnplugged();
