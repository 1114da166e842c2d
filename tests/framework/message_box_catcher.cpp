#include "tests/framework/message_box_catcher.h"

#include <cstdio>

namespace {

// The message text control of a system message box.
constexpr int MESSAGE_TEXT_ID = 0xFFFF;
// Its icon, on Windows and on Wine.
constexpr int MESSAGE_ICON_ID = 0x14;
constexpr int WINE_MESSAGE_ICON_ID = 0x440;

MessageBoxCatcher* current = nullptr;

} // namespace

// A message box has its text, its icon and its buttons and nothing else;
// an application dialog has labels with the same id as the text.
bool IsMessageBox(HWND window)
{
    char className[32] = {};
    GetClassNameA(window, className, sizeof className);
    if (lstrcmpA(className, "#32770") != 0 || !GetDlgItem(window, MESSAGE_TEXT_ID) ||
        (GetWindowLongA(window, GWL_STYLE) & WS_CHILD))
        return false;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        const int id = GetDlgCtrlID(child);
        if (id > IDCONTINUE && id != MESSAGE_TEXT_ID && id != MESSAGE_ICON_ID && id != WINE_MESSAGE_ICON_ID)
            return false;
    }
    return true;
}

// Looks at each message box once its WM_INITDIALOG has filled in the texts.
LRESULT CALLBACK MessageBoxCatcher::AfterWindowProcedure(int code, WPARAM wParam, LPARAM lParam)
{
    const auto* call = reinterpret_cast<const CWPRETSTRUCT*>(lParam);
    if (code == HC_ACTION && call->message == WM_INITDIALOG && current && IsMessageBox(call->hwnd)) {
        char title[256] = {};
        char text[1024] = {};
        GetWindowTextA(call->hwnd, title, sizeof title);
        GetDlgItemTextA(call->hwnd, MESSAGE_TEXT_ID, text, sizeof text);
        current->boxes_.push_back({title, text});
        // Seen on stderr by tests that watch another process end.
        std::fprintf(stderr, "[message box] %s: %s\n", title, text);
        std::fflush(stderr);
        if (current->mode_ == ANSWER)
            PostMessageA(call->hwnd, WM_COMMAND, current->answerYes_ && GetDlgItem(call->hwnd, IDYES) ? IDYES : IDOK,
                         0);
    }
    return CallNextHookEx(nullptr, code, wParam, lParam);
}

MessageBoxCatcher::MessageBoxCatcher(Mode mode)
    : hook_(SetWindowsHookExA(WH_CALLWNDPROCRET, AfterWindowProcedure, nullptr, GetCurrentThreadId())), mode_(mode)
{
    current = this;
}

MessageBoxCatcher::~MessageBoxCatcher()
{
    UnhookWindowsHookEx(hook_);
    current = nullptr;
}

void MessageBoxCatcher::Forget(std::size_t first)
{
    if (first < boxes_.size())
        boxes_.resize(first);
}
