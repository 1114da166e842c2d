#include "dialogs/message_dialog.h"

#include <cstdio>

#include "core/shell.h"
#include "framework/handles.h"
#include "resources/resource_ids.h"

MessageDialog::MessageDialog(HINSTANCE module, HWND parent, const char* text, int* dontShowAgain)
    : ModalDialog(module), dontShowAgain_(dontShowAgain)
{
    std::snprintf(text_, sizeof text_, "%s", text ? text : "");
    DoModal(parent, "DLG_MESSAGE");
}

// A note stays where the template puts it: it is not centred.
INT_PTR MessageDialog::OnInitDialog(HWND dialog)
{
    CheckDlgButton(dialog, IDC_MESSAGE_DONT_SHOW, BST_CHECKED);
    SetDlgItemTextA(dialog, IDC_MESSAGE_TEXT, text_);
    return 1;
}

// The heading's static is hidden; its text is painted in bold at its place.
INT_PTR MessageDialog::OnPaint(HWND dialog)
{
    PaintDC paint(dialog);
    HDC dc = paint.Get();
    FontHandle bold;
    if (HFONT font = reinterpret_cast<HFONT>(SendMessageA(dialog, WM_GETFONT, 0, 0))) {
        LOGFONTA description{};
        if (GetObjectA(font, sizeof description, &description)) {
            description.lfWeight = FW_BOLD;
            bold.Reset(CreateFontIndirectA(&description));
        }
    }
    char heading[256];
    GetDlgItemTextA(dialog, IDC_MESSAGE_HEADING, heading, sizeof heading);
    RECT place{};
    GetWindowRect(GetDlgItem(dialog, IDC_MESSAGE_HEADING), &place);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&place), 2);

    // Without a bold font the heading comes in the DC's current font.
    const HGDIOBJ previousFont = bold ? SelectObject(dc, bold.Get()) : nullptr;
    const int previousMode = SetBkMode(dc, TRANSPARENT);
    TextOutA(dc, place.left, place.top, heading, lstrlenA(heading));
    SetBkMode(dc, previousMode);
    if (previousFont)
        SelectObject(dc, previousFont);
    return 0;
}

INT_PTR MessageDialog::OnCommand(HWND* dialog, WPARAM* wParam, LPARAM*)
{
    switch (LOWORD(*wParam)) {
    case IDOK:
        if (dontShowAgain_)
            *dontShowAgain_ = IsDlgButtonChecked(*dialog, IDC_MESSAGE_DONT_SHOW) == BST_CHECKED ? 1 : 0;
        EndModal(*dialog);
        return 1;
    case IDCANCEL:
        EndModal(*dialog);
        return 1;
    default:
        return 0;
    }
}

namespace {

BOOL CALLBACK FindNotice(HWND window, LPARAM found)
{
    char title[64];
    if (GetWindowTextA(window, title, sizeof title) > 0 && lstrcmpA(title, WARNING_TITLE) == 0) {
        *reinterpret_cast<bool*>(found) = true;
        return FALSE;
    }
    return TRUE;
}

bool NoticeOpen()
{
    bool found = false;
    EnumThreadWindows(GetCurrentThreadId(), FindNotice, reinterpret_cast<LPARAM>(&found));
    return found;
}

} // namespace

bool ShowWarningNotice(HINSTANCE module, const char* text)
{
    if (NoticeOpen())
        return false;
    // Escape leaves the flag as it is: the box's initial state, so a warning
    // dismissed with Escape does not come back the same day.
    int dontShowAgain = 1;
    new MessageDialog(module, nullptr, text, &dontShowAgain);
    return dontShowAgain == 1;
}
