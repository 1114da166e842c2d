#include "core/end_of_day.h"

#include <cstdio>

#include "core/settings.h"

namespace {

struct BreakRule {
    std::int64_t threshold;
    std::int64_t perDay;
};

std::int64_t Rest(const Settings& settings, const BreakRule& rule, std::int64_t gross)
{
    if (gross <= rule.threshold)
        return 0;
    if (settings.WorkTimeRests && gross < rule.threshold + rule.perDay)
        return gross - rule.threshold;
    return rule.perDay;
}

std::string Clock(TimeValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    return text;
}

// The clock time at which the gross sum from `before` on reaches target,
// NO_TIME when that is not today.
TimeValue ClockReaching(const Settings& settings, TimeValue come, std::int64_t before, std::int64_t target)
{
    const std::int64_t gross = FirstGrossReaching(settings, before, target);
    if (gross < 0)
        return NO_TIME;
    const std::int64_t clock = come + (gross - before);
    return clock < MINUTES_PER_DAY ? static_cast<TimeValue>(clock) : NO_TIME;
}

} // namespace

std::int64_t NetWorkTime(const Settings& settings, std::int64_t gross)
{
    const std::int64_t net = gross - Rest(settings, {settings.RestTime, settings.RestPerDay}, gross) -
                             Rest(settings, {settings.RestTime2, settings.RestPerDay2}, gross);
    return net > settings.MaxTime ? settings.MaxTime : net;
}

std::int64_t FirstGrossReaching(const Settings& settings, std::int64_t from, std::int64_t target)
{
    // With breaks of no negative length the net time never jumps upwards:
    // entering a break deducts it, and counting it minute by minute keeps the
    // net time flat until the break is complete. It rises only minute by
    // minute as the gross sum less the breaks complete at that point, so the
    // first sum that reaches the target is `from` or the target plus some of
    // the breaks.
    const std::int64_t p1 = settings.RestPerDay, p2 = settings.RestPerDay2;
    const std::int64_t candidates[] = {from, target, target + p1, target + p2, target + p1 + p2};
    std::int64_t first = -1;
    for (const std::int64_t gross : candidates) {
        if (gross < from || gross > from + MINUTES_PER_DAY || (first >= 0 && gross >= first))
            continue;
        if (NetWorkTime(settings, gross) >= target)
            first = gross;
    }
    return first;
}

EndOfDay ComputeEndOfDay(const Settings& settings, TimeValue come, std::int64_t before, bool noSaldo)
{
    EndOfDay end;
    if (noSaldo || come < 0 || come >= MINUTES_PER_DAY)
        return end;
    end.leave = ClockReaching(settings, come, before, settings.HoursPerDay);
    end.cap = ClockReaching(settings, come, before, settings.MaxTime);
    return end;
}

std::string EndOfDayText(const Settings& settings, const EndOfDay& end, TimeValue now, HoursValue saldo)
{
    if (end.cap != NO_TIME && end.cap - now < 60)
        return "Höchstarbeitszeit um " + Clock(end.cap);
    if (end.leave != NO_TIME && now < end.leave)
        return "Feierabend um " + Clock(end.leave);
    if (saldo == NO_HOURS || IsHoursCode(saldo))
        return "";
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, saldo, text);
    return std::string("Saldo heute ") + (saldo >= 0 ? "+" : "") + text;
}
