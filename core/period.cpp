#include "core/period.h"

#include <cstdio>
#include <cstring>

#include "core/settings.h"

#ifdef _WIN32
constexpr char PATH_SEPARATOR = '\\';
#else
constexpr char PATH_SEPARATOR = '/';
#endif

unsigned EffectiveStartDay(const Settings& settings)
{
    return settings.StartDay >= 1 && settings.StartDay <= 31 ? settings.StartDay : 1;
}

namespace {

unsigned Normalised(unsigned startDay)
{
    return startDay >= 1 && startDay <= 31 ? startDay : 1;
}

// Position of day in period order, 0..30.
int PeriodIndex(unsigned startDay, unsigned day)
{
    return static_cast<int>((day + 31 - startDay) % 31);
}

} // namespace

PeriodDays PeriodDays::All(unsigned startDay)
{
    return From(startDay, Normalised(startDay));
}

PeriodDays PeriodDays::From(unsigned startDay, unsigned day)
{
    PeriodDays days;
    startDay = Normalised(startDay);
    if (day < 1 || day > 31)
        return days;
    for (int i = PeriodIndex(startDay, day); i < 31; ++i)
        days.days_[days.count_++] = (startDay - 1 + static_cast<unsigned>(i)) % 31 + 1;
    return days;
}

PeriodDays PeriodDays::Before(unsigned startDay, unsigned day)
{
    PeriodDays days;
    startDay = Normalised(startDay);
    const int stop = day >= 1 && day <= 31 ? PeriodIndex(startDay, day) : 0;
    for (int i = 0; i < stop; ++i)
        days.days_[days.count_++] = (startDay - 1 + static_cast<unsigned>(i)) % 31 + 1;
    return days;
}

void DateOfPeriodDay(unsigned startDay, unsigned day, unsigned month, unsigned year, unsigned& outMonth,
                     unsigned& outYear)
{
    outMonth = month;
    outYear = year;
    if (day < Normalised(startDay)) {
        ++outMonth;
        if (outMonth > 12) {
            outMonth = 1;
            ++outYear;
        }
    }
}

void PeriodOfDate(unsigned startDay, unsigned day, unsigned month, unsigned year, unsigned& periodMonth,
                  unsigned& periodYear)
{
    periodMonth = month;
    periodYear = year;
    if (day < Normalised(startDay)) {
        if (periodMonth <= 1) {
            periodMonth = 12;
            --periodYear;
        } else {
            --periodMonth;
        }
    }
}

std::string MonthPlanFileName(const Settings& settings, unsigned month, unsigned year)
{
    std::string name(settings.WorkingDir, strnlen(settings.WorkingDir, sizeof settings.WorkingDir));
    if (!name.empty() && name.back() != '\\' && name.back() != '/')
        name += PATH_SEPARATOR;
    char file[64];
    const unsigned startDay = EffectiveStartDay(settings);
    if (startDay == 1)
        std::snprintf(file, sizeof file, "%02u%u.SW", month, year);
    else
        std::snprintf(file, sizeof file, "%02u%u_%u.SW", month, year, startDay);
    return name + file;
}
