#include "seams/string_table.h"

#include "resources/string_ids.h"

#include <cstdarg>
#include <cstdio>
#include <vector>

namespace {

struct StringRow {
    int id;
    const char* text;
};

const StringRow kStringTable[] = {
#include "resources/string_table.inc"
};

} // namespace

std::string LoadString(int id)
{
    for (const StringRow& row : kStringTable) {
        if (row.id == id)
            return row.text;
    }
    return std::string();
}

std::string FormatString(int id, ...)
{
    const std::string format = LoadString(id);
    va_list args;
    va_start(args, id);
    va_list probe;
    va_copy(probe, args);
    const int needed = std::vsnprintf(nullptr, 0, format.c_str(), probe);
    va_end(probe);
    std::string result;
    if (needed > 0) {
        std::vector<char> buffer(static_cast<size_t>(needed) + 1);
        std::vsnprintf(buffer.data(), buffer.size(), format.c_str(), args);
        result.assign(buffer.data(), static_cast<size_t>(needed));
    }
    va_end(args);
    return result;
}
