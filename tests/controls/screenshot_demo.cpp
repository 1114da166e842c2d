// Shows a window with a button bar and a title banner, as the month plan
// screen uses them, and saves what the screen shows of it as a BMP file
// (argument 1) for a person to look at. Fails unless the screen shows the
// looks the controls promise: a raised button framed, the others on the bar
// colour, the banner on grey.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "controls/bb_control.h"
#include "controls/tb_control.h"
#include "framework/handles.h"
#include "tests/controls/bb_control_access.h"
#include "tests/controls/command_sink.h"
#include "tests/support/window_picture.h"

namespace {

constexpr COLORREF BAR_COLOUR = RGB(0x3A, 0x5F, 0x8F);

// Whether the screen shows colour at (x, y) of window; a miss is reported.
bool Shows(const char* what, HWND window, int x, int y, COLORREF colour)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    WindowDC screen(nullptr);
    const COLORREF seen = GetPixel(screen.Get(), rect.left + x, rect.top + y);
    if (seen == colour)
        return true;
    std::fprintf(stderr, "%s: colour 0x%06lx instead of 0x%06lx\n", what, static_cast<unsigned long>(seen),
                 static_cast<unsigned long>(colour));
    return false;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 2) {
        std::fprintf(stderr, "usage: controls_screenshot picture.bmp\n");
        return 2;
    }
    HINSTANCE module = GetModuleHandleA(nullptr);
    CommandSink frame(560, 440);
    SetWindowPos(frame.Handle(), HWND_TOP, 40, 40, 560, 440, SWP_SHOWWINDOW);

    BBControl* bar = BBControl::GetInstance();
    bar->Create(module, frame.Handle(), 0, 0, 90, 440);
    bar->SetBackgroundColour(BAR_COLOUR);
    bar->SetTextColour(RGB(255, 255, 255));
    bar->AddGroup("Eintr\xE4ge", 0, 0);
    bar->AddGroup("Zeitpl\xE4ne", 0, 0);
    const char* entries[] = {"Kommen",   "Gehen",  "Bearbeiten", "Arbeitstag",
                             "Gleittag", "Urlaub", "Krankheit",  "Feiertag"};
    const char* icons[] = {"TEST_CLOCK", "TEST_CALENDAR", "TEST_SUN"};
    for (int i = 0; i < 8; ++i)
        bar->AddItem(0, entries[i], icons[i % 3], 600 + i);
    bar->AddItem(1, "Neu", "TEST_CALENDAR", 700);
    bar->AddItem(1,
                 "\xD6"
                 "ffnen",
                 "TEST_CLOCK", 701);
    bar->EnableItem(0, 2, 0);
    bar->ShowBar();

    TBControl banner(module, frame.Handle(), 95, 5, 560 - 100, 34);
    banner.SetContent("Monatsplan f\xFCr Dezember 2024", "TEST_CALENDAR", 0);
    banner.ShowBanner();
    TBControl longBanner(module, frame.Handle(), 95, 45, 260, 34);
    longBanner.SetContent("Ein sehr langer Titel, der nicht in das Band passt", "TEST_SUN", 0);
    longBanner.ShowBanner();

    PumpUntilIdle();
    // Point at the second button so its raised look shows.
    HWND raised = BBControlTestAccess::ItemWindow(*bar, 0, 1);
    SendMouse(bar->GetBarWindow(), WM_MOUSEMOVE, raised);
    PumpUntilIdle();

    const bool saved = SaveWindowPicture(frame.Handle(), argv[1]);
    bool looks = Shows("raised button, top edge", raised, 30, 0, RGB(255, 255, 255));
    looks &= Shows("raised button, bottom edge", raised, 30, 59, RGB(0, 0, 0));
    looks &= Shows("normal button", BBControlTestAccess::ItemWindow(*bar, 0, 0), 3, 3, BAR_COLOUR);
    looks &= Shows("banner", banner.GetBannerWindow(), 3, 3, RGB(128, 128, 128));
    ReleaseCapture();
    BBControl::ReleaseInstance(bar);
    return saved && looks ? 0 : 1;
}
