#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "calendar/calendar.h"

namespace {

const Calendar cal;

struct Found {
    std::string holiday;
    std::string special;
};

Found Lookup(unsigned d, unsigned m, unsigned y)
{
    Found f;
    char name[256];
    std::memset(name, 'x', sizeof name);
    const int h = cal.FindHoliday(d, m, y, name);
    EXPECT_EQ(h, name[0] != '\0' ? 1 : 0);
    f.holiday = name;
    std::memset(name, 'x', sizeof name);
    const int s = cal.FindSpecialDay(d, m, y, name);
    EXPECT_EQ(s, name[0] != '\0' ? 1 : 0);
    f.special = name;
    return f;
}

// Day of year on which an expression matches, 0 when none of the year's days.
int MatchedDay(const char* expression, int year, const char** name = nullptr)
{
    const int days = cal.IsLeapYear(year) ? 366 : 365;
    int found = 0;
    for (int n = 1; n <= days; ++n) {
        if (const char* p = cal.MatchDayExpression(expression, year, n)) {
            EXPECT_EQ(found, 0) << expression << " matches twice in " << year;
            found = n;
            if (name)
                *name = p;
        }
    }
    return found;
}

// Expected names by day of year, built from rules stated independently of the
// table texts; the earlier row of a table wins.
struct YearOracle {
    std::map<int, std::string> holidays, specials;

    explicit YearOracle(int y)
    {
        const int easter = cal.EasterSunday(y);
        auto doy = [&](int d, int m) { return cal.DayOfYear(y, m, d); };
        auto wd = [&](int n) { return (cal.Weekday(1, 1, y) + n - 1) % 7; };
        // Last Sunday strictly before day n.
        auto sundayBefore = [&](int n) { return n - (wd(n) == 0 ? 7 : wd(n)); };
        const std::pair<int, const char*> h[] = {
            {doy(1, 1), "Neujahr"},
            {doy(6, 1), "Heilige Drei Könige"},
            {doy(1, 5), "Maifeiertag"},
            {doy(15, 8), "Maria Himmelfahrt"},
            {doy(3, 10), "Tag der Einheit"},
            {doy(1, 11), "Allerheiligen"},
            {doy(25, 12), "1. Weihnachtstag"},
            {doy(26, 12), "2. Weihnachtstag"},
            {easter - 2, "Karfreitag"},
            {easter, "Ostersonntag"},
            {easter + 1, "Ostermontag"},
            {easter + 39, "Christi Himmelfahrt"},
            {easter + 49, "Pfingstsonntag"},
            {easter + 50, "Pfingstmontag"},
            {easter + 60, "Fronleichnam"},
        };
        for (const auto& e : h)
            holidays.emplace(e.first, e.second);
        const int advent4 = sundayBefore(doy(25, 12));
        int mothersDay = doy(1, 5) + (7 - wd(doy(1, 5))) % 7 + 7;
        if (mothersDay == easter + 49)
            mothersDay -= 7;
        const std::pair<int, const char*> s[] = {
            {doy(6, 12), "Nikolaus"},
            {doy(24, 12), "Heiligabend"},
            {doy(31, 12), "Silvester"},
            {advent4, "4. Advent"},
            {advent4 - 7, "3. Advent"},
            {advent4 - 14, "2. Advent"},
            {advent4 - 21, "1. Advent"},
            {advent4 - 28, "Totensonntag"},
            {advent4 - 32, "Buß- und Bettag"},
            {advent4 - 35, "Volkstrauertag"},
            {sundayBefore(doy(1, 11)), "Beginn der Winterzeit"},
            {sundayBefore(doy(1, 4)), "Beginn der Sommerzeit"},
            {easter - 3, "Gründonnerstag"},
            {easter - 48, "Rosenmontag"},
            {easter - 46, "Aschermittwoch"},
            {mothersDay, "Muttertag"},
        };
        for (const auto& e : s)
            specials.emplace(e.first, e.second);
    }
};

} // namespace

TEST(Holidays, TablesAreWellFormed)
{
    const char* const* tables[] = {HolidayTable, SpecialDayTable};
    const int counts[] = {HOLIDAY_COUNT, SPECIAL_DAY_COUNT};
    for (int t = 0; t < 2; ++t) {
        for (int i = 0; i < counts[t]; ++i) {
            const char* e = tables[t][i];
            EXPECT_LT(std::strlen(e), 50u) << e;
            EXPECT_EQ(e[16], ':') << e;
            EXPECT_LE(std::strlen(e + 17), 21u) << e;
        }
    }
}

TEST(Holidays, DocumentedDates)
{
    const struct {
        unsigned d, m, y;
        const char* holiday;
        const char* special;
    } cases[] = {
        {1, 5, 2008, "Maifeiertag", ""}, // Ascension falls on 1 May
        {23, 3, 2008, "Ostersonntag", ""},
        {4, 5, 2008, "", "Muttertag"}, // 11 May is Whit Sunday
        {11, 5, 2008, "Pfingstsonntag", ""},
        {12, 5, 2002, "", "Muttertag"},
        {24, 12, 2006, "", "Heiligabend"}, // not 4. Advent
        {17, 12, 2006, "", "3. Advent"},
        {10, 12, 2006, "", "2. Advent"},
        {3, 12, 2006, "", "1. Advent"},
        {18, 12, 2005, "", "4. Advent"}, // 25 December 2005 is a Sunday
        {25, 12, 2005, "1. Weihnachtstag", ""},
        {19, 11, 2008, "", "Buß- und Bettag"},
        {30, 3, 2008, "", "Beginn der Sommerzeit"},
        {26, 10, 2008, "", "Beginn der Winterzeit"},
        {6, 12, 2009, "", "Nikolaus"}, // a Sunday, also 2. Advent
        {32, 12, 2002, "Neujahr", ""}, // looked up as 1 January 2003
        {0, 3, 2008, "", ""},          // 29 February 2008
        {2, 7, 2008, "", ""},
        {6, 1, 2008, "Heilige Drei Könige", ""},
    };
    for (const auto& c : cases) {
        const Found f = Lookup(c.d, c.m, c.y);
        EXPECT_EQ(f.holiday, c.holiday) << c.d << "." << c.m << "." << c.y;
        EXPECT_EQ(f.special, c.special) << c.d << "." << c.m << "." << c.y;
    }
    // 4. Advent is not reported on any other day of 2006.
    EXPECT_EQ(MatchedDay(SpecialDayTable[3], 2006), cal.DayOfYear(2006, 12, 24));
    EXPECT_EQ(Lookup(24, 12, 2006).special, "Heiligabend");
}

// Every day of every year from 1583 to 2400 against the independent rules.
TEST(Holidays, EveryDayMatchesRules)
{
    for (int y = 1583; y <= 2400; ++y) {
        const YearOracle oracle(y);
        int n = 0;
        for (unsigned m = 1; m <= 12; ++m) {
            for (unsigned d = 1; cal.IsValidDate(d, m, y); ++d) {
                ++n;
                const Found f = Lookup(d, m, y);
                const auto h = oracle.holidays.find(n);
                const auto s = oracle.specials.find(n);
                ASSERT_EQ(f.holiday, h == oracle.holidays.end() ? "" : h->second) << d << "." << m << "." << y;
                ASSERT_EQ(f.special, s == oracle.specials.end() ? "" : s->second) << d << "." << m << "." << y;
                if (f.special == "Buß- und Bettag") {
                    ASSERT_EQ(cal.Weekday(d, m, y), 3);
                    ASSERT_TRUE(m == 11 && d >= 16 && d <= 22) << y;
                }
                if (f.special == "Muttertag") {
                    ASSERT_TRUE(m == 5 && d <= 14 && cal.Weekday(d, m, y) == 0) << y;
                }
            }
        }
    }
}

TEST(DayExpression, Grammar)
{
    // {expression, year, day, month} - day 0: no day of the year matches.
    const struct {
        const char* expression;
        int year;
        int d, m;
    } cases[] = {
        {"01.05 :x", 2002, 1, 5},
        {"1.5:x", 2002, 1, 5},
        {"  \t1.5  \t:x", 2002, 1, 5},
        {"\x01\x1F"
         "1.5:x",
         2002, 1, 5},
        {"01.05 + 2 :x", 2002, 3, 5},
        {"01.05\t-\t2:x", 2002, 29, 4},
        {"01.05+1-1+1:x", 2002, 2, 5},
        {"01.05+:x", 2002, 1, 5},      // empty number is 0
        {"01.05 + mi :x", 2002, 1, 5}, // 1 May 2002 is a Wednesday: stays
        {"01.05 + do :x", 2002, 2, 5},
        {"01.05 + di :x", 2002, 7, 5},
        {"01.05 - mi :x", 2002, 24, 4}, // a full week back
        {"01.05 - di :x", 2002, 30, 4},
        {"ostersonntag+so:x", 2008, 23, 3},
        {"ostersonntag-so:x", 2008, 16, 3},
        {"ostersonntag + 1:x", 2008, 24, 3},
        {"muttertag:x", 2008, 4, 5},
        {"muttertag:x", 2002, 12, 5},
        {"25.12 -so-32 :x", 2008, 19, 11},
        {"31.01+29:x", 2004, 29, 2},
        {"00031.0000001:x", 2002, 31, 1},
        {"15 :x", 2002, 0, 0},   // no dot
        {"01.05 x", 2002, 0, 0}, // no colon
        {"01.05", 2002, 0, 0},
        {"", 2002, 0, 0},
        {"   ", 2002, 0, 0},
        {";01.05:x", 2002, 0, 0},
        {"  ;01.05:x", 2002, 0, 0},
        {":x", 2002, 0, 0},
        {"Ostersonntag:x", 2008, 0, 0}, // keywords are lower case
        {"01.05 + Mo :x", 2002, 0, 0},
        {"01.05 + xx :x", 2002, 0, 0},
        {"01.05 * 2 :x", 2002, 0, 0},
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
    const char* const withName = "24.12 :Heilig: Abend";
    EXPECT_EQ(cal.MatchDayExpression(withName, 2002, cal.DayOfYear(2002, 12, 24)), withName + 7);
}

TEST(DayExpression, Scanners)
{
    const struct {
        const char* text;
        int advance;
    } blanks[] = {
        {"", 0}, {"a", 0}, {" \t\x01\x20x", 4}, {"\xA0x", 0}, {"\x21", 0}, {"   ", 3},
    };
    for (const auto& c : blanks) {
        const char* p = c.text;
        Calendar::SkipBlanks(p);
        EXPECT_EQ(p - c.text, c.advance) << c.text;
    }
    const struct {
        const char* text;
        std::int32_t value;
        int advance;
    } numbers[] = {
        {"", 0, 0}, {"x1", 0, 0}, {"7", 7, 1}, {"0042x", 42, 4}, {"12.05", 12, 2}, {" 5", 0, 0}, {"-5", 0, 0},
    };
    for (const auto& c : numbers) {
        const char* p = c.text;
        EXPECT_EQ(Calendar::ParseNumber(p), c.value) << c.text;
        EXPECT_EQ(p - c.text, c.advance) << c.text;
    }
    const struct {
        const char* text;
        int weekday;
    } weekdays[] = {
        {"so", 0},      {"mo", 1},  {"di", 2}, {"mi", 3}, {"do", 4},   {"fr", 5},  {"sa", 6},
        {"sonntag", 0}, {"Mo", -1}, {"s", -1}, {"", -1},  {" so", -1}, {"xx", -1}, {"mx", -1},
    };
    for (const auto& c : weekdays) {
        const char* p = c.text;
        EXPECT_EQ(Calendar::ParseWeekday(p), c.weekday) << c.text;
        EXPECT_EQ(p - c.text, c.weekday >= 0 ? 2 : 0) << c.text;
    }
}

// Generated expressions in exact-size buffers: the evaluator stays inside the
// text, and a match always points just past a colon.
TEST(DayExpression, GeneratedTextsStayInBounds)
{
    static const char* const pieces[] = {
        "ostersonntag", "muttertag", "25.12", "1.",          ".", "+", "-", " ",    "\t", "so",
        "sa",           "mi",        "7",     "99999999999", ":", ";", "x", "\xE4", ""};
    const int pieceCount = static_cast<int>(sizeof pieces / sizeof pieces[0]);
    std::mt19937 rng(20020305u);
    for (int i = 0; i < 50000; ++i) {
        std::string text;
        const unsigned parts = rng() % 8;
        for (unsigned k = 0; k < parts; ++k)
            text += pieces[rng() % pieceCount];
        const std::unique_ptr<char[]> buffer(new char[text.size() + 1]);
        std::memcpy(buffer.get(), text.c_str(), text.size() + 1);
        const int year = 1 + static_cast<int>(rng() % 9999);
        const int n = static_cast<int>(rng() % 370);
        if (const char* name = cal.MatchDayExpression(buffer.get(), year, n)) {
            ASSERT_GT(name, buffer.get());
            ASSERT_LE(name, buffer.get() + text.size());
            ASSERT_EQ(name[-1], ':') << text;
        }
    }
}
