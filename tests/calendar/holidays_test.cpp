#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <iterator>
#include <string>

#include "calendar/calendar.h"

namespace {

const Calendar cal;

// The name found, checking that the result is 1 exactly when there is one.
std::string Find(const Calendar& calendar, bool holiday, unsigned d, unsigned m, unsigned y)
{
    char name[256];
    std::memset(name, 'x', sizeof name);
    const int found = holiday ? calendar.FindHoliday(d, m, y, name) : calendar.FindSpecialDay(d, m, y, name);
    EXPECT_EQ(found, name[0] != '\0' ? 1 : 0);
    return name;
}

// Day of year on which an expression matches, 0 when none of the year's days.
int MatchedDay(const char* expression, int year, const char** name = nullptr)
{
    int found = 0;
    for (int n = 1; n <= (cal.IsLeapYear(year) ? 366 : 365); ++n) {
        if (const char* p = cal.MatchDayExpression(expression, year, n)) {
            EXPECT_EQ(found, 0) << expression << " matches twice in " << year;
            found = n;
            if (name)
                *name = p;
        }
    }
    return found;
}

} // namespace

// The built-in tables, a state's table in place of the built-in one, and the
// own days after either, one with a year in that year only.
TEST(Holidays, TablesStatesAndOwnDays)
{
    const struct {
        const char* state;
        unsigned d, m, y;
        const char *holiday, *special;
    } cases[] = {
        {"", 24, 12, 2006, "", "Heiligabend"}, // not 4. Advent
        {"", 18, 12, 2005, "", "4. Advent"},   // 25 December 2005 is a Sunday
        {"", 4, 5, 2008, "", "Muttertag"},     // a week early: 11 May 2008 is Whit Sunday
        {"", 32, 12, 2002, "Neujahr", ""},     // looked up as 1 January 2003
        {"", 0, 3, 2008, "", ""},              // 29 February 2008
        {"", 4, 2, 2008, "Rosenmontag", "Rosenmontag"},
        {"", 12, 6, 2027, "Betriebsausflug", ""},
        {"", 12, 6, 2028, "", ""},
        {"BE", 8, 3, 2019, "Internationaler Frauentag", ""},
        {"HH", 31, 10, 2016, "Weltspartag", ""},
        {"HH", 31, 10, 2017, "Reformationstag", ""},
    };
    HolidayRules rules;
    const char* const own[] = {"ostersonntag-48 :Rosenmontag", " 12.06.2027+0 :Betriebsausflug", "31.10 :Weltspartag"};
    for (std::size_t i = 0; i < std::size(own); ++i)
        std::snprintf(rules.ownDays[i], OWN_DAY_SIZE, "%s", own[i]);
    for (const auto& c : cases) {
        SCOPED_TRACE(::testing::Message() << c.state << " " << c.d << "." << c.m << "." << c.y);
        std::snprintf(rules.state, sizeof rules.state, "%s", c.state);
        const Calendar calendar(rules);
        EXPECT_EQ(Find(calendar, true, c.d, c.m, c.y), c.holiday);
        EXPECT_EQ(Find(calendar, false, c.d, c.m, c.y), c.special);
    }
    // A calendar without rules: the built-in table, and no day beside it.
    EXPECT_EQ(Find(cal, true, 1, 1, 2008), "Neujahr");
    EXPECT_EQ(Find(cal, true, 2, 1, 2008), "");
}

TEST(DayExpression, Grammar)
{
    // {expression, year, day, month} - day 0: no day of the year matches.
    const struct {
        const char* expression;
        int year;
        int d, m;
    } cases[] = {
        {"01.05 :x", 2002, 1, 5},       {"  \t1.5  \t:x", 2002, 1, 5},
        {"\x01\x1F 1.5:x", 2002, 1, 5}, {"24.12 :Heilig: Abend", 2002, 24, 12}, // the name starts after the first colon
        {"01.05\t-\t2:x", 2002, 29, 4},                                         // a tab is a blank
        {"01.05+:x", 2002, 1, 5},                                               // empty number is 0
        {"01.05 + mi :x", 2002, 1, 5},                                          // 1 May 2002 is a Wednesday: stays
        {"01.05 + do :x", 2002, 2, 5},  {"ostersonntag-so:x", 2008, 16, 3},     // a full week back
        {"31.01+29:x", 2004, 29, 2},    {"00031.0000001:x", 2002, 31, 1},
        {"15 :x", 2002, 0, 0},                                          // no dot
        {"01.05 x", 2002, 0, 0},                                        // no colon
        {"\xA0 1.5:x", 2002, 0, 0},                                     // not a blank
        {";01.05:x", 2002, 0, 0},       {"Ostersonntag:x", 2008, 0, 0}, // keywords are lower case
        {"01.05 + Mo :x", 2002, 0, 0},  {"01.05 * 2 :x", 2002, 0, 0},
        {"01.01-1:x", 2002, 0, 0}, // never the neighbouring year
        {"31.12+1:x", 2002, 0, 0},
    };
    for (const auto& c : cases) {
        const char* name = nullptr;
        const int day = MatchedDay(c.expression, c.year, &name);
        EXPECT_EQ(day, c.d ? cal.DayOfYear(c.year, c.m, c.d) : 0) << "\"" << c.expression << "\" " << c.year;
        if (day) {
            EXPECT_EQ(name, std::strchr(c.expression, ':') + 1) << c.expression;
        }
    }
}
