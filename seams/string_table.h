// Loading texts from the string table by id, and printf-style formatting of them.
// Texts for people come in the user's language once a front end has installed a
// translator; texts that programs read (data and text files, reports, the trace,
// listings for scripts) are always the table's own English.
#pragma once

#include <string>
#include <vector>

// The text with this id in the user's language, or an empty text when the table has none.
std::string LoadString(int id);

// The text with this id formatted printf-style with the given arguments.
std::string FormatString(int id, ...);

// Of two texts that say a number of things, the one for this number: `oneId`
// for one thing, `otherId` for any other number.
int CountedTextId(long count, int oneId, int otherId);

// The same, always in the table's English.
std::string LoadEnglishString(int id);
std::string FormatEnglishString(int id, ...);

// Puts a text of the table (context "StringTable") into the user's language; must
// be safe to call from any thread. nullptr goes back to English.
using StringTranslator = std::string (*)(const char* english);
void SetStringTranslator(StringTranslator translator);

// Every id the table has, in table order.
std::vector<int> StringTableIds();
