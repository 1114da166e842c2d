#include "app/status_bar.h"

#include <commctrl.h>

#include <cstdio>

namespace {

constexpr int END_OF_DAY_PART = 4;

} // namespace

HWND CreateStatusBar(HWND frame, int& height)
{
    HWND statusBar = CreateStatusWindowA(WS_CHILD | WS_VISIBLE, "", frame, STATUS_BAR_ID);
    if (!statusBar)
        return nullptr;
    RECT rect{};
    GetWindowRect(statusBar, &rect);
    height = rect.bottom - rect.top;
    return statusBar;
}

void ClearDayCounts(HWND statusBar)
{
    if (!statusBar)
        return;
    int edges[] = {-1};
    SendMessageA(statusBar, SB_SETPARTS, 1, reinterpret_cast<LPARAM>(edges));
    SendMessageA(statusBar, SB_SETTEXTA, 0, reinterpret_cast<LPARAM>(""));
}

void ShowDayCounts(HWND statusBar, const DayCounts& counts)
{
    if (!statusBar)
        return;
    int edges[] = {100, 200, 300, 400, -1};
    SendMessageA(statusBar, SB_SETPARTS, 5, reinterpret_cast<LPARAM>(edges));
    const struct {
        const char* format;
        unsigned count;
    } parts[] = {
        {"Arbeitstage: %u", counts.workDays},
        {"Gleittage: %u", counts.flexiDays},
        {"Urlaubstage: %u", counts.vacationDays},
        {"Kranktage: %u", counts.sickDays},
    };
    int index = 0;
    for (const auto& part : parts) {
        char text[64];
        std::snprintf(text, sizeof text, part.format, part.count);
        SendMessageA(statusBar, SB_SETTEXTA, index++, reinterpret_cast<LPARAM>(text));
    }
}

void ShowEndOfDay(HWND statusBar, const char* text)
{
    if (!statusBar)
        return;
    // Set at every tick: an unchanged text is not drawn again.
    char shown[64] = {};
    const auto length = LOWORD(SendMessageA(statusBar, SB_GETTEXTLENGTHA, END_OF_DAY_PART, 0));
    if (length < sizeof shown) {
        SendMessageA(statusBar, SB_GETTEXTA, END_OF_DAY_PART, reinterpret_cast<LPARAM>(shown));
        if (lstrcmpA(shown, text) == 0)
            return;
    }
    SendMessageA(statusBar, SB_SETTEXTA, END_OF_DAY_PART, reinterpret_cast<LPARAM>(text));
}
