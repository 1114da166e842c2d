#include "dialogs/welcome_dialog.h"

#include "core/shell.h"
#include "dialogs/dialog_controls.h"
#include "dialogs/prompt_owner.h"
#include "resources/resource_ids.h"

namespace {

// The boxes run Monday to Sunday; WorkDays has Monday in bit 0 and Sunday in bit 6.
constexpr int WEEKDAY_BOXES = 7;

} // namespace

WelcomeDialog::WelcomeDialog(HINSTANCE module, HWND parent, const Settings& settings, UserPrompts& prompts,
                             FirstStart& values, bool& accepted)
    : ModalDialog(module), settings_(settings), prompts_(prompts), values_(values), accepted_(accepted)
{
    accepted_ = false;
    DoModal(parent, "DLG_WELCOME");
}

INT_PTR WelcomeDialog::OnInitDialog(HWND dialog)
{
    const FirstStartFields fields = FormatFirstStart(settings_, values_);
    SetControlText(dialog, IDC_WELCOME_HOURS, fields.hours);
    for (int box = 0; box < WEEKDAY_BOXES; ++box)
        SetChecked(dialog, IDC_WELCOME_MONDAY + box, (fields.workDays >> box & 1) != 0);
    SetControlText(dialog, IDC_WELCOME_FROM, fields.from);
    SetControlText(dialog, IDC_WELCOME_ACCOUNT, fields.account);
    SetControlText(dialog, IDC_WELCOME_VACATION, fields.vacation);
    SetChecked(dialog, IDC_WELCOME_OPEN_MONTH, fields.openMonth);
    CenterWindow(dialog);
    return 1;
}

INT_PTR WelcomeDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    switch (LOWORD(*wParam)) {
    case IDOK: {
        FirstStartFields fields;
        fields.hours = ControlText(*dialog, IDC_WELCOME_HOURS);
        fields.from = ControlText(*dialog, IDC_WELCOME_FROM);
        fields.account = ControlText(*dialog, IDC_WELCOME_ACCOUNT);
        fields.vacation = ControlText(*dialog, IDC_WELCOME_VACATION);
        for (int box = 0; box < WEEKDAY_BOXES; ++box)
            fields.workDays |= IsChecked(*dialog, IDC_WELCOME_MONDAY + box) ? 1u << box : 0u;
        fields.openMonth = IsChecked(*dialog, IDC_WELCOME_OPEN_MONTH);
        if (const char* error = ParseFirstStart(fields, values_)) {
            PromptOwnerScope owner(prompts_, PromptOwnerOf(*dialog));
            prompts_.Tell(error, "Fehler", MessageIcon::Information);
            return 1;
        }
        accepted_ = true;
        EndModal(*dialog);
        return 1;
    }
    case IDCANCEL:
        EndModal(*dialog);
        return 1;
    default:
        return 0;
    }
}
