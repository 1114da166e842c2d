// Commands on one selected entry: delete, move, enter missing days.
#include "cli/commands.h"
#include "cli/session.h"
#include "core/month_plan.h"
#include "core/plan_keys.h"

namespace {

// DATE POS: the plan of the date with the entry's row selected.
MonthPlan* SelectedEntryPlan(CliRun& run, CliDate& date, unsigned& position)
{
    if (!run.Date(0, date))
        return nullptr;
    if (!ParseCliNumber(run.args.positional[1], 1, MAX_POSITION, position)) {
        run.Usage("die Position muss eine Zahl ab 1 sein.");
        return nullptr;
    }
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan == nullptr || !run.Session().SelectEntry(*plan, date.day, position))
        return nullptr;
    return plan;
}

} // namespace

int DeleteCommand(CliRun& run)
{
    CliDate date;
    unsigned position = 0;
    if (MonthPlan* plan = SelectedEntryPlan(run, date, position)) {
        CliSession& session = run.Session();
        const DayCounters before(session.settings());
        plan->DeleteEntry();
        // A deleted vacation, sick or flexi day goes back to its counter.
        session.SaveChangedCounters(before);
    }
    return run.Result();
}

int MoveCommand(CliRun& run)
{
    const std::string& direction = run.args.positional[2];
    if (direction != "up" && direction != "down")
        return run.Usage("die Richtung ist up oder down.");
    CliDate date;
    unsigned position = 0;
    if (MonthPlan* plan = SelectedEntryPlan(run, date, position))
        plan->MoveEntry(direction == "up" ? -1 : 1);
    return run.Result();
}

int FillMissingCommand(CliRun& run)
{
    CliDate date;
    if (!run.Date(0, date))
        return run.Result();
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan != nullptr && run.Session().SelectEntry(*plan, date.day, 1))
        plan->FillMissingDaysToSelection();
    return run.Result();
}
