// The end of today's work: the first sum of work that reaches a target under
// both break rules and the cap, the clock times, and the status bar text.
#include <gtest/gtest.h>

#include "core/end_of_day.h"
#include "core/settings.h"

namespace {

struct Rules {
    std::int32_t restTime, restPerDay, restTime2, restPerDay2, maxTime;
    bool workTimeRests;
};

Settings With(const Rules& r)
{
    Settings s;
    s.RestTime = r.restTime;
    s.RestPerDay = r.restPerDay;
    s.RestTime2 = r.restTime2;
    s.RestPerDay2 = r.restPerDay2;
    s.MaxTime = r.maxTime;
    s.WorkTimeRests = r.workTimeRests;
    return s;
}

} // namespace

// Minute by minute, the first sum reaching the target is the one found.
TEST(EndOfDay, FirstSumMatchesAScanUnderEveryRuleSet)
{
    const Rules rules[] = {
        {360, 30, 0, 0, 1440, true},   {360, 30, 540, 15, 1440, false}, {360, 30, 370, 45, 600, false},
        {300, 60, 300, 30, 480, true}, {0, 0, 0, 0, 1440, false},       {600, 45, 360, 30, 700, true},
    };
    for (const Rules& r : rules) {
        const Settings s = With(r);
        for (const std::int64_t from : {-456, 0, 240, 355, 365, 545}) {
            for (const std::int64_t target : {0, 300, 350, 456, 600, 700}) {
                std::int64_t scanned = -1;
                for (std::int64_t gross = from; gross <= from + 1440 && scanned < 0; ++gross) {
                    if (NetWorkTime(s, gross) >= target)
                        scanned = gross;
                }
                EXPECT_EQ(FirstGrossReaching(s, from, target), scanned)
                    << r.restTime << "/" << r.restPerDay << " " << r.restTime2 << "/" << r.restPerDay2 << " cap "
                    << r.maxTime << (r.workTimeRests ? " WR" : "") << " from " << from << " to " << target;
            }
        }
    }
}

TEST(EndOfDay, ClockTimesOverBothBreakRulesAndTheCap)
{
    const struct {
        std::int32_t hoursPerDay;
        Rules rules;
        TimeValue come;
        std::int64_t before;
        bool noSaldo;
        TimeValue leave, cap;
    } cases[] = {
        {456, {360, 30, 0, 0, 1440, false}, 480, 0, false, 966, NO_TIME},      // 7:36 + 0:30 after 8:00
        {456, {360, 30, 0, 0, 1440, false}, 780, 500, false, 780, NO_TIME},    // reached before coming back
        {600, {360, 30, 540, 15, 1440, false}, 480, 0, false, 1125, NO_TIME},  // 10:00 + 0:30 + 0:15
        {350, {360, 30, 0, 0, 1440, false}, 480, 0, false, 830, NO_TIME},      // before the first break
        {456, {360, 30, 0, 0, 600, false}, 480, 0, false, 966, 1110},          // the cap at 10:00 net
        {456, {360, 30, 0, 0, 400, false}, 480, 0, false, NO_TIME, 910},       // the cap below the regular time
        {456, {360, 30, 0, 0, 1440, false}, 1200, 0, false, NO_TIME, NO_TIME}, // past midnight
        {456, {360, 30, 0, 0, 600, false}, 480, 0, true, NO_TIME, NO_TIME},    // no balance on this day
    };
    for (const auto& c : cases) {
        Settings s = With(c.rules);
        s.HoursPerDay = c.hoursPerDay;
        const EndOfDay end = ComputeEndOfDay(s, c.come, c.before, c.noSaldo);
        EXPECT_EQ(end.leave, c.leave) << c.hoursPerDay << " at " << c.come << " after " << c.before;
        EXPECT_EQ(end.cap, c.cap) << c.hoursPerDay << " at " << c.come << " after " << c.before;
    }
}

TEST(EndOfDay, StatusText)
{
    const struct {
        TimeValue leave, cap, now;
        HoursValue saldo;
        std::uint32_t comFormat;
        const char* text;
    } cases[] = {
        {966, NO_TIME, 900, -66, 0, "Feierabend um 16:06"},
        {966, NO_TIME, 966, 0, 0, "Saldo heute +0:00"},
        {966, NO_TIME, 1008, 42, 0, "Saldo heute +0:42"},
        {966, NO_TIME, 1008, 42, 1, "Saldo heute +0,700"},
        {NO_TIME, NO_TIME, 1300, -300, 0, "Saldo heute -5:00"},
        {966, 1125, 1065, 49, 0, "Saldo heute +0:49"}, // the cap an hour away
        {966, 1125, 1070, 54, 0,
         "H\xF6"
         "chstarbeitszeit um 18:45"},
        {966, NO_TIME, 900, NO_HOURS, 0, "Feierabend um 16:06"},
        {NO_TIME, NO_TIME, 900, NO_HOURS, 0, ""},
    };
    for (const auto& c : cases) {
        Settings s;
        s.ComFormat = c.comFormat;
        EXPECT_EQ(EndOfDayText(s, {c.leave, c.cap}, c.now, c.saldo), c.text) << c.now;
    }
}
