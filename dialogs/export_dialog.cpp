#include "dialogs/export_dialog.h"

#include "core/clipboard_export.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/settings.h"
#include "resources/resource_ids.h"

namespace {

struct FieldBox {
    ExportField field;
    int box;
};

constexpr FieldBox FIELD_BOXES[] = {
    {ExportDate, IDC_EXPORT_DATE},   {ExportCome, IDC_EXPORT_COME},   {ExportGo, IDC_EXPORT_GO},
    {ExportHours, IDC_EXPORT_HOURS}, {ExportSaldo, IDC_EXPORT_SALDO},
};

} // namespace

ExportDialog::ExportDialog(HINSTANCE module, HWND parent, Settings& settings, MonthPlan& plan, ExportTarget& target)
    : ModalDialog(module), settings_(settings), plan_(plan), target_(target), fields_(settings.ExportFields)
{
    DoModal(parent, "DLG_EXPORT");
}

// The dialog always opens with "nur markierten Eintrag".
INT_PTR ExportDialog::OnInitDialog(HWND dialog)
{
    for (const FieldBox& f : FIELD_BOXES)
        CheckDlgButton(dialog, f.box, (fields_ & f.field) ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(dialog, IDC_EXPORT_MARKED_ONLY, BST_CHECKED);
    CheckDlgButton(dialog, IDC_EXPORT_ALL_ENTRIES, BST_UNCHECKED);
    CenterWindow(dialog);
    return 1;
}

INT_PTR ExportDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    switch (LOWORD(*wParam)) {
    case IDOK: {
        fields_ = 0;
        for (const FieldBox& f : FIELD_BOXES)
            if (IsDlgButtonChecked(*dialog, f.box) == BST_CHECKED)
                fields_ |= f.field;
        settings_.ExportFields = fields_;
        {
            // The closing note comes while this dialog is still open.
            PromptOwnerScope owner(plan_.frame().prompts(), reinterpret_cast<PromptOwner>(*dialog));
            ExportToClipboard(plan_, IsDlgButtonChecked(*dialog, IDC_EXPORT_MARKED_ONLY) == BST_CHECKED, target_);
        }
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
