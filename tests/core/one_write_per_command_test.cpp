// Every user command changes a plan file with one write, and the file is on
// disk when the command returns.
#include "tests/core/plan_fixture.h"

#include <functional>

#include "core/day_kind_forms.h"
#include "core/time_entry_form.h"

TEST_F(CountedPlanTest, EachCommandWritesThePlanOnce)
{
    MonthPlan& plan = OpenMarch();
    const std::string file = files.FullPath(plan.path());
    // The MAIN keys first, so that a plan that cannot be created is noticed
    // before any day is written; then the days of the period.
    EXPECT_EQ(files.writes[file], 2);
    const struct {
        const char* name;
        std::function<void()> command;
        int writes = 1;
    } commands[] = {
        {"Kommen", [&] { plan.RecordArrival(); }},
        {"Gehen",
         [&] {
             clock.Set(4, 3, 2002, 16, 30);
             plan.RecordDeparture();
         }},
        {"time entry",
         [&] {
             TimeEntryFields fields = InitTimeEntry(plan, 0, "05.03.2002");
             fields.come = "08:00";
             fields.go = "12:00";
             EXPECT_TRUE(AcceptTimeEntry(plan, 0, fields));
         }},
        {"vacation",
         [&] {
             EXPECT_TRUE(AcceptVacation(plan, {"06.03.2002", "12.03.2002", ""}));
         }},
        {"move",
         [&] {
             Add(5, 780, 900);
             Select(5, 2);
             files.writes.clear();
             plan.MoveEntry(-1);
         }},
        {"delete",
         [&] {
             Select(5, 1);
             plan.DeleteEntry();
         }},
        {"missing days", [&] { plan.FillMissingDays(20); }},
        {"weekdays", [&] { plan.RecomputeWeekdays(); }},
        // Every stored value is right already: an unchanged file is not written.
        {"recompute", [&] { plan.Recompute(1); }, 0},
    };
    for (const auto& c : commands) {
        files.writes.clear();
        c.command();
        EXPECT_EQ(files.writes[file], c.writes) << c.name;
        // What the engine holds is on disk.
        ProfileEngine fresh(files);
        EXPECT_EQ(ReadValue(fresh, plan.path(), "4/1", "Account"), ReadValue(counted, plan.path(), "4/1", "Account"))
            << c.name;
    }
}
