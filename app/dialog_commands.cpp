// The commands that open a dialog: new and open (month dialog), options,
// printing, entry dialogs, day counts, evaluation, export and info. Each is
// wired here to its dialog or report.
#include "app/handler_results.h"
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "app/report_commands.h"
#include "dialogs/commands.h"
#include "resources/resource_ids.h"

namespace {

constexpr UINT DIALOG_COMMANDS[] = {
    CMD_NEW_MONTH_PLAN,
    CMD_OPEN_MONTH_PLAN,
    CMD_OPTIONS,
    CMD_PRINT,
    CMD_EDIT_ENTRY,
    CMD_CLIPBOARD_EXPORT,
    CMD_ENTER_WORK_TIME,
    CMD_ENTER_FLEXI_DAY,
    CMD_ENTER_VACATION,
    CMD_ENTER_SICK_DAYS,
    CMD_ENTER_HOLIDAY,
    CMD_ACCOUNT_CORRECTION,
    CMD_VACATION_DAY_COUNT,
    CMD_SICK_DAY_COUNT,
    CMD_FLEXI_DAY_COUNT,
    CMD_MONTHLY_EVALUATION,
    CMD_YEAR_OVERVIEW,
    CMD_INFO,
};

} // namespace

bool MainFrame::IsDialogCommand(UINT command)
{
    for (UINT dialogCommand : DIALOG_COMMANDS) {
        if (dialogCommand == command)
            return true;
    }
    return false;
}

LRESULT MainFrame::RunDialogCommand(UINT command)
{
    switch (command) {
    case CMD_NEW_MONTH_PLAN:
        OpenMonthPlanFromDialog(true);
        return MSG_HANDLED;
    case CMD_OPEN_MONTH_PLAN:
        OpenMonthPlanFromDialog(false);
        return MSG_HANDLED;
    case CMD_OPTIONS:
        OnOptions();
        return MSG_HANDLED;
    default:
        break;
    }
    MonthPlanWindow* active = GetActiveMonthPlan();
    if (RunDialogForCommand(command, Handle(), core_, active ? &active->Plan() : nullptr))
        return MSG_HANDLED;

    ReportContext context;
    context.module = GetModuleHandleA(nullptr);
    context.frame = Handle();
    context.planWindow = active ? active->Handle() : nullptr;
    context.plan = active ? &active->Plan() : nullptr;
    if (RunReportCommand(command, context) && command == CMD_INFO)
        InvalidateRect(Handle(), nullptr, FALSE);
    return MSG_HANDLED;
}

void MainFrame::OpenMonthPlanFromDialog(bool create)
{
    unsigned month = 0, year = 0;
    if (AskMonthPlan(Handle(), core_, month, year) && month != 0)
        core_.OpenMonthPlan(month, year, create, true);
}
