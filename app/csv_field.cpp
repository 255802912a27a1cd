#include "app/csv_field.h"

std::string CsvField(const std::string& given)
{
    // A spreadsheet takes a cell starting with one of these as a formula (the
    // radio's information is the radio's to choose); an apostrophe before it
    // makes the cell text, and the spreadsheet does not show the apostrophe.
    const bool formula = !given.empty() && std::string("=+-@\t\r").find(given[0]) != std::string::npos;
    const std::string text = formula ? "'" + given : given;
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}
