// The command table of the main frame: what each WM_COMMAND identifier from
// the menu bar, tool bar, button bar, popup menus and list keys does.
#include <windows.h>

#include <commdlg.h>

#include <cstdio>

#include "app/handler_results.h"
#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "app/tool_bar.h"
#include "core/command_scope.h"
#include "resources/resource_ids.h"

namespace {

// Commands on the active month plan and their handler results; without an
// active plan they do nothing (their menus and buttons are greyed then, but
// a key may still send them).
struct PlanCommand {
    UINT command;
    LRESULT result;
};

constexpr PlanCommand PLAN_COMMANDS[] = {
    {CMD_DELETE_ENTRY, MSG_HANDLED},
    {CMD_COPY_ENTRY, MSG_HANDLED},
    {CMD_PASTE_ENTRY, MSG_HANDLED},
    {CMD_MOVE_ENTRY_UP, MSG_HANDLED},
    {CMD_MOVE_ENTRY_DOWN, MSG_HANDLED},
    {CMD_RETAKE_CARRY_OVER, MSG_HANDLED},
    {CMD_COMPUTE_CURRENT_DAY, MSG_NOT_HANDLED},
    {CMD_RECOMPUTE, MSG_NOT_HANDLED},
    {CMD_RECOMPUTE_WEEKDAYS, MSG_NOT_HANDLED},
    {CMD_FILL_MISSING_DAYS, MSG_NOT_HANDLED},
    {CMD_TOGGLE_TIME_FORMAT, MSG_HANDLED},
};

constexpr const char* NO_PLAN_FOR_ARRIVAL =
    "Es ist kein Monatsplan geöffnet.\n\nDer \"Kommen\"-Eintrag kann nicht vorgenommen werden.";
constexpr const char* NO_PLAN_FOR_DEPARTURE =
    "Es ist kein Monatsplan geöffnet.\n\nDer \"Gehen\"-Eintrag kann nicht vorgenommen werden.";

} // namespace

LRESULT MainFrame::OnCommand(WPARAM* wParam, LPARAM*)
{
    const CommandScope command(core_);
    if (!command.Held())
        return MSG_HANDLED;
    return RunCommand(LOWORD(*wParam));
}

LRESULT MainFrame::RunCommand(UINT command)
{
    if (IsDialogCommand(command))
        return RunDialogCommand(command);
    switch (command) {
    case CMD_GET_FRAME_OBJECT:
        return reinterpret_cast<LRESULT>(this);
    case CMD_DELETE_MONTH_PLAN_FILE:
        DeleteMonthPlanFile();
        return MSG_HANDLED;
    case CMD_CLOSE_MONTH_PLAN:
        CloseActivePlan();
        return MSG_HANDLED;
    case CMD_CLOSE_ALL:
        CloseAllPlans();
        return MSG_HANDLED;
    case CMD_QUIT:
    case CMD_TRAY_QUIT:
        return Quit(true);
    case CMD_MAXIMIZE_CHILD:
        MaximizeActiveChild();
        return MSG_NOT_HANDLED;
    case CMD_RESTORE_CHILD:
        RestoreActiveChild();
        return MSG_NOT_HANDLED;
    case CMD_TILE_VERTICALLY:
        TileVertically();
        return MSG_NOT_HANDLED;
    case CMD_TILE_HORIZONTALLY:
        TileHorizontally();
        return MSG_NOT_HANDLED;
    case CMD_CASCADE_CHILDREN:
        CascadeChildren();
        return MSG_NOT_HANDLED;
    case CMD_ARRANGE_ICONS:
        ArrangeIcons();
        return MSG_NOT_HANDLED;
    case CMD_ACTIVATE_NEXT_CHILD:
        ActivateNextChild();
        return MSG_NOT_HANDLED;
    case CMD_ACTIVATE_PREVIOUS_CHILD:
        ActivatePreviousChild();
        return MSG_NOT_HANDLED;
    case CMD_TRAY_OPEN:
        RestoreFromTray();
        return MSG_NOT_HANDLED;
    case CMD_TRAY_HIDE:
        ShowWindow(window_, SW_HIDE);
        return MSG_NOT_HANDLED;
    case CMD_RECORD_ARRIVAL:
        RecordTime(true);
        return MSG_NOT_HANDLED;
    case CMD_RECORD_DEPARTURE:
        RecordTime(false);
        return MSG_NOT_HANDLED;
    default:
        break;
    }
    for (const PlanCommand& planCommand : PLAN_COMMANDS) {
        if (planCommand.command != command)
            continue;
        if (MonthPlanWindow* window = GetActiveMonthPlan())
            RunPlanCommand(command, window->Plan());
        return planCommand.result;
    }
    // The window list (1125 on) reaches DefFrameProcA, which activates the child.
    return MSG_NOT_HANDLED;
}

bool MainFrame::RunPlanCommand(UINT command, MonthPlan& plan)
{
    switch (command) {
    case CMD_DELETE_ENTRY:
        plan.DeleteEntry();
        return true;
    case CMD_COPY_ENTRY:
        plan.CopyEntry();
        return true;
    case CMD_PASTE_ENTRY:
        plan.PasteEntry();
        return true;
    case CMD_MOVE_ENTRY_UP:
        plan.MoveEntry(-1);
        return true;
    case CMD_MOVE_ENTRY_DOWN:
        plan.MoveEntry(+1);
        return true;
    case CMD_RETAKE_CARRY_OVER:
        plan.RetakeCarryOver();
        return true;
    case CMD_COMPUTE_CURRENT_DAY:
        plan.ComputeCurrentDay(true);
        return true;
    case CMD_RECOMPUTE:
        plan.RecomputeMonthTimes();
        return true;
    case CMD_RECOMPUTE_WEEKDAYS:
        plan.RecomputeWeekdays();
        return true;
    case CMD_FILL_MISSING_DAYS:
        plan.FillMissingDaysToSelection();
        return true;
    case CMD_TOGGLE_TIME_FORMAT:
        // Kept in memory only; the next settings save stores it.
        settings_.ComFormat = settings_.ComFormat ? 0 : 1;
        plan.RefreshList();
        return true;
    default:
        return false;
    }
}

void MainFrame::CloseActivePlan()
{
    if (MonthPlanWindow* window = GetActiveMonthPlan())
        SendMessageA(window->Handle(), WM_SYSCOMMAND, SC_CLOSE, 0);
}

void MainFrame::CloseAllPlans()
{
    for (;;) {
        auto active = reinterpret_cast<HWND>(SendMessageA(MdiClient(), WM_MDIGETACTIVE, 0, 0));
        if (!active || SendMessageA(active, WM_SYSCOMMAND, SC_CLOSE, 0) != MSG_CHILD_CLOSED)
            return;
    }
}

void MainFrame::RecordTime(bool arrival)
{
    MonthPlanWindow* window = GetActiveMonthPlan();
    if (arrival) {
        AskForgottenDeparture();
        // The entry may have opened the period before: "Kommen" belongs to the one that was active.
        if (window && GetActiveMonthPlan() != window)
            SendMessageA(MdiClient(), WM_MDIACTIVATE, reinterpret_cast<WPARAM>(window->Handle()), 0);
    }
    if (!window) {
        prompts_.Tell(arrival ? NO_PLAN_FOR_ARRIVAL : NO_PLAN_FOR_DEPARTURE, "Hinweis", MessageIcon::Information);
        return;
    }
    if (arrival)
        window->Plan().RecordArrival();
    else
        window->Plan().RecordDeparture();
}

void MainFrame::UpdateCommandStates(bool active, int menuOffset)
{
    if (buttonBar_)
        EnablePlanButtons(*buttonBar_, active);
    const UINT planState = active ? MF_ENABLED : MF_GRAYED;
    HMENU menu = GetMenu(window_);
    if (HMENU file = GetSubMenu(menu, menuOffset)) {
        for (UINT command : {CMD_CLOSE_MONTH_PLAN, CMD_CLOSE_ALL, CMD_PRINT})
            EnableMenuItem(file, command, MF_BYCOMMAND | planState);
        // A plan file is deleted only while none is open.
        EnableMenuItem(file, CMD_DELETE_MONTH_PLAN_FILE, MF_BYCOMMAND | (active ? MF_GRAYED : MF_ENABLED));
    }
    // "&Bearbeiten", "&Einträge", "&Werte", "&Fenster"
    for (int position = menuOffset + 1; position <= menuOffset + 4; ++position)
        EnableMenuItem(menu, static_cast<UINT>(position), MF_BYPOSITION | planState);
    if (toolBar_.Get())
        SetToolBarButtonsEnabled(toolBar_.Get(), active);
    DrawMenuBar(window_);
}

void MainFrame::DeleteMonthPlanFile()
{
    char path[256] = "*.sw";
    char title[256] = {};
    OPENFILENAMEA dialog{};
    dialog.lStructSize = sizeof dialog;
    dialog.hwndOwner = window_;
    dialog.lpstrFilter = "*.SW\0*.sw\0";
    dialog.nFilterIndex = 1;
    dialog.lpstrFile = path;
    dialog.nMaxFile = sizeof path;
    dialog.lpstrFileTitle = title;
    dialog.nMaxFileTitle = sizeof title;
    dialog.lpstrInitialDir = settings_.WorkingDir;
    dialog.lpstrTitle = "Monatsplan löschen";
    dialog.Flags = OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST | OFN_SHAREAWARE | OFN_NOREADONLYRETURN;
    if (!GetOpenFileNameA(&dialog))
        return;

    char text[512];
    std::snprintf(text, sizeof text, "Soll die Monatsplan-Datei %s wirklich gelöscht werden?", path);
    if (!prompts_.Ask(text, "Frage", true))
        return;
    // DeleteFileA knows no path-length limit of its own, unlike OpenFile's
    // 128 characters; a file that stays is said so.
    if (!DeleteFileA(path)) {
        std::snprintf(text, sizeof text, "Die Monatsplan-Datei %s konnte nicht gelöscht werden.", path);
        prompts_.Tell(text, "Fehler", MessageIcon::Information);
    }
}
