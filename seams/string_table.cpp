#include "seams/string_table.h"

#include "resources/string_ids.h"
#include "resources/translatable.h"

#include <atomic>
#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <vector>

namespace {

struct StringRow {
    int id;
    const char* text;
};

const StringRow kStringTable[] = {
#include "resources/string_table.inc"
};

std::atomic<StringTranslator> g_translator{ nullptr };

const char* EnglishText(int id)
{
    for (const StringRow& row : kStringTable) {
        if (row.id == id)
            return row.text;
    }
    return nullptr;
}

// The printf conversions of a format, in order ("%02d" gives "d"); "%%" is none.
std::string Conversions(const std::string& format)
{
    std::string kinds;
    for (size_t at = format.find('%'); at != std::string::npos; at = format.find('%', at + 1)) {
        const size_t kind = format.find_first_not_of("0123456789.-+ #lhz", at + 1);
        if (kind == std::string::npos)
            break;
        if (format[kind] != '%')
            kinds += format.substr(at + 1, kind - at);
        at = kind;
    }
    return kinds;
}

std::string Format(const std::string& format, va_list args)
{
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
    return result;
}

} // namespace

void SetStringTranslator(StringTranslator translator)
{
    g_translator.store(translator);
}

std::string LoadEnglishString(int id)
{
    const char* text = EnglishText(id);
    return text ? text : std::string();
}

std::string LoadString(int id)
{
    const char* text = EnglishText(id);
    if (!text)
        return std::string();
    const StringTranslator translator = g_translator.load();
    return translator ? translator(text) : text;
}

std::string FormatString(int id, ...)
{
    std::string format = LoadString(id);
    // A translation whose fields differ from the English would read the wrong
    // arguments; the English is used instead.
    const std::string english = LoadEnglishString(id);
    if (format != english && Conversions(format) != Conversions(english))
        format = english;
    va_list args;
    va_start(args, id);
    std::string result = Format(format, args);
    va_end(args);
    return result;
}

int CountedTextId(long count, int oneId, int otherId)
{
    return count == 1 ? oneId : otherId;
}

std::string FormatEnglishString(int id, ...)
{
    va_list args;
    va_start(args, id);
    std::string result = Format(LoadEnglishString(id), args);
    va_end(args);
    return result;
}

std::vector<int> StringTableIds()
{
    std::vector<int> ids;
    for (const StringRow& row : kStringTable)
        ids.push_back(row.id);
    return ids;
}
