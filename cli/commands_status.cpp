// Today's live line for scripts and status bars.
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/frame_core.h"
#include "core/month_plan.h"

namespace {

std::string Time(TimeValue value)
{
    if (value == NO_TIME)
        return "";
    char text[TEXT_BUFFER_SIZE];
    FormatTime(value, text);
    return text;
}

std::string Hours(const Settings& settings, HoursValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, value, text);
    return text;
}

} // namespace

int StatusCommand(CliRun& run)
{
    MonthPlan* plan = OpenTodaysPlan(run);
    if (!plan)
        return run.Result();
    const TodayValues today = plan->ReadToday(plan->frame().clock().Now());
    if (!today.open) {
        run.err << Cp1252ToUtf8("Heute ist kein Eintrag ohne \"Gehen\"-Zeit offen.") << '\n';
        return 1;
    }
    const Settings& s = plan->settings();
    run.out << Time(today.come) << '\t' << Hours(s, today.workTime) << '\t' << Hours(s, today.saldo) << '\t'
            << Hours(s, today.account) << '\t' << Time(today.end.leave) << '\n';
    return run.Result();
}
