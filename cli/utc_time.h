// Times for programs to read: ISO 8601 in UTC, whatever the time zone and locale.
#pragma once

#include <string>

// A local wall-clock time "2026-12-08 10:15:02" (as backups are named) as
// "2026-12-08T09:15:02Z" in Central European winter time; empty when the text is
// no such time. A local time that occurs twice (the hour the clocks go back) is
// taken as the one the system's calendar chooses.
std::string LocalTimeAsUtc(const std::string& local);
