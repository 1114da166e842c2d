#pragma once
// Drives modal dialogs through their real controls from inside their own
// modal loop: a thread timer runs a script on the dialog once it shows, so
// everything happens in order on the test's one thread.
#include <windows.h>

#include <functional>
#include <string>

// Runs script on the next dialog window of this thread that shows up
// enabled: the modal dialog, sheet or system dialog that is on top. Arm it
// before opening the dialog; arm another from inside a script for a dialog
// that the script opens.
void WhenDialogOpens(std::function<void(HWND dialog)> script);
// The same for the next visible window of this thread with this title, for
// windows that need not be on top: a system print dialog, a message box.
void WhenWindowOpens(const std::string& title, std::function<void(HWND window)> script);

// Drops every script that has not run yet, as before a test's end.
void DisarmDialogScripts();

inline std::string TitleOf(HWND window)
{
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

inline void Type(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

inline std::string TextOf(HWND dialog, int id)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

// A mouse click on a button, radio button or check box, as BM_CLICK does it.
inline void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

inline bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

// Whether the dialog is still open (EndDialog hides it).
inline bool IsOpen(HWND dialog)
{
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

// Selects a combo box item and tells the dialog, as a user's choice does.
inline void Choose(HWND dialog, int id, int index)
{
    HWND box = GetDlgItem(dialog, id);
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}
// With STUNDWERK_SCREENSHOTS naming a folder (a Windows path), saves what the
// screen shows of the window there as name.bmp.
void SaveScreenshot(HWND window, const char* name);
