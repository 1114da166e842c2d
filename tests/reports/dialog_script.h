#pragma once
// Acts on the windows of this thread while a modal loop runs: a thread timer
// fires inside every modal loop, finds the window by its title and runs the
// action once, as a user at the screen would.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <functional>
#include <string>
#include <vector>

#include "tests/support/window_picture.h"

namespace dialog_script {

struct Pending {
    std::string title;
    std::function<void(HWND)> action;
};

inline std::vector<Pending>& Queue()
{
    static std::vector<Pending> queue;
    return queue;
}

struct Search {
    const char* title;
    HWND found;
};

inline BOOL CALLBACK FindVisible(HWND window, LPARAM data)
{
    auto* search = reinterpret_cast<Search*>(data);
    char title[256];
    if (IsWindowVisible(window) && GetWindowTextA(window, title, sizeof title) >= 0 &&
        lstrcmpA(title, search->title) == 0) {
        search->found = window;
        return FALSE;
    }
    return TRUE;
}

inline void CALLBACK Tick(HWND, UINT, UINT_PTR timer, DWORD)
{
    auto& queue = Queue();
    for (std::size_t i = 0; i < queue.size(); ++i) {
        Search search{queue[i].title.c_str(), nullptr};
        EnumThreadWindows(GetCurrentThreadId(), FindVisible, reinterpret_cast<LPARAM>(&search));
        if (!search.found)
            continue;
        Pending step = std::move(queue[i]);
        queue.erase(queue.begin() + static_cast<std::ptrdiff_t>(i));
        if (queue.empty())
            KillTimer(nullptr, timer);
        step.action(search.found);
        return;
    }
}

} // namespace dialog_script

// Runs action(window) once a visible window titled title is open in this
// thread; steps run in the order their windows appear.
inline void WhenWindowOpens(const char* title, std::function<void(HWND)> action)
{
    if (dialog_script::Queue().empty())
        SetTimer(nullptr, 0, 30, dialog_script::Tick);
    dialog_script::Queue().push_back({title, std::move(action)});
}

// What a user does to a dialog.
inline void PressButton(HWND dialog, int id)
{
    PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(dialog, id)));
}

inline void PressEscape(HWND dialog)
{
    HWND focus = GetFocus();
    PostMessageA(focus ? focus : dialog, WM_KEYDOWN, VK_ESCAPE, 0);
}

inline void ToggleBox(HWND dialog, int id)
{
    SendMessageA(GetDlgItem(dialog, id), BM_CLICK, 0, 0);
}

inline bool IsBoxChecked(HWND dialog, int id)
{
    return IsDlgButtonChecked(dialog, id) == BST_CHECKED;
}

// With STUNDWERK_SCREENSHOTS naming a folder (a Windows path), saves what the
// screen shows of the window there as name.bmp.
inline void SaveScreenshot(HWND window, const char* name)
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
