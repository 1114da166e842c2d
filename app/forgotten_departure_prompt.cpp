// The note about an entry left open on an earlier day, and the time entry
// dialog on it.
#include "app/main_frame.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "dialogs/commands.h"

void MainFrame::AskForgottenDeparture()
{
    const std::optional<OpenEarlierEntry> entry = forgottenDeparture_.NextToAsk(core_);
    if (!entry)
        return;
    prompts_.Tell(ForgottenDepartureNote(*entry).c_str(), "Hinweis", MessageIcon::Information);
    // Its period's window, opened when it is not: the dialog works on a plan,
    // and a second window on the same file would keep a stale list.
    MonthPlan* plan = FindPlanWindow(MonthPlanFileName(settings_, entry->periodMonth, entry->periodYear));
    if (plan == nullptr)
        plan = CreatePlanWindow(entry->periodMonth, entry->periodYear, false);
    if (plan != nullptr)
        CompleteOpenEntry(window_, *plan, EntryKey(entry->day, entry->position));
}
