#include "dialogs/commands.h"

#include <string>

#include "core/counter_forms.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/settings_file.h"
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
    new DayCountDialog(Module(), frame, core.settings(), counter);
    SaveSettings(core.store(), core.settings());
    return true;
}

bool RunPlanDialog(UINT command, HWND frame, FrameCore& core, MonthPlan& plan)
{
    const std::string date = plan.SelectedRowDate();
    const Settings& settings = core.settings();
    const std::uint32_t flexiDays = settings.GDays;
    bool counts = false;
    switch (command) {
    case CMD_ENTER_WORK_TIME:
        new TimeEntryDialog(Module(), frame, plan, 0, date);
        break;
    case CMD_EDIT_ENTRY:
        ChangeSelectedEntry(frame, plan);
        break;
    case CMD_ENTER_HOLIDAY:
        new HolidayEntryDialog(Module(), frame, plan, date);
        break;
    case CMD_ACCOUNT_CORRECTION:
        new AccountCorrectionDialog(Module(), frame, plan, date);
        break;
    case CMD_ENTER_FLEXI_DAY:
        new FlexiDayDialog(Module(), frame, plan, date);
        counts = true;
        break;
    case CMD_ENTER_VACATION:
        new VacationDialog(Module(), frame, plan, date);
        counts = true;
        break;
    case CMD_ENTER_SICK_DAYS:
        new SickDaysDialog(Module(), frame, plan, date);
        counts = true;
        break;
    default:
        return false;
    }
    // "G" in Kommen books a flexi day too; its count is saved at once like
    // the flexi-day dialog's.
    if (counts || settings.GDays != flexiDays)
        SaveSettings(core.store(), core.settings());
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
    new MonthDialog(Module(), owner, &month, &year, core.settings(), core.clock());
    return month != 0;
}

void EditOptions(HWND frame, Settings& settings)
{
    OptionsSheet sheet(Module(), frame, settings);
}
