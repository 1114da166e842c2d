#include "tests/support/dialog_driver.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <map>

#include "tests/support/window_picture.h"

namespace {

// A script and the title of its window; no title: the enabled dialog on top.
struct Armed {
    std::string title;
    std::function<void(HWND)> script;
};

// Armed scripts by their timer.
std::map<UINT_PTR, Armed>& Scripts()
{
    static std::map<UINT_PTR, Armed> scripts;
    return scripts;
}

struct WindowSearch {
    const std::string* title; // empty: the enabled dialog on top
    HWND found;
};

BOOL CALLBACK FindWanted(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<WindowSearch*>(data);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const bool wanted = search->title->empty() ? lstrcmpA(className, "#32770") == 0 && IsWindowEnabled(window)
                                               : TitleOf(window) == *search->title;
    if (!wanted || !IsWindowVisible(window))
        return TRUE;
    search->found = window;
    return FALSE;
}

HWND FindWindowFor(const std::string& title)
{
    WindowSearch search{&title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindWanted, reinterpret_cast<LPARAM>(&search));
    return search.found;
}

// Dialogs that a script left open, each with the timer that checks on it.
std::map<UINT_PTR, HWND>& Watched()
{
    static std::map<UINT_PTR, HWND> watched;
    return watched;
}

// A failed check can end a script before it closes its dialog; the test
// fails then instead of waiting for ever.
void CALLBACK CloseForgottenDialog(HWND, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(nullptr, timer);
    HWND dialog = Watched()[timer];
    Watched().erase(timer);
    if (Scripts().empty() && IsOpen(dialog)) {
        ADD_FAILURE() << "a dialog was left open: " << TitleOf(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!Scripts().count(timer)) {
        KillTimer(nullptr, timer); // disarmed; its last tick was already waiting
        return;
    }
    HWND dialog = FindWindowFor(Scripts()[timer].title);
    if (!dialog)
        return; // not shown yet: the timer comes again
    KillTimer(nullptr, timer);
    std::function<void(HWND)> script = std::move(Scripts()[timer].script);
    Scripts().erase(timer);
    script(dialog);
    Watched()[SetTimer(nullptr, 0, 5000, CloseForgottenDialog)] = dialog;
}

} // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> script)
{
    WhenWindowOpens("", std::move(script));
}

void WhenWindowOpens(const std::string& title, std::function<void(HWND window)> script)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunScript);
    Scripts()[timer] = {title, std::move(script)};
}

void DisarmDialogScripts()
{
    for (const auto& armed : Scripts())
        KillTimer(nullptr, armed.first);
    Scripts().clear();
}

std::string TitleOf(HWND window)
{
    char title[256] = {};
    GetWindowTextA(window, title, sizeof title);
    return title;
}

void Type(HWND dialog, int id, const std::string& text)
{
    SetDlgItemTextA(dialog, id, text.c_str());
}

std::string TextOf(HWND dialog, int id)
{
    char text[512] = {};
    GetDlgItemTextA(dialog, id, text, sizeof text);
    return text;
}

void Click(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

bool Checked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

bool Enabled(HWND dialog, int id)
{
    return IsWindowEnabled(GetDlgItem(dialog, id)) != FALSE;
}

bool IsOpen(HWND dialog)
{
    return IsWindow(dialog) && IsWindowVisible(dialog);
}

void PressKey(HWND dialog, WPARAM key)
{
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : dialog, WM_KEYDOWN, key, 1);
}

void PressAlt(HWND dialog, char letter)
{
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : dialog, WM_SYSCHAR, static_cast<WPARAM>(letter), 1 << 29);
}

std::vector<int> TabOrder(HWND dialog)
{
    std::vector<int> ids;
    HWND first = GetNextDlgTabItem(dialog, nullptr, FALSE);
    for (HWND item = first; item; item = GetNextDlgTabItem(dialog, item, FALSE)) {
        ids.push_back(GetDlgCtrlID(item));
        if (GetNextDlgTabItem(dialog, item, FALSE) == first || ids.size() > 40)
            break;
    }
    return ids;
}

void Choose(HWND dialog, int id, int index)
{
    HWND box = GetDlgItem(dialog, id);
    SendMessageA(box, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, CBN_SELCHANGE), reinterpret_cast<LPARAM>(box));
}

void SaveScreenshot(HWND window, const char* name)
{
    const char* folder = std::getenv("STUNDWERK_SCREENSHOTS");
    if (!folder || !*folder)
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    PumpUntilIdle();
    const std::string path = std::string(folder) + "/" + name + ".bmp";
    if (!SaveWindowPicture(window, path.c_str()))
        std::fprintf(stderr, "could not save %s\n", path.c_str());
}
