#pragma once
// The commands of the reports: evaluation (40026), year overview (40031),
// printing (123), clipboard export (40029) and the about box (108). The
// frame's command handler calls RunReportCommand with what it knows; the
// single functions are there for callers that have one purpose.
#include <windows.h>

class MonthPlan;

// What the frame hands over: the module with the templates, the frame (the
// dialogs' parent), and the active month plan window with its plan (null
// when none is open).
struct ReportContext {
    HINSTANCE module = nullptr;
    HWND frame = nullptr;
    HWND planWindow = nullptr;
    MonthPlan* plan = nullptr;
};

// True when command is one of the five; the plan commands do nothing
// without a plan.
bool RunReportCommand(UINT command, const ReportContext& context);

// "Monats-Auswertung": the core's report in a message box on the plan window.
void ShowMonthlyEvaluation(HWND planWindow, MonthPlan& plan);
// The export dialog; on OK the chosen day or period goes to the clipboard.
void OpenExportDialog(HINSTANCE module, HWND parent, HWND planWindow, MonthPlan& plan);
// "Jahresübersicht" of the plan's year.
void OpenYearOverview(HINSTANCE module, HWND parent, HWND planWindow, MonthPlan& plan);
// The about box.
void OpenInfoDialog(HINSTANCE module, HWND parent);
