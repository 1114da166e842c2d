// The holiday and special-day expressions on any text, year and day; the two
// table lookups on any date, under the sanitizers; the text as an own day
// after a state's table.
// Input: the expression, a zero byte, then year and day as 4 bytes each.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>

#include "calendar/calendar.h"

namespace {

void Check(bool ok, const char* what, long long year, long long day, const char* text)
{
    if (!ok)
        std::fprintf(stderr, "%s: year %lld, day %lld, text [%s]\n", what, year, day, text), std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = input.find('\0');
    const std::string text = input.substr(0, split);
    std::unique_ptr<char[]> expression(new char[text.size() + 1]); // exactly the text: reads past it are seen
    std::memcpy(expression.get(), text.c_str(), text.size() + 1);
    std::int32_t year = 2008, day = 0;
    if (split != std::string::npos && size >= split + 5)
        std::memcpy(&year, data + split + 1, 4);
    if (split != std::string::npos && size >= split + 9)
        std::memcpy(&day, data + split + 5, 4);
    const Calendar calendar;
    auto match = [&](std::int32_t n) {
        const char* name = calendar.MatchDayExpression(expression.get(), year, n);
        Check(!name || (name > expression.get() && name <= expression.get() + text.size() && name[-1] == ':'),
              "name does not follow a colon inside the text", year, n, expression.get());
        return name != nullptr;
    };
    int matches = 0; // an expression denotes one day of a year
    for (std::int32_t n = 1; n <= 366; ++n)
        matches += match(n);
    Check(matches <= 1, "expression matches more than one day", year, matches, expression.get());
    match(day);
    const auto d = static_cast<std::uint32_t>(day), y = static_cast<std::uint32_t>(year);
    char name[256];
    calendar.FindHoliday(d & 0xFF, (d >> 8) & 0xFF, y, name);
    calendar.FindSpecialDay(d, d >> 16, y, name);
    HolidayRules rules; // the text as an own day, after the table of a state the year chooses
    std::snprintf(rules.state, sizeof rules.state, "%s", States[y % STATE_COUNT].code);
    std::snprintf(rules.ownDays[0], OWN_DAY_SIZE, "%s", text.c_str());
    if (Calendar(rules).FindHoliday(d & 0xFF, (d >> 8) & 0xFF, y, name))
        Check(std::strlen(name) < OWN_DAY_SIZE, "own day name longer than its text", year, day, name);
    return 0;
}
