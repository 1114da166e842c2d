#include "dialogs/commands.h"

#include <string>

#include "core/counter_forms.h"
#include "core/day_counters.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/user_wait.h"
#include "dialogs/day_kind_dialogs.h"
#include "dialogs/options_sheet.h"
#include "dialogs/time_entry_dialog.h"
#include "dialogs/value_dialogs.h"
#include "dialogs/welcome_dialog.h"
#include "resources/resource_ids.h"

namespace {

// The templates are linked into the program itself.
HINSTANCE Module()
{
    return GetModuleHandleA(nullptr);
}

// "Eintrag ändern": the time entry dialog, or only the remark for a day kind.
void ChangeSelectedEntry(HWND frame, MonthPlan& plan)
{
    const MonthPlan::EditTarget target = plan.EditEntry();
    const auto key = static_cast<unsigned>(plan.SelectedEntry());
    if (target == MonthPlan::EditTarget::TimeEntry)
        new TimeEntryDialog(Module(), frame, plan, key, std::string());
    else if (target == MonthPlan::EditTarget::Remark)
        new RemarkDialog(Module(), frame, plan, key);
}

} // namespace

void CompleteOpenEntry(HWND frame, MonthPlan& plan, unsigned key)
{
    new TimeEntryDialog(Module(), frame, plan, key, std::string(), true);
}

bool RunWelcomeDialog(HWND frame, const Settings& settings, UserPrompts& prompts, FirstStart& values)
{
    bool accepted = false;
    new WelcomeDialog(Module(), frame, settings, prompts, values, accepted);
    return accepted;
}

namespace {

bool RunCounterDialog(HWND frame, FrameCore& core, DayCounter counter)
{
    {
        const UserWait wait(core);
        new DayCountDialog(Module(), frame, core.settings(), counter);
    }
    core.SaveSettingsFile();
    return true;
}

// Runs the dialog of one entry or day-kind command; false for another command.
// Its OK takes the lock for its own writes.
bool RunEntryDialog(UINT command, HWND frame, FrameCore& core, MonthPlan& plan, bool& counts)
{
    const std::string date = plan.SelectedRowDate();
    const UserWait wait(core);
    switch (command) {
    case CMD_ENTER_WORK_TIME:
        new TimeEntryDialog(Module(), frame, plan, 0, date);
        return true;
    case CMD_EDIT_ENTRY:
        ChangeSelectedEntry(frame, plan);
        return true;
    case CMD_ENTER_HOLIDAY:
        new HolidayEntryDialog(Module(), frame, plan, date);
        return true;
    case CMD_ACCOUNT_CORRECTION:
        new AccountCorrectionDialog(Module(), frame, plan, date);
        return true;
    case CMD_ENTER_FLEXI_DAY:
        new FlexiDayDialog(Module(), frame, plan, date);
        counts = true;
        return true;
    case CMD_ENTER_VACATION:
        new VacationDialog(Module(), frame, plan, date);
        counts = true;
        return true;
    case CMD_ENTER_SICK_DAYS:
        new SickDaysDialog(Module(), frame, plan, date);
        counts = true;
        return true;
    default:
        return false;
    }
}

bool RunPlanDialog(UINT command, HWND frame, FrameCore& core, MonthPlan& plan)
{
    const DayCountersBefore before(core.settings());
    bool counts = false;
    if (!RunEntryDialog(command, frame, core, plan, counts))
        return false;
    // "G", "U" and "K" in Kommen book counted days too; their counts are
    // saved at once like their dialogs'.
    if (counts || before.Changed())
        core.SaveSettingsFile();
    return true;
}

} // namespace

bool RunDialogForCommand(UINT command, HWND frame, FrameCore& core, MonthPlan* plan)
{
    switch (command) {
    case CMD_VACATION_DAY_COUNT:
        return RunCounterDialog(frame, core, DayCounter::Holidays);
    case CMD_SICK_DAY_COUNT:
        return RunCounterDialog(frame, core, DayCounter::Sickdays);
    case CMD_FLEXI_DAY_COUNT:
        return RunCounterDialog(frame, core, DayCounter::GDays);
    default:
        return plan && RunPlanDialog(command, frame, core, *plan);
    }
}

bool AskMonthPlan(HWND owner, FrameCore& core, unsigned& month, unsigned& year)
{
    const UserWait wait(core);
    new MonthDialog(Module(), owner, &month, &year, core.settings(), core.clock());
    return month != 0;
}

void EditOptions(HWND frame, Settings& settings)
{
    OptionsSheet sheet(Module(), frame, settings);
}
