// The CSV files the tool writes (the fleet's report, the service history's
// export) quote their fields one way.
#pragma once

#include <string>

// One field as RFC 4180 wants it: quoted (quotes doubled) when it holds a
// comma, a quote or a line break; after an apostrophe when it starts with
// '=', '+', '-', '@', a tab or a carriage return, so that no spreadsheet
// evaluates it.
std::string CsvField(const std::string& text);
