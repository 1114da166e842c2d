// The holiday and special-day expressions: any text evaluated against any
// year and day, the two table lookups on any date, and the text as an own
// day after a state's table.
// Input: the expression, then a zero byte, then bytes choosing year and date
// (no zero byte: the year 2008 and every day of it).
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "calendar/calendar.h"

namespace {

[[noreturn]] void Fail(const char* what, long long year, long long day, const char* text)
{
    std::fprintf(stderr, "%s: year %lld, day %lld, text [%s]\n", what, year, day, text);
    std::abort();
}

std::uint32_t Take(const std::string& bytes, std::size_t& at, std::uint32_t fallback)
{
    if (at + 4 > bytes.size())
        return fallback;
    std::uint32_t value;
    std::memcpy(&value, bytes.data() + at, sizeof value);
    at += 4;
    return value;
}

// The name buffer must hold a table name, and the name one of the table's.
void CheckLookup(bool holiday, std::uint32_t day, std::uint32_t month, std::uint32_t year)
{
    const Calendar calendar;
    char name[256];
    std::memset(name, 'x', sizeof name);
    const int found =
        holiday ? calendar.FindHoliday(day, month, year, name) : calendar.FindSpecialDay(day, month, year, name);
    if (found == 0) {
        if (name[0] != '\0')
            Fail("lookup without a hit left a name", year, day, name);
        return;
    }
    const char* const* table = holiday ? HolidayTable : SpecialDayTable;
    const int count = holiday ? HOLIDAY_COUNT : SPECIAL_DAY_COUNT;
    for (int i = 0; i < count; ++i) {
        const char* colon = std::strchr(table[i], ':');
        if (std::strcmp(colon + 1, name) == 0)
            return;
    }
    Fail("lookup gave a name that is in no table row", year, day, name);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    // A heap copy of exactly the expression, so a read past its end is seen.
    const std::string text = input.substr(0, split);
    std::unique_ptr<char[]> expression(new char[text.size() + 1]);
    std::memcpy(expression.get(), text.c_str(), text.size() + 1);
    const std::string rest = split == std::string::npos ? std::string() : input.substr(split + 1);
    std::size_t at = 0;
    const auto year = static_cast<std::int32_t>(Take(rest, at, 2008));
    const auto day = static_cast<std::int32_t>(Take(rest, at, 0));

    const Calendar calendar;
    const char* const end = expression.get() + text.size();
    auto check = [&](std::int32_t n) {
        const char* name = calendar.MatchDayExpression(expression.get(), year, n);
        if (name && (name <= expression.get() || name > end || name[-1] != ':'))
            Fail("name does not follow a colon inside the text", year, n, expression.get());
        return name != nullptr;
    };
    // An expression denotes one day: no two days of a year match it.
    int matches = 0;
    for (std::int32_t n = 1; n <= 366; ++n)
        matches += check(n);
    if (matches > 1)
        Fail("expression matches more than one day", year, matches, expression.get());
    check(day);

    CheckLookup(true, static_cast<std::uint32_t>(day) & 0xFF, (static_cast<std::uint32_t>(day) >> 8) & 0xFF,
                static_cast<std::uint32_t>(year));
    CheckLookup(false, static_cast<std::uint32_t>(day), static_cast<std::uint32_t>(day) >> 16,
                static_cast<std::uint32_t>(year));

    // The text as an own day, after the table of a state the year chooses.
    HolidayRules rules;
    std::snprintf(rules.state, sizeof rules.state, "%s", States[static_cast<std::uint32_t>(year) % STATE_COUNT].code);
    std::snprintf(rules.ownDays[0], OWN_DAY_SIZE, "%s", text.c_str());
    char name[256];
    if (Calendar(rules).FindHoliday(static_cast<std::uint32_t>(day) & 0xFF, (static_cast<std::uint32_t>(day) >> 8) & 0xFF,
                                    static_cast<std::uint32_t>(year), name) &&
        std::strlen(name) >= OWN_DAY_SIZE)
        Fail("own day name longer than its text", year, day, name);
    return 0;
}
