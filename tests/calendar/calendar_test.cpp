#include <gtest/gtest.h>

#include <cstdint>
#include <cstring>

#include "calendar/calendar.h"

namespace {

const Calendar cal;

// Independent reference: days since 1970-01-01 (H. Hinnant's days_from_civil).
std::int64_t DaysFromCivil(std::int64_t y, unsigned m, unsigned d)
{
    y -= m <= 2;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const unsigned yoe = static_cast<unsigned>(y - era * 400);
    const unsigned doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const unsigned doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + static_cast<std::int64_t>(doe) - 719468;
}

bool RefLeap(int y)
{
    return (y % 4 == 0 && y % 100 != 0) || y % 400 == 0;
}

unsigned RefMonthLength(int y, unsigned m)
{
    static const unsigned lengths[12] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return m == 2 && RefLeap(y) ? 29 : lengths[m - 1];
}

} // namespace

TEST(MonthNames, AreWindows1252AndZeroPadded)
{
    const char* const expected[12] = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                                      "Juli",   "August",  "September", "Oktober", "November", "Dezember"};
    for (int i = 0; i < 12; ++i) {
        EXPECT_STREQ(MonthNames[i], expected[i]);
        for (std::size_t k = std::strlen(MonthNames[i]); k < MONTH_NAME_SIZE; ++k)
            EXPECT_EQ(MonthNames[i][k], '\0');
    }
    // The literal "März" in this source is already Windows-1252 bytes.
    EXPECT_STREQ(MonthNames[2], "März");
    const unsigned char march[] = {0x4D, 0xE4, 0x72, 0x7A, 0x00};
    EXPECT_EQ(std::memcmp(MonthNames[2], march, sizeof march), 0);
}

TEST(Calendar, LeapYears)
{
    const struct {
        int year, leap;
    } cases[] = {
        {1900, 0}, {2000, 1}, {2002, 0}, {2004, 1}, {2100, 0}, {2400, 1}, {1600, 1}, {1, 0}, {4, 1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cal.IsLeapYear(c.year), c.leap) << c.year;
}

TEST(Calendar, IsValidDateEdges)
{
    const struct {
        unsigned d, m, y;
        int valid;
    } cases[] = {
        {29, 2, 2000, 1},       {29, 2, 2004, 1},          {29, 2, 1900, 0},          {29, 2, 2002, 0},
        {29, 2, 2100, 0},       {28, 2, 2002, 1},          {30, 2, 2000, 0},          {31, 4, 2002, 0},
        {30, 4, 2002, 1},       {31, 12, 2002, 1},         {0, 1, 2002, 0},           {0, 3, 2004, 0},
        {1, 0, 2002, 0},        {1, 13, 2002, 0},          {32, 1, 2002, 0},          {31, 1, 1, 1},
        {1, 1, 4294967295u, 1}, {4294967295u, 1, 2002, 0}, {1, 4294967295u, 2002, 0},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cal.IsValidDate(c.d, c.m, c.y), c.valid) << c.d << "." << c.m << "." << c.y;
}

TEST(Calendar, DayOfYearAndWeekdayKnownValues)
{
    EXPECT_EQ(cal.DayOfYear(2004, 12, 31), 366);
    EXPECT_EQ(cal.DayOfYear(2003, 12, 31), 365);
    EXPECT_EQ(cal.DayOfYear(2003, 3, 1), 60);
    EXPECT_EQ(cal.DayOfYear(2004, 3, 1), 61);
    EXPECT_EQ(cal.DayOfYear(2002, 2, 1), 32);
    // Days beyond the month's end count on.
    EXPECT_EQ(cal.DayOfYear(2002, 2, 31), cal.DayOfYear(2002, 3, 3));
    EXPECT_EQ(cal.DayOfYear(2002, 1, 0), 0);

    EXPECT_EQ(cal.Weekday(1, 1, 2000), 6);
    EXPECT_EQ(cal.Weekday(24, 12, 2006), 0);
    EXPECT_EQ(cal.Weekday(1, 1, 2026), 4);
    EXPECT_EQ(cal.WeekdayOfDayOfYear(2000, 1), 6);
    EXPECT_EQ(cal.WeekdayOfDayOfYear(2026, 1), 4);
}

TEST(Calendar, JulianDayKnownValuesAndOverflow)
{
    EXPECT_EQ(cal.ToJulianDay(2000, 1, 1), 2451545);
    EXPECT_EQ(cal.ToJulianDay(2002, 1, 32), cal.ToJulianDay(2002, 2, 1));

    const struct {
        int y, m, d;
        unsigned ey, em, ed;
    } normalised[] = {
        {2002, 1, 32, 2002, 2, 1},  {2004, 3, 0, 2004, 2, 29}, {2003, 3, 0, 2003, 2, 28},
        {2002, 12, 32, 2003, 1, 1}, {2002, 2, 31, 2002, 3, 3}, {2002, 1, 0, 2001, 12, 31},
    };
    for (const auto& c : normalised) {
        std::uint32_t y = 0, m = 0, d = 0;
        cal.FromJulianDay(cal.ToJulianDay(c.y, c.m, c.d), y, m, d);
        EXPECT_EQ(y, c.ey) << c.d << "." << c.m << "." << c.y;
        EXPECT_EQ(m, c.em) << c.d << "." << c.m << "." << c.y;
        EXPECT_EQ(d, c.ed) << c.d << "." << c.m << "." << c.y;
    }
}

TEST(Calendar, EasterKnownDates)
{
    const struct {
        int year, dayOfYear;
    } cases[] = {
        {2000, 114}, {2002, 90}, {2008, 83}, {2011, 114}, {2038, 115}, {2285, 81}, {2024, 91}, {1818, 81},
    };
    for (const auto& c : cases)
        EXPECT_EQ(cal.EasterSunday(c.year), c.dayOfYear) << c.year;
}

// Every valid date from 1583 to 2400 against an independent reference: the
// Julian day round trip, the running day-of-year count, consecutive Julian
// days, the weekday and the month lengths.
TEST(Calendar, PropertiesOverGregorianRange)
{
    const std::int64_t jdOffset = 2451545 - DaysFromCivil(2000, 1, 1);
    std::int32_t previousJd = cal.ToJulianDay(1582, 12, 31);
    for (int y = 1583; y <= 2400; ++y) {
        ASSERT_EQ(cal.IsLeapYear(y), RefLeap(y) ? 1 : 0) << y;
        int running = 0;
        for (unsigned m = 1; m <= 12; ++m) {
            const unsigned length = RefMonthLength(y, m);
            ASSERT_EQ(cal.IsValidDate(length + 1, m, y), 0) << m << "/" << y;
            ASSERT_EQ(cal.IsValidDate(0, m, y), 0);
            for (unsigned d = 1; d <= length; ++d) {
                ++running;
                ASSERT_EQ(cal.IsValidDate(d, m, y), 1) << d << "." << m << "." << y;
                ASSERT_EQ(cal.DayOfYear(y, m, d), running) << d << "." << m << "." << y;
                const std::int32_t jd = cal.ToJulianDay(y, m, d);
                ASSERT_EQ(jd, previousJd + 1) << d << "." << m << "." << y;
                ASSERT_EQ(jd, DaysFromCivil(y, m, d) + jdOffset);
                previousJd = jd;
                std::uint32_t ry = 0, rm = 0, rd = 0;
                cal.FromJulianDay(jd, ry, rm, rd);
                ASSERT_EQ(ry, static_cast<std::uint32_t>(y));
                ASSERT_EQ(rm, m);
                ASSERT_EQ(rd, d);
                const int weekday = static_cast<int>((jd + 1) % 7); // JD 0 was a Monday
                ASSERT_EQ(cal.Weekday(d, m, y), weekday) << d << "." << m << "." << y;
                ASSERT_EQ(cal.WeekdayOfDayOfYear(y, running), weekday);
            }
        }
        ASSERT_EQ(running, RefLeap(y) ? 366 : 365);
    }
}

// Easter against the anonymous Gregorian algorithm (Meeus/Jones/Butcher):
// always a Sunday between 22 March and 25 April.
TEST(Calendar, EasterMatchesIndependentComputus)
{
    for (int y = 1583; y <= 2400; ++y) {
        const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
        const int f = (b + 8) / 25, g = (b - f + 1) / 3;
        const int h = (19 * a + b - d - g + 15) % 30;
        const int i = c / 4, k = c % 4;
        const int l = (32 + 2 * e + 2 * i - h - k) % 7;
        const int mm = (a + 11 * h + 22 * l) / 451;
        const int month = (h + l - 7 * mm + 114) / 31;
        const int day = (h + l - 7 * mm + 114) % 31 + 1;
        const int easter = cal.EasterSunday(y);
        ASSERT_EQ(easter, cal.DayOfYear(y, month, day)) << y;
        ASSERT_EQ(cal.WeekdayOfDayOfYear(y, easter), 0) << y;
        ASSERT_GE(easter, cal.DayOfYear(y, 3, 22)) << y;
        ASSERT_LE(easter, cal.DayOfYear(y, 4, 25)) << y;
    }
}
