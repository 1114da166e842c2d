#include <unistd.h>

#include <ctime>

#include "cli/program_path.h"
#include "core/time_values.h"

std::string ProgramPath()
{
    char path[4096];
    const ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<std::size_t>(length)) : std::string();
}

LocalTime LocalNow()
{
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    localtime_r(&now, &tm);
    LocalTime t;
    t.year = static_cast<unsigned>(tm.tm_year + 1900);
    t.month = static_cast<unsigned>(tm.tm_mon + 1);
    t.day = static_cast<unsigned>(tm.tm_mday);
    t.dayOfWeek = static_cast<unsigned>(tm.tm_wday);
    t.hour = static_cast<unsigned>(tm.tm_hour);
    t.minute = static_cast<unsigned>(tm.tm_min);
    t.second = static_cast<unsigned>(tm.tm_sec);
    return t;
}
