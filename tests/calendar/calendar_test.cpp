#include <gtest/gtest.h>

#include <cstdint>

#include "calendar/calendar.h"

namespace {

const Calendar cal;

} // namespace

// Every valid date from 1583 to 2400: the dates the loop visits are
// consecutive Julian days from the last day of 1582 to that of 2400 (the
// reference values, noon-based), so IsValidDate and IsLeapYear are right;
// the round trip, the running day-of-year count and the weekday follow.
TEST(Calendar, PropertiesOverGregorianRange)
{
    std::int32_t previous = 2299238;
    for (int y = 1583; y <= 2400; ++y) {
        int running = 0;
        for (unsigned m = 1; m <= 12; ++m) {
            ASSERT_EQ(cal.IsValidDate(0, m, y), 0);
            for (unsigned d = 1; cal.IsValidDate(d, m, y); ++d) {
                SCOPED_TRACE(::testing::Message() << d << "." << m << "." << y);
                ++running;
                ASSERT_EQ(cal.DayOfYear(y, m, d), running);
                const std::int32_t jd = cal.ToJulianDay(y, m, d);
                ASSERT_EQ(jd, previous + 1);
                previous = jd;
                std::uint32_t ry = 0, rm = 0, rd = 0;
                cal.FromJulianDay(jd, ry, rm, rd);
                ASSERT_EQ(ry, static_cast<std::uint32_t>(y));
                ASSERT_EQ(rm, m);
                ASSERT_EQ(rd, d);
                const int weekday = static_cast<int>((jd + 1) % 7); // JD 0 was a Monday
                ASSERT_EQ(cal.Weekday(d, m, y), weekday);
                ASSERT_EQ(cal.WeekdayOfDayOfYear(y, running), weekday);
            }
        }
        ASSERT_EQ(cal.IsLeapYear(y), running == 366 ? 1 : 0) << y;
        ASSERT_EQ(cal.IsValidDate(1, 0, y) + cal.IsValidDate(1, 13, y), 0) << y;
    }
    ASSERT_EQ(previous, 2598007);
    // Damaged files may hold any number; only real dates are valid.
    EXPECT_EQ(cal.IsValidDate(4294967295u, 1, 2002) + cal.IsValidDate(1, 4294967295u, 2002), 0);
    EXPECT_EQ(cal.IsValidDate(1, 1, 4294967295u), 1);
}

// Easter against the anonymous Gregorian algorithm (Meeus/Jones/Butcher), up
// to the last four-digit year.
TEST(Calendar, EasterMatchesIndependentComputus)
{
    for (int y = 1583; y <= 9999; ++y) {
        const int a = y % 19, b = y / 100, c = y % 100, d = b / 4, e = b % 4;
        const int f = (b + 8) / 25, g = (b - f + 1) / 3;
        const int h = (19 * a + b - d - g + 15) % 30;
        const int l = (32 + 2 * e + 2 * (c / 4) - h - c % 4) % 7;
        const int mm = (a + 11 * h + 22 * l) / 451;
        const int month = (h + l - 7 * mm + 114) / 31;
        const int day = (h + l - 7 * mm + 114) % 31 + 1;
        ASSERT_EQ(cal.EasterSunday(y), cal.DayOfYear(y, month, day)) << y;
    }
}
