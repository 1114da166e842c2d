#include "cli/holidays_command.h"

#include <cstdio>
#include <ostream>

#include "calendar/calendar.h"
#include "cli/text_output.h"

namespace {

bool ParseYear(const char* text, unsigned& year)
{
    if (text == nullptr || *text == '\0')
        return false;
    unsigned value = 0;
    for (const char* p = text; *p; ++p) {
        if (*p < '0' || *p > '9' || value > 9999)
            return false;
        value = value * 10 + static_cast<unsigned>(*p - '0');
    }
    if (value < 1 || value > 9999)
        return false;
    year = value;
    return true;
}

} // namespace

bool ParseHolidaysYear(const char* yearText, unsigned& year, std::ostream& err)
{
    if (ParseYear(yearText, year))
        return true;
    err << "stundwerk-cli holidays: das Jahr muss eine ganze Zahl von 1 bis 9999 sein, nicht \""
        << (yearText ? yearText : "") << "\".\n";
    return false;
}

void PrintHolidays(unsigned year, const HolidayRules& rules, std::ostream& out)
{
    const Calendar calendar(rules);
    char name[256];
    for (unsigned month = 1; month <= 12; ++month) {
        for (unsigned day = 1; calendar.IsValidDate(day, month, year); ++day) {
            char kind = 0;
            if (calendar.FindHoliday(day, month, year, name))
                kind = 'H';
            else if (calendar.FindSpecialDay(day, month, year, name))
                kind = 'S';
            if (kind == 0)
                continue;
            char date[32];
            std::snprintf(date, sizeof date, "%02u.%02u.%04u", day, month, year);
            out << date << '\t' << kind << '\t' << Cp1252ToUtf8(name) << '\n';
        }
    }
}
