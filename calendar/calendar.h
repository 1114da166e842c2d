#pragma once
// Proleptic Gregorian calendar arithmetic and the German holiday and
// special-day tables. Callers make a temporary Calendar wherever they need
// one; one made with HolidayRules finds the holidays those rules give,
// otherwise the built-in table's. Weekday numbers are 0 = Sunday to 6 = Saturday.
#include <cstdint>

#include "calendar/holiday_rules.h"

constexpr int MONTH_NAME_SIZE = 20;
// "Januar" .. "Dezember", indexed by month - 1, Windows-1252.
extern const char MonthNames[12][MONTH_NAME_SIZE];

constexpr int HOLIDAY_COUNT = 15;
constexpr int SPECIAL_DAY_COUNT = 16;
extern const char* const HolidayTable[HOLIDAY_COUNT];
extern const char* const SpecialDayTable[SPECIAL_DAY_COUNT];

// WeekdayOfDayOfYear for day numbers far outside a year (day-expression offsets).
int WeekdayOfDay(std::int64_t year, std::int64_t dayOfYear);

class Calendar {
public:
    Calendar() = default;
    // The rules must outlive the Calendar.
    explicit Calendar(const HolidayRules& rules) : rules_(&rules) {}

    int IsLeapYear(std::int32_t year) const;
    std::int32_t DayOfYear(std::int32_t year, std::int32_t month, std::int32_t day) const;
    int WeekdayOfDayOfYear(std::int32_t year, std::int32_t dayOfYear) const;
    std::int32_t EasterSunday(std::int32_t year) const;
    std::int32_t ToJulianDay(std::int32_t year, std::int32_t month, std::int32_t day) const;
    void FromJulianDay(std::int32_t julianDay, std::uint32_t& year, std::uint32_t& month, std::uint32_t& day) const;
    int IsValidDate(std::uint32_t day, std::uint32_t month, std::uint32_t year) const;
    int Weekday(std::uint32_t day, std::uint32_t month, std::uint32_t year) const;

    // The name (the text after the colon) when the expression denotes day of
    // year dayOfYear of year; nullptr otherwise.
    const char* MatchDayExpression(const char* expression, std::int32_t year, std::int32_t dayOfYear) const;
    // The name when the expression is well formed, with the day of year it
    // denotes in year in dayOfYear (it may lie outside the year); nullptr otherwise.
    const char* EvaluateDayExpression(const char* expression, std::int32_t year, std::int64_t& dayOfYear) const;
    // 1 and the name in nameBuffer (at least 256 characters) when the date is
    // in the table (for FindHoliday: a holiday of the rules); 0 and the empty
    // text otherwise.
    int FindHoliday(std::uint32_t day, std::uint32_t month, std::uint32_t year, char* nameBuffer) const;
    int FindSpecialDay(std::uint32_t day, std::uint32_t month, std::uint32_t year, char* nameBuffer) const;

    static void SkipBlanks(const char*& position);
    static std::int32_t ParseNumber(const char*& position);
    static int ParseWeekday(const char*& position);

private:
    // The year and day of year of a date whose day or month may overflow.
    void NormalizedDay(std::uint32_t day, std::uint32_t month, std::uint32_t year, std::int32_t& normalYear,
                       std::int32_t& dayOfYear) const;
    int FindInTable(const char* const* table, int count, std::uint32_t day, std::uint32_t month, std::uint32_t year,
                    char* nameBuffer) const;

    const HolidayRules* rules_ = nullptr;
};
