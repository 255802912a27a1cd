// Loading texts from the string table by id, and printf-style formatting of them.
#pragma once

#include <string>

// The text with this id, or an empty text when the table has none.
std::string LoadString(int id);

// The text with this id formatted printf-style with the given arguments.
std::string FormatString(int id, ...);
