#include "tests/ui/current_period.h"

#include <windows.h>

#include <cstdio>

namespace {

const char* const MONTH_NAMES[12] = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                                     "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

} // namespace

std::string DateText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%u", date.day, date.month, date.year);
    return text;
}

int MinutesNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 60 + now.wMinute;
}

CurrentPeriod PeriodOfToday(unsigned startDay)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    CurrentPeriod period{{now.wDay, now.wMonth, now.wYear}, now.wMonth, now.wYear, startDay};
    if (startDay > 1 && now.wDay < startDay) {
        period.month = now.wMonth == 1 ? 12 : now.wMonth - 1u;
        period.year = now.wMonth == 1 ? now.wYear - 1u : now.wYear;
    }
    return period;
}

std::string CurrentPeriod::FileName() const
{
    char name[32];
    if (startDay == 1)
        std::snprintf(name, sizeof name, "%02u%u.SW", month, year);
    else
        std::snprintf(name, sizeof name, "%02u%u_%u.SW", month, year, startDay);
    return name;
}

std::string CurrentPeriod::FirstDayText() const
{
    return DateText({startDay, month, year});
}

std::string CurrentPeriod::MonthAndYear() const
{
    return std::string(MONTH_NAMES[month - 1]) + " " + std::to_string(year);
}
