#include "app/waiting_dialog.h"

namespace {

BOOL CALLBACK FindDialog(HWND window, LPARAM lParam)
{
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    // "#32770" is the system's class of dialogs and message boxes.
    if (lstrcmpA(className, "#32770") != 0 || !IsWindowVisible(window) || !IsWindowEnabled(window))
        return TRUE;
    *reinterpret_cast<HWND*>(lParam) = window;
    return FALSE;
}

} // namespace

HWND FindWaitingDialog()
{
    HWND found = nullptr;
    EnumThreadWindows(GetCurrentThreadId(), FindDialog, reinterpret_cast<LPARAM>(&found));
    return found;
}
