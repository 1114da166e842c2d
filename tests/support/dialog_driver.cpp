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
std::map<UINT_PTR, Armed> scripts;

constexpr UINT_PTR FORGOTTEN_DIALOG_TIMER = 0x5744;

struct WindowSearch {
    const std::string& title;
    HWND found;
};

BOOL CALLBACK FindWanted(HWND window, LPARAM data)
{
    auto& search = *reinterpret_cast<WindowSearch*>(data);
    char className[16] = {};
    GetClassNameA(window, className, sizeof className);
    const bool wanted = search.title.empty() ? lstrcmpA(className, "#32770") == 0 && IsWindowEnabled(window)
                                             : TitleOf(window) == search.title;
    if (wanted && IsWindowVisible(window))
        search.found = window;
    return search.found == nullptr;
}

// A failed check can end a script before it closes its dialog; the test
// fails then instead of waiting for ever.
void CALLBACK CloseForgottenDialog(HWND dialog, UINT, UINT_PTR timer, DWORD)
{
    KillTimer(dialog, timer);
    if (scripts.empty() && IsOpen(dialog)) {
        ADD_FAILURE() << "a dialog was left open: " << TitleOf(dialog);
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    }
}

void CALLBACK RunScript(HWND, UINT, UINT_PTR timer, DWORD)
{
    if (!scripts.count(timer)) {
        KillTimer(nullptr, timer); // disarmed; its last tick was already waiting
        return;
    }
    WindowSearch search{scripts[timer].title, nullptr};
    EnumThreadWindows(GetCurrentThreadId(), FindWanted, reinterpret_cast<LPARAM>(&search));
    if (!search.found)
        return; // not shown yet: the timer comes again
    KillTimer(nullptr, timer);
    std::function<void(HWND)> script = std::move(scripts[timer].script);
    scripts.erase(timer);
    script(search.found);
    SetTimer(search.found, FORGOTTEN_DIALOG_TIMER, 5000, CloseForgottenDialog);
}

} // namespace

void WhenDialogOpens(std::function<void(HWND dialog)> script)
{
    WhenWindowOpens("", std::move(script));
}

void WhenWindowOpens(const std::string& title, std::function<void(HWND window)> script)
{
    const UINT_PTR timer = SetTimer(nullptr, 0, 20, RunScript);
    scripts[timer] = {title, std::move(script)};
}

void DisarmDialogScripts()
{
    for (const auto& armed : scripts)
        KillTimer(nullptr, armed.first);
    scripts.clear();
}

void SaveScreenshot(HWND window, const char* name)
{
    const char* folder = std::getenv("STUNDWERK_SCREENSHOTS");
    if (!folder || !*folder)
        return;
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // This thread's messages for about a second, so that every window has painted.
    for (const DWORD start = GetTickCount(); GetTickCount() - start < 1000; Sleep(50)) {
        MSG message{};
        while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageA(&message);
    }
    const std::string path = std::string(folder) + "/" + name + ".bmp";
    RECT rect{};
    GetWindowRect(window, &rect);
    if (!SaveScreenPicture(rect, path.c_str()))
        std::fprintf(stderr, "could not save %s\n", path.c_str());
}
