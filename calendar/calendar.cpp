#include "calendar/calendar.h"

#include <cstdint>

namespace {

// Computation is done in 64 bits so that nonsense arguments from damaged files
// cannot overflow; results of sensible arguments are the 32-bit ones.
std::int64_t Mod7(std::int64_t value)
{
    std::int64_t r = value % 7;
    return r < 0 ? r + 7 : r;
}

const std::uint32_t MonthLengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};

} // namespace

int Calendar::IsLeapYear(std::int32_t year) const
{
    if (year % 4 == 0 && year % 100 != 0)
        return 1;
    return year % 400 == 0 ? 1 : 0;
}

std::int32_t Calendar::DayOfYear(std::int32_t year, std::int32_t month, std::int32_t day) const
{
    const std::int64_t k = (static_cast<std::int64_t>(month) + 10) / 13;
    const std::int64_t leap = IsLeapYear(year);
    return static_cast<std::int32_t>((static_cast<std::int64_t>(month) + 2) * 611 / 20 + day - 2 * k - 91 + k * leap);
}

int Calendar::WeekdayOfDayOfYear(std::int32_t year, std::int32_t dayOfYear) const
{
    return WeekdayOfDay(year, dayOfYear);
}

int WeekdayOfDay(std::int64_t year, std::int64_t dayOfYear)
{
    const std::int64_t p = year - 1;
    const std::int64_t c = p / 100;
    const std::int64_t r = p % 100;
    return static_cast<int>(Mod7(r + dayOfYear + 28 + r / 4 + c / 4 + 5 * c));
}

std::int32_t Calendar::EasterSunday(std::int32_t year) const
{
    const std::int64_t y = year;
    const std::int64_t g = y % 19 + 1;
    const std::int64_t c = y / 100 + 1;
    const std::int64_t x = 3 * c / 4 - 12;
    const std::int64_t z = (8 * c + 5) / 25 - 5;
    const std::int64_t d = 5 * y / 4 - x - 10;
    std::int64_t e = (11 * g + 20 + z - x) % 30;
    if (e < 0)
        e += 30;
    if ((e == 25 && g > 11) || e == 24)
        ++e;
    std::int64_t n = 44 - e;
    if (n < 21)
        n += 30;
    n = n + 7 - Mod7(d + n);
    return static_cast<std::int32_t>(59 + IsLeapYear(year) + n);
}

std::int32_t Calendar::ToJulianDay(std::int32_t year, std::int32_t month, std::int32_t day) const
{
    std::int64_t m = month;
    std::int64_t y = year;
    if (m > 2) {
        m -= 3;
    } else {
        m += 9;
        y -= 1;
    }
    return static_cast<std::int32_t>((y / 100) * 146097 / 4 + (y % 100) * 1461 / 4 + (153 * m + 2) / 5 + day + 1721119);
}

void Calendar::FromJulianDay(std::int32_t julianDay, std::uint32_t& year, std::uint32_t& month,
                             std::uint32_t& day) const
{
    std::int64_t t = 4 * (static_cast<std::int64_t>(julianDay) - 1721119) - 1;
    std::int64_t y = t / 146097;
    std::int64_t d = (t % 146097) / 4;
    t = 4 * d + 3;
    const std::int64_t j = t / 1461;
    d = (t % 1461 + 4) / 4;
    t = 5 * d - 3;
    std::int64_t m = t / 153;
    d = (t % 153 + 5) / 5;
    y = 100 * y + j;
    if (m < 10) {
        m += 3;
    } else {
        m -= 9;
        y += 1;
    }
    year = static_cast<std::uint32_t>(y);
    month = static_cast<std::uint32_t>(m);
    day = static_cast<std::uint32_t>(d);
}

int Calendar::IsValidDate(std::uint32_t day, std::uint32_t month, std::uint32_t year) const
{
    if (month < 1 || month > 12 || day < 1)
        return 0;
    std::uint32_t length = MonthLengths[month - 1];
    if (month == 2 && IsLeapYear(static_cast<std::int32_t>(year)))
        length = 29;
    return day <= length ? 1 : 0;
}

int Calendar::Weekday(std::uint32_t day, std::uint32_t month, std::uint32_t year) const
{
    const auto y = static_cast<std::int32_t>(year);
    return WeekdayOfDayOfYear(y, DayOfYear(y, static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)));
}
