// Pictures of the real Stundwerk.exe for a person to look at and for
// tools/guide-pictures: the welcome dialog of a first start, the frame with an
// open month plan, the tray menu, and the dialogs in the table
// below, saved as BMP files under the current folder (screenshots.sh makes
// PNG files of them). Exits non-zero when a picture could not be made.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>

#include "resources/resource_ids.h"
#include "tests/support/window_picture.h"
#include "tests/ui/driver.h"

namespace {

// The dialogs, each opened by its command on the open plan; the options
// sheet with each page and its last one as "options_automatik".
const struct {
    const char* name;
    WORD command;
} DIALOGS[] = {
    {"dialogs/time_entry_open_day", CMD_EDIT_ENTRY},
    {"dialogs/time_entry", CMD_ENTER_WORK_TIME},
    {"dialogs/vacation", CMD_ENTER_VACATION},
    {"dialogs/year_overview", CMD_YEAR_OVERVIEW},
    {"dialogs/options", CMD_OPTIONS},
    {"evaluation", CMD_MONTHLY_EVALUATION},
};

int failures = 0;

int Fail(const std::string& what)
{
    std::fprintf(stderr, "%s\n", what.c_str());
    return ++failures;
}

// What the screen shows of the window, once it has painted.
void Save(const std::string& name, HWND window)
{
    Sleep(800);
    RECT area{}, screen{0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)};
    GetWindowRect(window, &area);
    IntersectRect(&area, &area, &screen);
    if (!SaveScreenPicture(area, (name + ".bmp").c_str()))
        Fail("no picture " + name);
}

// Waits for a window of the class, takes its picture and closes it.
void TakeAndClose(const StundwerkProcess& program, const std::string& name, const char* className)
{
    HWND window = nullptr;
    if (!WaitUntil([&] { return (window = program.FindWindowOfClass(className)) != nullptr; })) {
        Fail("no window for " + name);
        return;
    }
    if (name != "dialogs/options") {
        Save(name, window);
    } else {
        const HWND tabs = reinterpret_cast<HWND>(SendMessageA(window, PSM_GETTABCONTROL, 0, 0));
        const int pages = static_cast<int>(SendMessageA(tabs, TCM_GETITEMCOUNT, 0, 0));
        for (int page = 0; page < pages; ++page) {
            SendMessageA(window, PSM_SETCURSEL, page, 0);
            Save(page + 1 < pages ? "dialogs/options_" + std::to_string(page + 1) : "dialogs/options_automatik",
                 window);
        }
    }
    const bool menu = std::string(className) == "#32768";
    PostMessageA(window, menu ? WM_KEYDOWN : WM_COMMAND, menu ? VK_ESCAPE : IDCANCEL, 0);
    WaitUntil([&] { return !IsWindowVisible(window); });
}

} // namespace

int main()
{
    CreateDirectoryA("dialogs", nullptr);
    ProgramFolder folder;
    // No settings file: the first start welcomes.
    TakeAndClose(StundwerkProcess(folder.Path()), "dialogs/welcome", "#32770");

    const CurrentPeriod period = PeriodOfToday(1);
    folder.WriteSettings({"OpenMonth=1", "SelectDay=1"}, {30, 20, 1030, 720});
    const std::string month = "." + std::to_string(period.month) + "." + std::to_string(period.year);
    folder.Cli("entry 01" + month + " 08:00 16:30 --remark Messe");
    folder.Cli("vacation 02" + month);
    folder.Cli("entry 03" + month + " 07:45 12:00");
    folder.Cli("entry 03" + month + " 12:30 17:15 --remark \"Nach der Mittagspause\"");
    folder.Cli("flexi 04" + month);
    StundwerkProcess program(folder.Path());
    if (!program.Started() || !WaitUntil([&] { return program.PlanList() != nullptr; }))
        return Fail("Stundwerk did not open its month plan");
    program.ChooseTrayItem(TrayItem::Kommen);
    Save("stundwerk", program.Frame());
    for (const auto& dialog : DIALOGS) {
        program.Command(dialog.command);
        TakeAndClose(program, dialog.name, "#32770");
    }
    // The tray menu opens where the mouse is.
    SetCursorPos(1100, 900);
    program.OpenTrayMenu();
    TakeAndClose(program, "ui-tray-menu", "#32768");
    program.ChooseTrayItem(TrayItem::Beenden);
    program.AnswerMessageBox(IDYES);
    return failures == 0 ? 0 : 1;
}
