#include "cli/utc_time.h"

#include <cstdio>
#include <ctime>

std::string LocalTimeAsUtc(const std::string& local)
{
    std::tm tm{};
    char end = 0;
    if (std::sscanf(local.c_str(), "%4d-%2d-%2d %2d:%2d:%2d%c", &tm.tm_year, &tm.tm_mon, &tm.tm_mday, &tm.tm_hour,
                    &tm.tm_min, &tm.tm_sec, &end)
        != 6)
        return std::string();
    tm.tm_year -= 1900;
    tm.tm_mon -= 1;
    tm.tm_isdst = -1; // the calendar knows whether summer time was in force
    const std::time_t when = std::mktime(&tm);
    if (when == static_cast<std::time_t>(-1))
        return std::string();
    std::tm utc{};
#ifdef _WIN32
    if (gmtime_s(&utc, &when) != 0)
        return std::string();
#else
    if (!gmtime_r(&when, &utc))
        return std::string();
#endif
    char text[32] = {};
    std::strftime(text, sizeof(text), "%Y-%m-%dT%H:%M:%SZ", &utc);
    return text;
}
