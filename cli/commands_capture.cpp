// "Kommen" and "Gehen" on today's period.
#include "cli/commands.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/forgotten_departure.h"
#include "core/month_plan.h"

#include <ostream>

MonthPlan* OpenTodaysPlan(CliRun& run)
{
    CliSession& session = run.Session();
    unsigned month = 0, year = 0;
    session.frame().TodaysPeriod(month, year);
    return session.OpenPlan(month, year);
}

int ArriveCommand(CliRun& run)
{
    MonthPlan* plan = OpenTodaysPlan(run);
    if (!plan)
        return run.Result();
    if (const std::optional<OpenEarlierEntry> open = FindOpenEarlierEntry(plan->frame()))
        run.err << Cp1252ToUtf8(ForgottenDepartureNote(*open)) << '\n';
    plan->RecordArrival();
    return run.Result();
}

int LeaveCommand(CliRun& run)
{
    if (run.args.positional.size() == 1)
        return run.Usage("DATUM und UHRZEIT nur zusammen");
    if (!run.args.positional.empty())
        return CompleteEntryCommand(run);
    if (MonthPlan* plan = OpenTodaysPlan(run))
        plan->RecordDeparture();
    return run.Result();
}
