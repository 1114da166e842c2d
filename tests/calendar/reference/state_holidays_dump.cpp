// Prints the public holidays the state tables give for every state and every
// year from FIRST_YEAR to LAST_YEAR (its two arguments), one "XX DD.MM.YYYY"
// line each, for the comparison with an independent reference.
#include <cstdio>
#include <cstdlib>

#include "calendar/calendar.h"

int main(int, char** argv)
{
    const unsigned first = static_cast<unsigned>(std::atoi(argv[1]));
    const unsigned last = static_cast<unsigned>(std::atoi(argv[2]));
    for (const State& state : States) {
        HolidayRules rules;
        std::snprintf(rules.state, sizeof rules.state, "%s", state.code);
        const Calendar calendar(rules);
        char name[256];
        for (unsigned year = first; year <= last; ++year) {
            for (unsigned month = 1; month <= 12; ++month) {
                for (unsigned day = 1; calendar.IsValidDate(day, month, year); ++day) {
                    if (calendar.FindHoliday(day, month, year, name))
                        std::printf("%s %02u.%02u.%04u\n", state.code, day, month, year);
                }
            }
        }
    }
    return 0;
}
