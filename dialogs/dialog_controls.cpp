#include "dialogs/dialog_controls.h"

#include "core/time_values.h"

std::string ControlText(HWND dialog, int id)
{
    char text[TEXT_BUFFER_SIZE] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void SetControlText(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

bool IsChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

void SetChecked(HWND dialog, int id, bool checked)
{
    CheckDlgButton(dialog, id, checked ? BST_CHECKED : BST_UNCHECKED);
}

void EnableControl(HWND dialog, int id, bool enabled)
{
    EnableWindow(GetDlgItem(dialog, id), enabled ? TRUE : FALSE);
}
