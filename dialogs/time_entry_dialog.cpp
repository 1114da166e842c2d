#include "dialogs/time_entry_dialog.h"

#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/time_entry_form.h"
#include "dialogs/dialog_command.h"
#include "dialogs/dialog_controls.h"
#include "resources/resource_ids.h"

namespace {

// The "now" buttons sit beside one-line fields: the icon's small image fits
// them. A shared icon belongs to the module and is never destroyed.
void SetNowIcon(HINSTANCE module, HWND dialog, int id)
{
    HANDLE icon = LoadImageA(module, MAKEINTRESOURCEA(IDI_ICON4), IMAGE_ICON, 16, 16, LR_SHARED);
    SendDlgItemMessageA(dialog, id, BM_SETIMAGE, IMAGE_ICON, reinterpret_cast<LPARAM>(icon));
}

} // namespace

TimeEntryDialog::TimeEntryDialog(HINSTANCE module, HWND parent, MonthPlan& plan, unsigned key,
                                 const std::string& suggestedDate, bool focusDeparture)
    : ModalDialog(module), plan_(plan), key_(key), suggestedDate_(suggestedDate), opened_(plan, key),
      focusDeparture_(focusDeparture)
{
    DoModal(parent, "DLG_GETDATA");
}

INT_PTR TimeEntryDialog::OnInitDialog(HWND dialog)
{
    SetNowIcon(module_, dialog, IDC_ENTRY_COME_NOW);
    SetNowIcon(module_, dialog, IDC_ENTRY_GO_NOW);
    ShowFields(dialog);
    CenterWindow(dialog);
    if (focusDeparture_) {
        // 0: the dialog manager leaves the focus where it was put.
        SetFocus(GetDlgItem(dialog, IDC_ENTRY_GO));
        SendDlgItemMessageA(dialog, IDC_ENTRY_GO, EM_SETSEL, 0, -1);
        return 0;
    }
    return 1;
}

void TimeEntryDialog::ShowFields(HWND dialog)
{
    const TimeEntryFields fields = InitTimeEntry(plan_, key_, suggestedDate_);
    SetControlText(dialog, IDC_ENTRY_DATE, fields.date);
    EnableControl(dialog, IDC_ENTRY_DATE, fields.dateEnabled);
    SetControlText(dialog, IDC_ENTRY_COME, fields.come);
    SetControlText(dialog, IDC_ENTRY_GO, fields.go);
    SetControlText(dialog, IDC_ENTRY_HOURS, fields.hours);
    SetControlText(dialog, IDC_ENTRY_REMARK, fields.remark);
    SetChecked(dialog, IDC_ENTRY_NO_SALDO, fields.noSaldo);
    CheckRadioButton(dialog, IDC_ENTRY_TIMES_MODE, IDC_ENTRY_HOURS_MODE,
                     fields.hoursMode ? IDC_ENTRY_HOURS_MODE : IDC_ENTRY_TIMES_MODE);
    ApplyMode(dialog);
}

void TimeEntryDialog::ApplyMode(HWND dialog)
{
    const bool hoursMode = IsChecked(dialog, IDC_ENTRY_HOURS_MODE);
    EnableControl(dialog, IDC_ENTRY_COME, !hoursMode);
    EnableControl(dialog, IDC_ENTRY_GO, !hoursMode);
    EnableControl(dialog, IDC_ENTRY_HOURS, hoursMode);
}

bool TimeEntryDialog::Accept(HWND dialog)
{
    TimeEntryFields fields;
    fields.date = ControlText(dialog, IDC_ENTRY_DATE);
    fields.come = ControlText(dialog, IDC_ENTRY_COME);
    fields.go = ControlText(dialog, IDC_ENTRY_GO);
    fields.hours = ControlText(dialog, IDC_ENTRY_HOURS);
    fields.remark = ControlText(dialog, IDC_ENTRY_REMARK);
    fields.noSaldo = IsChecked(dialog, IDC_ENTRY_NO_SALDO);
    fields.hoursMode = IsChecked(dialog, IDC_ENTRY_HOURS_MODE);
    const DialogCommand command(plan_.frame(), dialog);
    if (!command.Held())
        return false;
    if (!opened_.StillAsShown(plan_)) {
        opened_ = OpenedEntry(plan_, key_);
        ShowFields(dialog);
        return false;
    }
    return AcceptTimeEntry(plan_, key_, fields);
}

INT_PTR TimeEntryDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    switch (LOWORD(*wParam)) {
    case IDC_ENTRY_COME_NOW:
        SetControlText(*dialog, IDC_ENTRY_COME, ArrivalNow(plan_));
        return 1;
    case IDC_ENTRY_GO_NOW:
        SetControlText(*dialog, IDC_ENTRY_GO, DepartureNow(plan_));
        return 1;
    case IDC_ENTRY_TIMES_MODE:
    case IDC_ENTRY_HOURS_MODE:
        ApplyMode(*dialog);
        return 1;
    case IDOK:
        if (Accept(*dialog))
            EndModal(*dialog);
        return 1;
    case IDCANCEL:
        EndModal(*dialog);
        return 1;
    default:
        return 0;
    }
}
