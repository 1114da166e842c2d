#include "dialogs/value_dialog.h"

INT_PTR ValueDialog::OnInitDialog(HWND dialog)
{
    Fill(dialog);
    return CenterWindow(dialog);
}

INT_PTR ValueDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    switch (LOWORD(*wParam)) {
    case IDOK:
        if (Accept(*dialog))
            EndModal(*dialog);
        return 1;
    case IDCANCEL:
        Cancel();
        EndModal(*dialog);
        return 1;
    default:
        return 0;
    }
}
