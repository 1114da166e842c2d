// Pictures of the real Stundwerk.exe for a person to look at: the frame with
// an open month plan, the tray menu, the entry context menu, a tool bar
// tooltip and the status bar, saved as BMP files under the five names given
// in this order. Exits non-zero when a picture could not be made.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "tests/support/window_picture.h"
#include "tests/ui/current_period.h"
#include "tests/ui/program_folder.h"
#include "tests/ui/remote_memory.h"
#include "tests/ui/stundwerk_process.h"
#include "tests/ui/tray_tips.h"
#include "tests/ui/wait_until.h"

namespace {

enum Picture { FRAME, TRAY_MENU, ENTRY_MENU, TOOLBAR_TOOLTIP, STATUS_BAR, PICTURES };

const char* picturePaths[PICTURES];
int saved = 0;

void Save(Picture picture, const RECT& area)
{
    if (SaveScreenPicture(area, picturePaths[picture]))
        ++saved;
    else
        std::fprintf(stderr, "no picture %s\n", picturePaths[picture]);
}

RECT WindowRectOf(HWND window)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    return rect;
}

RECT Around(RECT first, const RECT& second, int margin)
{
    UnionRect(&first, &first, &second);
    InflateRect(&first, margin, margin);
    RECT screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    IntersectRect(&first, &first, &screen);
    return first;
}

void MouseInput(DWORD flags, POINT at)
{
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = MulDiv(at.x, 65535, GetSystemMetrics(SM_CXSCREEN) - 1);
    input.mi.dy = MulDiv(at.y, 65535, GetSystemMetrics(SM_CYSCREEN) - 1);
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE | MOUSEEVENTF_MOVE;
    SendInput(1, &input, sizeof input);
}

void Settle()
{
    Sleep(800);
}

void PrepareMonthPlan(const ProgramFolder& folder, const CurrentPeriod& period)
{
    const std::string month = "." + std::to_string(period.month) + "." + std::to_string(period.year);
    folder.Cli("entry 01" + month + " 08:00 16:30 --remark Messe");
    folder.Cli("vacation 02" + month);
    folder.Cli("entry 03" + month + " 07:45 12:00");
    folder.Cli("entry 03" + month + " 12:30 17:15 --remark \"Nach der Mittagspause\"");
    folder.Cli("flexi 04" + month);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != PICTURES + 1) {
        std::fprintf(stderr,
                     "usage: ui_screenshots frame.bmp tray-menu.bmp entry-menu.bmp tooltip.bmp status-bar.bmp\n");
        return 2;
    }
    for (int picture = 0; picture < PICTURES; ++picture)
        picturePaths[picture] = argv[picture + 1];
    ProgramFolder folder;
    if (!folder.Ready()) {
        std::fprintf(stderr, "Stundwerk.exe could not be copied\n");
        return 1;
    }
    const CurrentPeriod period = PeriodOfToday(1);
    folder.WriteSettings({"OpenMonth=1"}, {30, 20, 1030, 720});
    PrepareMonthPlan(folder, period);

    StundwerkProcess program(folder.Path());
    HWND list = nullptr;
    if (!program.Started() || !WaitUntil([&] { return (list = program.PlanList()) != nullptr; })) {
        std::fprintf(stderr, "Stundwerk did not open its month plan\n");
        return 1;
    }
    program.ChooseTrayItem(TrayItem::Kommen);
    Settle();
    const HWND frame = program.Frame();
    Save(FRAME, WindowRectOf(frame));

    // A right click on the shell's tray icon, which passes it on to the program;
    // the program opens its menu where the mouse is.
    HWND menu = nullptr;
    for (const TrayIcon& icon : TrayIcons()) {
        if (icon.tip.rfind("Kommen: ", 0) != 0)
            continue;
        const RECT place = WindowRectOf(icon.window);
        const POINT at{(place.left + place.right) / 2, (place.top + place.bottom) / 2};
        SetCursorPos(at.x, at.y);
        PostMessageA(icon.window, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(8, 8));
        PostMessageA(icon.window, WM_RBUTTONUP, 0, MAKELPARAM(8, 8));
        if (WaitUntil([&] { return (menu = program.FindWindowOfClass("#32768")) != nullptr; })) {
            Settle();
            Save(TRAY_MENU, Around(WindowRectOf(menu), WindowRectOf(GetAncestor(icon.window, GA_ROOT)), 10));
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            WaitUntil([&] { return !IsWindowVisible(menu); });
        }
    }

    RECT row{LVIR_BOUNDS, 0, 0, 0};
    if (ControlItemRect(list, LVM_GETITEMRECT, 2, row)) {
        const POINT at{row.left + 120, (row.top + row.bottom) / 2};
        MouseInput(0, at);
        MouseInput(MOUSEEVENTF_RIGHTDOWN, at);
        MouseInput(MOUSEEVENTF_RIGHTUP, at);
        if (WaitUntil([&] { return (menu = program.FindWindowOfClass("#32768")) != nullptr; })) {
            Settle();
            Save(ENTRY_MENU, Around(WindowRectOf(frame), WindowRectOf(menu), 0));
            PostMessageA(menu, WM_KEYDOWN, VK_ESCAPE, 0);
            WaitUntil([&] { return !IsWindowVisible(menu); });
        }
    }

    const HWND toolBar = program.FrameChild(TOOLBARCLASSNAMEA);
    RECT button{};
    if (toolBar && ControlItemRect(toolBar, TB_GETITEMRECT, 2, button)) {
        const POINT at{(button.left + button.right) / 2, (button.top + button.bottom) / 2};
        MouseInput(0, {at.x - 3, at.y});
        Sleep(100);
        MouseInput(0, at);
        Sleep(1500);
        RECT top = WindowRectOf(frame);
        top.bottom = button.bottom + 80;
        Save(TOOLBAR_TOOLTIP, top);
    }
    MouseInput(0, {5, 5});

    const HWND statusBar = program.FrameChild(STATUSCLASSNAMEA);
    if (statusBar) {
        RECT strip = WindowRectOf(statusBar);
        strip.top -= 60;
        Save(STATUS_BAR, strip);
    }

    program.ChooseTrayItem(TrayItem::Beenden);
    program.AnswerMessageBox(IDYES);
    return saved == PICTURES ? 0 : 1;
}
