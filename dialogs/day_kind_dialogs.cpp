#include "dialogs/day_kind_dialogs.h"

#include "core/day_kind_forms.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/prompt_owner.h"
#include "resources/resource_ids.h"

namespace {

void ShowDay(HWND dialog, const char* title, const DayEntryFields& fields)
{
    SetWindowTextA(dialog, title);
    SetControlText(dialog, IDC_DAY_DATE, fields.date);
    SetControlText(dialog, IDC_DAY_REMARK, fields.remark);
}

DayEntryFields ReadDay(HWND dialog)
{
    return {ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_REMARK)};
}

void ShowRange(HWND dialog, const char* title, const DayRangeFields& fields)
{
    SetWindowTextA(dialog, title);
    SetControlText(dialog, IDC_DAY_DATE, fields.from);
    SetControlText(dialog, IDC_DAY_UNTIL, fields.to);
    SetControlText(dialog, IDC_DAY_REMARK, fields.remark);
}

DayRangeFields ReadRange(HWND dialog)
{
    return {ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_UNTIL), ControlText(dialog, IDC_DAY_REMARK)};
}

// Runs one Accept function of the core with its messages owned by the dialog.
template <typename Fields>
bool AcceptOwned(MonthPlan& plan, HWND dialog, bool (*accept)(MonthPlan&, const Fields&), const Fields& fields)
{
    PromptOwnerScope owner(plan.frame().prompts(), PromptOwnerOf(dialog));
    return accept(plan, fields);
}

} // namespace

FlexiDayDialog::FlexiDayDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate)
{
    DoModal(parent, "DLG_GETDAY");
}
void FlexiDayDialog::Fill(HWND dialog)
{
    ShowDay(dialog, FLEXI_DAY_TITLE, InitDayEntry(plan_, suggestedDate_));
}
bool FlexiDayDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, AcceptFlexiDay, ReadDay(dialog));
}

HolidayEntryDialog::HolidayEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate)
{
    DoModal(parent, "DLG_GETDAY");
}
void HolidayEntryDialog::Fill(HWND dialog)
{
    ShowDay(dialog, HOLIDAY_ENTRY_TITLE, InitDayEntry(plan_, suggestedDate_));
}
bool HolidayEntryDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, AcceptHolidayEntry, ReadDay(dialog));
}

VacationDialog::VacationDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate)
{
    DoModal(parent, "DLG_GETFEWDAYS");
}
void VacationDialog::Fill(HWND dialog)
{
    ShowRange(dialog, VACATION_TITLE, InitVacation(plan_, suggestedDate_));
}
bool VacationDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, AcceptVacation, ReadRange(dialog));
}

SickDaysDialog::SickDaysDialog(HINSTANCE module, HWND parent, MonthPlan& plan, const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate)
{
    DoModal(parent, "DLG_GETFEWDAYS");
}
void SickDaysDialog::Fill(HWND dialog)
{
    ShowRange(dialog, SICK_DAYS_TITLE, InitSickDays(plan_, suggestedDate_));
}
bool SickDaysDialog::Accept(HWND dialog)
{
    return AcceptOwned(plan_, dialog, AcceptSickDays, ReadRange(dialog));
}

AccountCorrectionDialog::AccountCorrectionDialog(HINSTANCE module, HWND parent, MonthPlan& plan,
                                                 const std::string& suggestedDate)
    : DayKindDialog(module, plan, suggestedDate)
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
    const AccountCorrectionFields fields{ControlText(dialog, IDC_DAY_DATE), ControlText(dialog, IDC_DAY_ACCOUNT),
                                         ControlText(dialog, IDC_DAY_REMARK)};
    return AcceptOwned(plan_, dialog, AcceptAccountCorrection, fields);
}
