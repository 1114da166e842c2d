// The page "Automatik": "Kommen" and "Gehen" recorded from the Windows
// session, a lock as a break, and the mark of such records in the remark.
#include <windows.h>

#include "dialogs/options_page.h"
#include "resources/resource_ids.h"

namespace {

const FlagField AUTOMATION_FLAGS[] = {
    {IDC_OPT_AUTO_ARRIVAL, &OptionsWorkingCopy::AutoArrival},
    {IDC_OPT_AUTO_DEPARTURE, &OptionsWorkingCopy::AutoDeparture},
    {IDC_OPT_LOCK_BREAK, &OptionsWorkingCopy::LockBreak},
    {IDC_OPT_MARK_AUTOMATIC, &OptionsWorkingCopy::MarkAutomatic},
};

void EnableBreakMinutes(HWND page)
{
    EnableControl(page, IDC_OPT_LOCK_BREAK_MINUTES, IsChecked(page, IDC_OPT_LOCK_BREAK));
}

void FillAutomation(HWND page)
{
    ShowFlags(page, AUTOMATION_FLAGS);
    SendDlgItemMessageA(page, IDC_OPT_LOCK_BREAK_MINUTES, EM_LIMITTEXT, 4, 0);
    SetDlgItemInt(page, IDC_OPT_LOCK_BREAK_MINUTES, static_cast<UINT>(CurrentOptions().copy.LockBreakMinutes), FALSE);
    EnableBreakMinutes(page);
}

// A field that holds no number reads as 0, which applying the options mends
// to the default.
void ReadAutomation(HWND page)
{
    ReadFlags(page, AUTOMATION_FLAGS);
    CurrentOptions().copy.LockBreakMinutes =
        static_cast<std::int32_t>(GetDlgItemInt(page, IDC_OPT_LOCK_BREAK_MINUTES, nullptr, FALSE));
}

void AutomationCommand(HWND page, int id, int code)
{
    if (id == IDC_OPT_LOCK_BREAK && code == BN_CLICKED)
        EnableBreakMinutes(page);
}

} // namespace

INT_PTR CALLBACK AutomationPage(HWND page, UINT message, WPARAM wParam, LPARAM lParam)
{
    return PageProcedure(page, message, wParam, lParam, FillAutomation, ReadAutomation, AutomationCommand);
}
