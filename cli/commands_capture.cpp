// "Kommen" and "Gehen" on today's period.
#include "cli/commands.h"
#include "cli/session.h"
#include "core/month_plan.h"

MonthPlan* OpenTodaysPlan(CliRun& run)
{
    CliSession& session = run.Session();
    unsigned month = 0, year = 0;
    session.frame().TodaysPeriod(month, year);
    return session.OpenPlan(month, year);
}

int ArriveCommand(CliRun& run)
{
    if (MonthPlan* plan = OpenTodaysPlan(run))
        plan->RecordArrival();
    return run.Result();
}

int LeaveCommand(CliRun& run)
{
    if (MonthPlan* plan = OpenTodaysPlan(run))
        plan->RecordDeparture();
    return run.Result();
}
