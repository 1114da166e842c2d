#include <cctype>
#include <cstring>

#include "calendar/holiday_rules.h"

// "DD.MM.YYYY" at the start: the year is cut out of the expression.
OwnDay SplitOwnDay(const char* text)
{
    OwnDay day{};
    std::strncpy(day.expression, text, OWN_DAY_SIZE - 1);
    const char* p = text;
    while (*p == ' ' || *p == '\t')
        ++p;
    const char* firstDot = p;
    while (std::isdigit(static_cast<unsigned char>(*firstDot)))
        ++firstDot;
    if (firstDot == p || *firstDot != '.')
        return day;
    const char* secondDot = firstDot + 1;
    while (std::isdigit(static_cast<unsigned char>(*secondDot)))
        ++secondDot;
    if (secondDot == firstDot + 1 || *secondDot != '.')
        return day;
    const char* yearEnd = secondDot + 1;
    std::int32_t year = 0;
    while (std::isdigit(static_cast<unsigned char>(*yearEnd)) && year < 100000)
        year = year * 10 + (*yearEnd++ - '0');
    if (yearEnd == secondDot + 1)
        return day;
    const std::size_t head = static_cast<std::size_t>(secondDot - text);
    if (head >= OWN_DAY_SIZE)
        return day;
    std::memcpy(day.expression, text, head);
    std::strncpy(day.expression + head, yearEnd, OWN_DAY_SIZE - 1 - head);
    day.expression[OWN_DAY_SIZE - 1] = '\0';
    // No date has year 0: such a day holds in no year.
    day.year = year == 0 ? -1 : year;
    return day;
}
