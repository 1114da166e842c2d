#include "app/report_commands.h"

#include "app/clipboard_export_win32.h"
#include "app/print_month_plan.h"
#include "app/print_year_overview.h"
#include "core/evaluation.h"
#include "core/month_plan.h"
#include "core/user_wait.h"
#include "dialogs/export_dialog.h"
#include "dialogs/info_dialog.h"
#include "dialogs/year_overview_dialog.h"
#include "resources/resource_ids.h"

void ShowMonthlyEvaluation(HWND planWindow, MonthPlan& plan)
{
    const std::string report = EvaluateMonth(plan);
    const UserWait wait(plan.frame());
    MessageBoxA(planWindow, report.c_str(), EVALUATION_TITLE, MB_OK);
}

void OpenExportDialog(HINSTANCE module, HWND parent, HWND planWindow, MonthPlan& plan)
{
    ClipboardExportTarget clipboard(planWindow);
    const UserWait wait(plan.frame());
    new ExportDialog(module, parent, plan.settings(), plan, clipboard);
}

void OpenYearOverview(HINSTANCE module, HWND parent, HWND planWindow, MonthPlan& plan)
{
    ClipboardExportTarget clipboard(planWindow);
    new YearOverviewDialog(module, parent, plan.frame(), plan.PlanYear(), clipboard, PrintYearOverview);
}

void OpenInfoDialog(HINSTANCE module, HWND parent)
{
    new InfoDialog(module, parent);
}

bool RunReportCommand(UINT command, const ReportContext& context)
{
    switch (command) {
    case CMD_INFO:
        OpenInfoDialog(context.module, context.frame);
        return true;
    case CMD_MONTHLY_EVALUATION:
        if (context.plan)
            ShowMonthlyEvaluation(context.planWindow, *context.plan);
        return true;
    case CMD_YEAR_OVERVIEW:
        if (context.plan)
            OpenYearOverview(context.module, context.frame, context.planWindow, *context.plan);
        return true;
    case CMD_PRINT:
        if (context.plan)
            PrintMonthPlan(context.planWindow, *context.plan);
        return true;
    case CMD_CLIPBOARD_EXPORT:
        if (context.plan)
            OpenExportDialog(context.module, context.frame, context.planWindow, *context.plan);
        return true;
    default:
        return false;
    }
}
