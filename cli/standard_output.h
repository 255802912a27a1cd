// Whether standard output took everything the command gave it. A full disk or
// a closed pipe shows only when the buffered text is written out, and stdio
// forgets why once it has dropped that text: the reason is kept at each flush.
#pragma once

#include <cstdio>

// Gives standard output, when it is no terminal, a buffer that holds any
// ordinary command's whole output: it is then written (and fails) in one go,
// while the reason is still known. Before anything is printed.
void BufferStandardOutput();

// Flushes `out`; when that fails on standard output, remembers why.
bool FlushOutput(std::FILE* out);

// Remembers why standard output failed, for a writer that found it itself.
void NoteOutputFailure(int error);

// Flushes and closes standard output after the command. False, after saying
// why on standard error, when anything written to it was lost.
bool CloseStandardOutput();
