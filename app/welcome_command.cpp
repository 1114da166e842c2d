// The first start: the welcome dialog and what its OK sets up.
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "core/command_scope.h"
#include "core/first_start.h"
#include "core/period.h"
#include "dialogs/commands.h"

bool MainFrame::WelcomeNewUser(int showCommand)
{
    FirstStart values = FirstStartDefaults(settings_, clock_.Now());
    if (!RunWelcomeDialog(window_, settings_, prompts_, values))
        return false;
    const CommandScope command(core_);
    SaveFirstStart(core_, values);
    ShowWindow(window_, SW_SHOW);
    unsigned month = 0, year = 0;
    core_.TodaysPeriod(month, year);
    const bool created = !core_.PlanExists(MonthPlanFileName(settings_, month, year));
    // Created without questions: there is no month before it to carry over from.
    if (core_.OpenMonthPlan(month, year, false, false) == 1 && created) {
        if (MonthPlanWindow* window = GetActiveMonthPlan())
            SetOpeningAccount(window->Plan(), values.account);
    }
    ShowWindow(window_, showCommand);
    return true;
}
