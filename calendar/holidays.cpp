#include "calendar/calendar.h"

#include <cstring>

const char* const HolidayTable[HOLIDAY_COUNT] = {
    "01.01           :Neujahr",          "06.01           :Heilige Drei Könige",
    "01.05           :Maifeiertag",      "15.08           :Maria Himmelfahrt",
    "03.10           :Tag der Einheit",  "01.11           :Allerheiligen",
    "25.12           :1. Weihnachtstag", "26.12           :2. Weihnachtstag",
    "ostersonntag-2  :Karfreitag",       "ostersonntag    :Ostersonntag",
    "ostersonntag+1  :Ostermontag",      "ostersonntag+39 :Christi Himmelfahrt",
    "ostersonntag+49 :Pfingstsonntag",   "ostersonntag+50 :Pfingstmontag",
    "ostersonntag+60 :Fronleichnam",
};

const char* const SpecialDayTable[SPECIAL_DAY_COUNT] = {
    "06.12           :Nikolaus",
    "24.12           :Heiligabend",
    "31.12           :Silvester",
    "25.12 -so       :4. Advent",
    "25.12 -so-7     :3. Advent",
    "25.12 -so-14    :2. Advent",
    "25.12 -so-21    :1. Advent",
    "25.12 -so-28    :Totensonntag",
    "25.12 -so-32    :Buß- und Bettag",
    "25.12 -so-35    :Volkstrauertag",
    "01.11 -so       :Beginn der Winterzeit",
    "01.04 -so       :Beginn der Sommerzeit",
    "ostersonntag-3  :Gründonnerstag",
    "ostersonntag-48 :Rosenmontag",
    "ostersonntag-46 :Aschermittwoch",
    "muttertag       :Muttertag",
};

namespace {

bool IsBlank(char c)
{
    const auto u = static_cast<unsigned char>(c);
    return u >= 1 && u <= 32;
}

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

const char* const WeekdayKeywords[7] = {"so", "mo", "di", "mi", "do", "fr", "sa"};

// The longest table name has 21 characters; the buffer is a 256-character remark.
constexpr std::size_t NAME_BUFFER_SIZE = 256;

} // namespace

void Calendar::SkipBlanks(const char*& position)
{
    while (IsBlank(*position))
        ++position;
}

std::int32_t Calendar::ParseNumber(const char*& position)
{
    // Unsigned arithmetic wraps instead of overflowing on absurdly long digit runs.
    std::uint32_t value = 0;
    while (*position >= '0' && *position <= '9') {
        value = value * 10u + static_cast<std::uint32_t>(*position - '0');
        ++position;
    }
    return static_cast<std::int32_t>(value);
}

int Calendar::ParseWeekday(const char*& position)
{
    for (int w = 0; w < 7; ++w) {
        if (StartsWith(position, WeekdayKeywords[w])) {
            position += 2;
            return w;
        }
    }
    return -1;
}

const char* Calendar::MatchDayExpression(const char* expression, std::int32_t year, std::int32_t dayOfYear) const
{
    std::int64_t day = 0;
    const char* name = EvaluateDayExpression(expression, year, day);
    return name != nullptr && day == dayOfYear ? name : nullptr;
}

const char* Calendar::EvaluateDayExpression(const char* expression, std::int32_t year, std::int64_t& dayOfYear) const
{
    const char* p = expression;
    SkipBlanks(p);
    if (*p == '\0' || *p == ';')
        return nullptr;

    // 64 bits: offsets read from an expression cannot overflow the day number.
    std::int64_t base;
    if (StartsWith(p, "ostersonntag")) {
        base = EasterSunday(year);
        p += 12;
    } else if (StartsWith(p, "muttertag")) {
        const std::int32_t lastOfApril = DayOfYear(year, 4, 30);
        base = lastOfApril - WeekdayOfDayOfYear(year, lastOfApril) + 14;
        if (base == EasterSunday(year) + 49)
            base -= 7;
        p += 9;
    } else {
        const std::int32_t day = ParseNumber(p);
        if (*p != '.')
            return nullptr;
        ++p;
        const std::int32_t month = ParseNumber(p);
        base = DayOfYear(year, month, day);
    }

    for (;;) {
        SkipBlanks(p);
        if (*p != '+' && *p != '-')
            break;
        const bool plus = *p == '+';
        ++p;
        SkipBlanks(p);
        const int weekday = ParseWeekday(p);
        if (weekday >= 0) {
            const std::int64_t c = WeekdayOfDay(year, base);
            if (plus)
                base = c <= weekday ? base - c + weekday : base - c + weekday + 7;
            else
                base = c <= weekday ? base - c + weekday - 7 : base - c + weekday;
        } else {
            const std::int64_t k = ParseNumber(p);
            base = plus ? base + k : base - k;
        }
    }
    SkipBlanks(p);
    if (*p != ':')
        return nullptr;
    dayOfYear = base;
    return p + 1;
}

namespace {

void CopyName(const char* name, char* nameBuffer)
{
    std::strncpy(nameBuffer, name, NAME_BUFFER_SIZE - 1);
    nameBuffer[NAME_BUFFER_SIZE - 1] = '\0';
}

} // namespace

void Calendar::NormalizedDay(std::uint32_t day, std::uint32_t month, std::uint32_t year, std::int32_t& normalYear,
                             std::int32_t& dayOfYear) const
{
    std::uint32_t y = 0, m = 0, d = 0;
    FromJulianDay(
        ToJulianDay(static_cast<std::int32_t>(year), static_cast<std::int32_t>(month), static_cast<std::int32_t>(day)),
        y, m, d);
    normalYear = static_cast<std::int32_t>(y);
    dayOfYear = DayOfYear(normalYear, static_cast<std::int32_t>(m), static_cast<std::int32_t>(d));
}

int Calendar::FindInTable(const char* const* table, int count, std::uint32_t day, std::uint32_t month,
                          std::uint32_t year, char* nameBuffer) const
{
    nameBuffer[0] = '\0';
    std::int32_t year32 = 0, n = 0;
    NormalizedDay(day, month, year, year32, n);
    for (int i = 0; i < count; ++i) {
        if (const char* name = MatchDayExpression(table[i], year32, n)) {
            CopyName(name, nameBuffer);
            return 1;
        }
    }
    return 0;
}

int Calendar::FindHoliday(std::uint32_t day, std::uint32_t month, std::uint32_t year, char* nameBuffer) const
{
    const bool builtIn = rules_ == nullptr || rules_->state[0] == '\0';
    if (builtIn && FindInTable(HolidayTable, HOLIDAY_COUNT, day, month, year, nameBuffer))
        return 1;
    nameBuffer[0] = '\0';
    if (rules_ == nullptr)
        return 0;
    std::int32_t year32 = 0, n = 0;
    NormalizedDay(day, month, year, year32, n);
    if (!builtIn) {
        for (const StateHoliday& row : StateHolidayTable) {
            if (!StateHolidayHolds(row, rules_->state, year32))
                continue;
            if (const char* name = MatchDayExpression(row.expression, year32, n)) {
                CopyName(name, nameBuffer);
                return 1;
            }
        }
    }
    for (const char* text : rules_->ownDays) {
        if (text[0] == '\0')
            break;
        const OwnDay own = SplitOwnDay(text);
        if (own.year != 0 && own.year != year32)
            continue;
        if (const char* name = MatchDayExpression(own.expression, year32, n)) {
            CopyName(name, nameBuffer);
            return 1;
        }
    }
    return 0;
}

int Calendar::FindSpecialDay(std::uint32_t day, std::uint32_t month, std::uint32_t year, char* nameBuffer) const
{
    return FindInTable(SpecialDayTable, SPECIAL_DAY_COUNT, day, month, year, nameBuffer);
}
