// "Erfassung ab": no day before it becomes a missing day, on any path.
#include "tests/core/plan_fixture.h"

TEST_F(PlanTest, NoMissingDayBeforeRecordingStarts)
{
    clock.Set(6, 3, 2002, 9, 0); // Wednesday; Friday the 1st, Monday the 4th, Tuesday the 5th are work days
    settings.SelectDay = 1;
    const std::function<void(MonthPlan&)> paths[] = {
        [](MonthPlan& plan) { plan.ComputeCurrentDay(true); }, [](MonthPlan& plan) { plan.FillMissingDays(6); },
        [](MonthPlan& plan) { plan.RecomputeMonthTimes(); }, // up to today's row, which SelectDay selects
    };
    const struct {
        std::uint32_t recordFrom;
        bool first, fourth, fifth; // entered as missing days
    } cases[] = {
        {0, true, true, true},          {20020228, true, true, true},    {20020304, false, true, true},
        {20020305, false, false, true}, {20020306, false, false, false}, {20030101, false, false, false},
    };
    for (const auto& path : paths) {
        for (const auto& c : cases) {
            settings.CheckMissings = 0;
            settings.RecordFrom = c.recordFrom;
            MonthPlan& plan = Open(3, 2002);
            // The live computation enters them only with CheckMissings; the others always.
            settings.CheckMissings = &path == paths ? 1 : 0;
            path(plan);
            const auto missing = [&](unsigned day) { return Entry(day).Come == TimeCode(MissingDay); };
            EXPECT_EQ(std::make_tuple(missing(1), missing(4), missing(5)), std::make_tuple(c.first, c.fourth, c.fifth))
                << c.recordFrom << " path " << (&path - paths);
        }
    }
}
