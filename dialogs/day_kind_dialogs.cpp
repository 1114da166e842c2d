#include "dialogs/day_kind_dialogs.h"

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "dialogs/dialog_command.h"
#include "dialogs/dialog_controls.h"
#include "resources/resource_ids.h"

// Each constructor runs the dialog last, when the object is complete: the
// dialog deletes it before DoModal returns.

namespace {

// Runs one Accept function of the core as the dialog's own command.
template <typename Fields>
bool AcceptOwned(MonthPlan& plan, HWND dialog, bool (*accept)(MonthPlan&, const Fields&), const Fields& fields)
{
    const DialogCommand command(plan.frame(), dialog);
    return command.Held() && accept(plan, fields);
}

} // namespace

void SingleDayDialog::Fill(HWND dialog)
{
    const DayEntryFields fields = InitDayEntry(plan_, suggestedDate_);
    SetWindowTextA(dialog, title_);
    SetControlText(dialog, IDC_DAY_DATE, fields.date);
    SetControlText(dialog, IDC_DAY_REMARK, fields.remark);
}

bool SingleDayDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, accept_,
                       DayEntryFields{ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_REMARK)});
}

void DayRangeDialog::Fill(HWND dialog)
{
    const DayRangeFields fields = init_(plan_, suggestedDate_);
    SetWindowTextA(dialog, title_);
    SetControlText(dialog, IDC_DAY_DATE, fields.from);
    SetControlText(dialog, IDC_DAY_UNTIL, fields.to);
    SetControlText(dialog, IDC_DAY_REMARK, fields.remark);
}

bool DayRangeDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, accept_,
                       DayRangeFields{ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_UNTIL),
                                      ControlText(dialog, IDC_DAY_REMARK)});
}

FlexiDayDialog::FlexiDayDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : SingleDayDialog(module, plan, suggestedDate, FLEXI_DAY_TITLE, AcceptFlexiDay)
{
    DoModal(parent, "DLG_GETDAY");
}

HolidayEntryDialog::HolidayEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : SingleDayDialog(module, plan, suggestedDate, HOLIDAY_ENTRY_TITLE, AcceptHolidayEntry)
{
    DoModal(parent, "DLG_GETDAY");
}

VacationDialog::VacationDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayRangeDialog(module, plan, suggestedDate, VACATION_TITLE, InitVacation, AcceptVacation)
{
    DoModal(parent, "DLG_GETFEWDAYS");
}

SickDaysDialog::SickDaysDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayRangeDialog(module, plan, suggestedDate, SICK_DAYS_TITLE, InitSickDays, AcceptSickDays)
{
    DoModal(parent, "DLG_GETFEWDAYS");
}

AccountCorrectionDialog::AccountCorrectionDialog(HINSTANCE module, HWND parent, MonthPlan& plan,
                                                 const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate, ACCOUNT_CORRECTION_TITLE)
{
    DoModal(parent, "DLG_ACCOUNT");
}

void AccountCorrectionDialog::Fill(HWND dialog)
{
    const AccountCorrectionFields fields = InitAccountCorrection(plan_, suggestedDate_);
    SetControlText(dialog, IDC_DAY_DATE, fields.date);
    SetControlText(dialog, IDC_DAY_ACCOUNT, fields.account);
    SetControlText(dialog, IDC_DAY_REMARK, fields.remark);
}

bool AccountCorrectionDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, AcceptAccountCorrection,
                       AccountCorrectionFields{ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_ACCOUNT),
                                               ControlText(dialog, IDC_DAY_REMARK)});
}
