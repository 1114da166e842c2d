#include "dialogs/value_dialogs.h"

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_form.h"
#include "core/month_plan.h"
#include "core/remark_form.h"
#include "dialogs/dialog_command.h"
#include "dialogs/dialog_controls.h"
#include "resources/resource_ids.h"

MonthDialog::MonthDialog(HINSTANCE module, HWND parent, unsigned* month, unsigned* year, const Settings& settings,
                         Clock& clock)
    : ValueDialog(module), month_(month), year_(year), settings_(settings), clock_(clock)
{
    DoModal(parent, "DLG_GETMONTH");
}

void MonthDialog::Fill(HWND dialog)
{
    for (const char* name : MonthNames)
        SendDlgItemMessageA(dialog, IDC_MONTH_LIST, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(name));
    ProposeMonth(settings_, clock_, *month_, *year_);
    SendDlgItemMessageA(dialog, IDC_MONTH_LIST, CB_SETCURSEL, *month_ - 1, 0);
    SetDlgItemInt(dialog, IDC_MONTH_YEAR, *year_, FALSE);
}

bool MonthDialog::Accept(HWND dialog)
{
    const int selected = static_cast<int>(SendDlgItemMessageA(dialog, IDC_MONTH_LIST, CB_GETCURSEL, 0, 0));
    return AcceptMonth(selected, ControlText(dialog, IDC_MONTH_YEAR), *month_, *year_);
}

void MonthDialog::Cancel()
{
    CancelMonth(*month_);
}

DayCountDialog::DayCountDialog(HINSTANCE module, HWND parent, Settings& settings, DayCounter counter)
    : ValueDialog(module), settings_(settings), counter_(counter)
{
    DoModal(parent, "DLG_DAYS");
}

void DayCountDialog::Fill(HWND dialog)
{
    const DayCounterTexts texts = DayCountTexts(counter_);
    SetWindowTextA(dialog, texts.title);
    SetControlText(dialog, IDC_DAYS_LABEL, texts.label);
    SetControlText(dialog, IDC_DAYS_COUNT, InitDayCount(settings_, counter_));
}

bool DayCountDialog::Accept(HWND dialog)
{
    return AcceptDayCount(settings_, counter_, ControlText(dialog, IDC_DAYS_COUNT));
}

RemarkDialog::RemarkDialog(HINSTANCE module, HWND parent, MonthPlan& plan, unsigned key)
    : ValueDialog(module), plan_(plan), key_(key), opened_(plan, key)
{
    DoModal(parent, "DLG_GETINFO");
}

void RemarkDialog::Fill(HWND dialog)
{
    SetControlText(dialog, IDC_DAY_REMARK, InitRemark(plan_, key_));
}

bool RemarkDialog::Accept(HWND dialog)
{
    const DialogCommand command(plan_.frame(), dialog);
    if (!command.Held())
        return false;
    if (!opened_.StillAsShown(plan_)) {
        opened_ = OpenedEntry(plan_, key_);
        Fill(dialog);
        return false;
    }
    return AcceptRemark(plan_, key_, ControlText(dialog, IDC_DAY_REMARK));
}
