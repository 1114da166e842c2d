#include "core/own_day_form.h"

#include <cstdio>
#include <cstring>

#include "calendar/calendar.h"
#include "core/time_values.h"

namespace {

const char* const MALFORMED =
    "ist kein Tagesausdruck.\n\nEin eigener Tag ist ein Datum \"TT.MM\" (jedes Jahr) oder \"TT.MM.JJJJ\" (nur in "
    "diesem Jahr), \"ostersonntag\" oder \"muttertag\", je nach Bedarf mit \"+N\" oder \"-N\" Tagen oder \"+mo\" "
    "bis \"+so\" (derselbe oder nächste Wochentag) bzw. \"-mo\" bis \"-so\" (voriger Wochentag), dann ein "
    "Doppelpunkt und der Name.\n\nBeispiele: \"24.12 :Heiligabend\", \"ostersonntag-48 :Rosenmontag\", "
    "\"12.06.2027 :Betriebsausflug\".";

} // namespace

OwnDayCheck CheckOwnDay(const char* text, unsigned year)
{
    OwnDayCheck check;
    const OwnDay own = SplitOwnDay(text);
    const Calendar calendar;
    std::int64_t dayOfYear = 0;
    const std::int32_t shownYear = own.year != 0 ? own.year : static_cast<std::int32_t>(year);
    const char* name = calendar.EvaluateDayExpression(own.expression, shownYear, dayOfYear);
    if (name == nullptr) {
        check.text = std::string("\"") + text + "\" " + MALFORMED;
        return check;
    }
    Calendar::SkipBlanks(name);
    if (*name == '\0') {
        check.text = "Nach dem Doppelpunkt fehlt der Name des Tages.";
        return check;
    }
    check.valid = true;
    char shown[64];
    const std::int32_t days = calendar.IsLeapYear(shownYear) ? 366 : 365;
    if (own.year < 0 || own.year > 9999 || dayOfYear < 1 || dayOfYear > days) {
        std::snprintf(shown, sizeof shown, "fällt %ld auf keinen Tag", static_cast<long>(shownYear));
    } else {
        std::int32_t month = 1;
        while (month < 12 && calendar.DayOfYear(shownYear, month + 1, 1) <= dayOfYear)
            ++month;
        const auto day = static_cast<unsigned>(dayOfYear - calendar.DayOfYear(shownYear, month, 1) + 1);
        const int weekday = calendar.Weekday(day, static_cast<unsigned>(month), static_cast<unsigned>(shownYear));
        std::snprintf(shown, sizeof shown, "%s %02u.%02u.%04ld", WeekdayAbbreviations[weekday], day,
                      static_cast<unsigned>(month), static_cast<long>(shownYear));
    }
    check.text = shown;
    return check;
}
