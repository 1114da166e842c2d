// The program as a user meets it under Wine: start until the tray icon is
// there (Stundwerk.exe as a process, and the frame built in-process),
// "Kommen" until its row is listed, a list refresh, one tick of the day
// timer, and the working set. Every figure is the median of repeated runs.
//
// Usage: app_bench_wine [path of Stundwerk.exe]; by default the one built
// beside this program (../app/Stundwerk.exe).
#include <windows.h>

#include <commctrl.h>
#include <psapi.h>
#include <shellapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/main_frame.h"
#include "app/month_plan_window.h"
#include "calendar/calendar.h"
#include "framework/application.h"
#include "ini/profile_batch.h"
#include "resources/resource_ids.h"
#include "tests/core/core_fakes.h"
#include "bench/support/import_patch.h"
#include "tests/framework/message_box_catcher.h"
#include "tests/support/temp_folder.h"

namespace {

using Steady = std::chrono::steady_clock;

double MsSince(Steady::time_point start, Steady::time_point end = Steady::now())
{
    return std::chrono::duration<double, std::milli>(end - start).count();
}

double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

std::vector<double> Repeat(int runs, const std::function<double()>& run)
{
    std::vector<double> times;
    for (int i = 0; i < runs; ++i)
        times.push_back(run());
    return times;
}

void Report(const char* what, const std::vector<double>& times)
{
    std::printf("%-62s %9.2f ms  (min %.2f, max %.2f, n=%zu)\n", what, Median(times),
                *std::min_element(times.begin(), times.end()), *std::max_element(times.begin(), times.end()),
                times.size());
}

double Megabytes(SIZE_T bytes)
{
    return static_cast<double>(bytes) / (1024.0 * 1024.0);
}

void ReportMemory(const char* what, HANDLE process)
{
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof counters;
    if (!GetProcessMemoryInfo(process, &counters, sizeof counters)) {
        std::printf("%-62s unavailable\n", what);
        return;
    }
    std::printf("%-62s %6.1f MB working set (peak %.1f), %.1f MB private\n", what, Megabytes(counters.WorkingSetSize),
                Megabytes(counters.PeakWorkingSetSize), Megabytes(counters.PagefileUsage));
}

// Runs what waits in this thread's queue; a destroyed frame posts WM_QUIT,
// which is dropped here.
void Pump()
{
    MSG message{};
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT)
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

// The moment the frame adds its tray icon, seen through the program's import.
Steady::time_point trayAdded;
using NotifyIconFunction = BOOL(WINAPI*)(DWORD, PNOTIFYICONDATAA);
// Taken from the DLL itself: the program's import points back at the stand-in.
const auto systemNotifyIcon = reinterpret_cast<NotifyIconFunction>(
    reinterpret_cast<void (*)()>(GetProcAddress(LoadLibraryA("shell32.dll"), "Shell_NotifyIconA")));
BOOL WINAPI RecordTrayAdd(DWORD action, PNOTIFYICONDATAA data)
{
    if (action == NIM_ADD)
        trayAdded = Steady::now();
    return systemNotifyIcon(action, data);
}

unsigned DaysIn(unsigned month, unsigned year)
{
    unsigned days = 28;
    while (days < 31 && Calendar().IsValidDate(days + 1, month, year))
        ++days;
    return days;
}

// A working folder with stundwrk.ini and month plans: the program's file
// lives there too, so the frame reads its settings from there.
class Workspace {
public:
    void WriteOptions(const std::vector<std::string>& lines)
    {
        std::string text = "[Options]\r\nWorkingDir=" + folder_.path().string() + "\r\n";
        for (const std::string& line : lines)
            text += line + "\r\n";
        WriteBytes(folder_.File("stundwrk.ini"), text);
    }

    // clock null: the machine's time.
    std::unique_ptr<MainFrame> Start(Clock* clock)
    {
        MainFrameSetup setup;
        setup.showCommand = SW_SHOWNORMAL;
        setup.modulePath = folder_.File("Stundwerk.exe");
        setup.clock = clock;
        return std::make_unique<MainFrame>(setup);
    }

    // The plan of today's period with perDay completed entries of 100 minutes
    // on every day, two hours apart from 07:00; then OpenMonth is set. The
    // plan window's title.
    std::string CreatePlan(Clock* clock, int perDay)
    {
        WriteOptions({"OpenMonth=0"});
        std::unique_ptr<MainFrame> frame = Start(clock);
        unsigned month = 0, year = 0;
        frame->Core().TodaysPeriod(month, year);
        frame->Core().OpenMonthPlan(month, year, true, false);
        MonthPlan& plan = frame->GetActiveMonthPlan()->Plan();
        {
            ProfileBatch batch(frame->Store());
            for (unsigned day = 1; day <= DaysIn(month, year); ++day) {
                EntryRecord record;
                plan.ReadEntry(day, 1, record);
                for (int k = 0; k < perDay; ++k) {
                    record.Come = 7 * 60 + k * 120;
                    record.Go = record.Come + 100;
                    plan.WriteEntry(day, static_cast<unsigned>(k + 1), record);
                }
            }
            plan.Recompute(1);
        }
        frame.reset();
        Pump();
        WriteOptions({"OpenMonth=1"});
        return FrameCore::PlanTitle(month, year);
    }

    const TempFolder& folder() const { return folder_; }

private:
    TempFolder folder_;
};

// Thursday 28 March 2002, 18:00: the day has its completed entries, "Kommen"
// adds one after them.
constexpr unsigned kDay = 28;
void SetBenchClock(FakeClock& clock, unsigned minute = 0)
{
    clock.Set(kDay, 3, 2002, 18, minute);
}

int ListCount(MonthPlanWindow& window)
{
    return static_cast<int>(SendMessageA(window.ListView(), LVM_GETITEMCOUNT, 0, 0));
}

// --- Stundwerk.exe as a process -------------------------------------------

struct ProcessStart {
    double window = 0; // FindWindowA("Stundwerk") finds the frame
    double plan = 0;   // the month plan window is open (after the tray icon)
    double idle = 0;   // waiting for input in its message loop
};

HWND PlanWindowOf(HWND frame, const std::string& title)
{
    HWND client = FindWindowExA(frame, nullptr, "MDICLIENT", nullptr);
    return client ? FindWindowExA(client, nullptr, nullptr, title.c_str()) : nullptr;
}

bool StartProcess(const std::string& exe, const std::string& planTitle, ProcessStart& figures, bool reportMemory)
{
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    std::string commandLine = "\"" + exe + "\"";
    const auto start = Steady::now();
    if (!CreateProcessA(exe.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                        &process)) {
        std::printf("cannot start %s (error %lu)\n", exe.c_str(), GetLastError());
        return false;
    }
    HWND frame = nullptr;
    const auto deadline = start + std::chrono::seconds(20);
    while (!(frame = FindWindowA("Stundwerk", nullptr)) && Steady::now() < deadline)
        Sleep(1);
    figures.window = MsSince(start);
    while (frame && !PlanWindowOf(frame, planTitle) && Steady::now() < deadline)
        Sleep(1);
    figures.plan = MsSince(start);
    WaitForInputIdle(process.hProcess, 20000);
    figures.idle = MsSince(start);
    const bool ok = frame && PlanWindowOf(frame, planTitle);
    if (reportMemory)
        ReportMemory("Stundwerk.exe after start (93 entries listed)", process.hProcess);
    // As at the end of a session: the settings are saved and the program ends
    // without asking.
    DWORD_PTR ignored = 0;
    if (frame)
        SendMessageTimeoutA(frame, WM_QUERYENDSESSION, 0, 0, SMTO_ABORTIFHUNG, 5000, &ignored);
    if (WaitForSingleObject(process.hProcess, 10000) != WAIT_OBJECT_0)
        TerminateProcess(process.hProcess, 1);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return ok;
}

void BenchProcessStart(const std::string& exe)
{
    Workspace space;
    const std::string title = space.CreatePlan(nullptr, 3);
    if (!CopyFileA(exe.c_str(), space.folder().File("Stundwerk.exe").c_str(), FALSE)) {
        std::printf("cannot copy %s\n", exe.c_str());
        return;
    }
    std::vector<double> window, plan, idle;
    for (int run = 0; run < 7; ++run) {
        ProcessStart figures;
        if (!StartProcess(space.folder().File("Stundwerk.exe"), title, figures, run == 0)) {
            std::printf("Stundwerk.exe did not show its month plan\n");
            return;
        }
        window.push_back(figures.window);
        plan.push_back(figures.plan);
        idle.push_back(figures.idle);
    }
    Report("Stundwerk.exe: process start until FindWindowA finds the frame", window);
    Report("Stundwerk.exe: until its month plan window (tray icon added)", plan);
    Report("Stundwerk.exe: until idle in its message loop", idle);
}

// --- the frame in-process ---------------------------------------------------

void BenchFrameStart(int openMonth)
{
    Workspace space;
    FakeClock clock;
    SetBenchClock(clock);
    if (openMonth)
        space.CreatePlan(&clock, 3);
    else
        space.WriteOptions({"OpenMonth=0"});
    ImportPatch patch("SHELL32.dll", "Shell_NotifyIconA", reinterpret_cast<const void*>(&RecordTrayAdd));
    if (!patch.Patched())
        std::printf("Shell_NotifyIconA is not imported: the tray figure is the whole construction\n");
    std::vector<double> tray, built, pumped;
    for (int run = 0; run < 15; ++run) {
        const auto start = Steady::now();
        std::unique_ptr<MainFrame> frame = space.Start(&clock);
        const auto end = Steady::now();
        Pump();
        pumped.push_back(MsSince(start));
        built.push_back(MsSince(start, end));
        tray.push_back(patch.Patched() ? MsSince(start, trayAdded) : built.back());
        if (openMonth && !frame->GetActiveMonthPlan())
            std::printf("OpenMonth=1 opened no plan\n");
        frame.reset();
        Pump();
    }
    const std::string label = "frame, OpenMonth=" + std::to_string(openMonth);
    Report((label + ": construction until the tray icon is added").c_str(), tray);
    Report((label + ": construction complete" + (openMonth ? " (93 entries listed)" : "")).c_str(), built);
    Report((label + ": construction and the queue run (painted)").c_str(), pumped);
}

// "Kommen" until the list shows the new row, on a plan of perDay entries a
// day; the entry is removed again between the runs.
void BenchArrival(int perDay, bool measureTicks)
{
    Workspace space;
    FakeClock clock;
    SetBenchClock(clock);
    space.CreatePlan(&clock, perDay);
    std::unique_ptr<MainFrame> frame = space.Start(&clock);
    Pump();
    MonthPlanWindow* window = frame->GetActiveMonthPlan();
    if (!window) {
        std::printf("no month plan open\n");
        return;
    }
    const int entries = 31 * perDay;
    if (measureTicks)
        ReportMemory("in-process, frame started (93 entries listed)", GetCurrentProcess());

    const std::string label = std::to_string(entries) + " entries: ";
    Report((label + "RefreshList, list painted").c_str(), Repeat(20, [&] {
               const auto start = Steady::now();
               window->Plan().RefreshList();
               UpdateWindow(window->ListView());
               return MsSince(start);
           }));

    const auto arrival = [&] {
        const int before = ListCount(*window);
        const auto start = Steady::now();
        SendMessageA(frame->Handle(), WM_COMMAND, CMD_RECORD_ARRIVAL, 0);
        UpdateWindow(window->ListView());
        const double ms = MsSince(start);
        if (ListCount(*window) != before + 1)
            std::printf("\"Kommen\" listed no new row\n");
        return ms;
    };
    Report((label + "\"Kommen\" (604) until the new row is painted").c_str(), Repeat(20, [&] {
               const double ms = arrival();
               {
                   ProfileBatch batch(frame->Store());
                   window->Plan().DeleteEntrySection(kDay, static_cast<unsigned>(perDay) + 1);
                   window->Plan().RecomputeDays(kDay);
               }
               window->Plan().RefreshList();
               return ms;
           }));
    if (!measureTicks)
        return;

    // During the working day: today's last entry is open and every tick
    // computes it live.
    arrival();
    int tick = 0;
    const auto timerTick = [&] {
        SetBenchClock(clock, static_cast<unsigned>(++tick % 60));
        const auto start = Steady::now();
        SendMessageA(frame->Handle(), WM_TIMER, DAY_TIMER_ID, 0);
        UpdateWindow(window->ListView());
        return MsSince(start);
    };
    const std::vector<double> ticks = Repeat(1000, timerTick);
    Report((label + "one tick (WM_TIMER, open entry computed live)").c_str(), ticks);
    Pump();
    ReportMemory("in-process, after 1,000 ticks", GetCurrentProcess());
}

std::string DefaultProgramPath()
{
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, sizeof path);
    std::string folder(path);
    folder.erase(folder.find_last_of("\\/") + 1);
    return folder + "..\\app\\Stundwerk.exe";
}

} // namespace

int main(int argc, char** argv)
{
    Application application(GetModuleHandleA(nullptr), nullptr, "Stundwerk", MAKEINTRESOURCEA(IDI_ICON1),
                            MAKEINTRESOURCEA(SWMENU), nullptr, nullptr);
    INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&controls);
    // Every figure appears as soon as it is measured.
    std::setvbuf(stdout, nullptr, _IONBF, 0);
    // A question or note would wait for a person; it is answered and counted.
    MessageBoxCatcher boxes;

    // First, while no frame of this process could be mistaken for the program's.
    BenchProcessStart(argc > 1 ? argv[1] : DefaultProgramPath());
    BenchFrameStart(0);
    BenchFrameStart(1);
    BenchArrival(3, true);
    BenchArrival(5, false);
    if (!boxes.Caught().empty())
        std::printf("%zu message boxes were answered, first: %s\n", boxes.Caught().size(),
                    boxes.Caught()[0].text.c_str());
    return 0;
}
