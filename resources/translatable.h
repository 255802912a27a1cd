// Marks a text of the tables for the translators' tools, which read it from the
// sources with its context (the table it belongs to). In the program the text
// stays the English it is; the front ends look up its translation when they show it.
#pragma once

#ifndef QT_TRANSLATE_NOOP
#define QT_TRANSLATE_NOOP(context, text) text
#endif
