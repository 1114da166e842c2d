#pragma once
// The driver of the real Stundwerk.exe for the end-to-end tests, the pictures
// and the kill runs: started in a throwaway folder of its own and worked only
// from outside, as a user would (tray icon messages, menu keys, commands, keys
// to the list, the buttons of its message boxes); its list and the shell's
// tray tips read across the process boundary; stundwerk-cli on the same files.
#include <windows.h>

#include <string>
#include <vector>

#include "tests/support/temp_folder.h"

// Polls a condition about another process until it holds or time runs out.
template <typename Condition>
bool WaitUntil(Condition condition, DWORD timeoutMs = 10000, DWORD stepMs = 20)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(stepMs))
        if (GetTickCount() - start > timeoutMs)
            return false;
    return true;
}

struct Date {
    unsigned day, month, year;
};
std::string DateText(const Date& date); // DD.MM.YYYY
int MinutesNow();                       // since midnight, by the real clock

// The billing period that holds today by the real clock, which the program reads.
struct CurrentPeriod {
    Date today;
    unsigned month, year, startDay;
    std::string FileName() const;     // MMYYYY.SW, or MMYYYY_S.SW for a first billing day S other than 1
    std::string FirstDayText() const; // DD.MM.YYYY
    std::string MonthAndYear() const; // "März 2025" (Windows-1252), as the plan window's title has it
};
CurrentPeriod PeriodOfToday(unsigned startDay);

struct CliResult {
    DWORD exitCode = 0;
    std::string output;
};

// A copy of the built Stundwerk.exe in a new folder (its settings file lives beside it).
class ProgramFolder {
public:
    ProgramFolder();
    bool Ready() const { return ready_; }
    const std::string& Path() const { return path_; }
    std::string File(const std::string& name) const { return path_ + "\\" + name; }
    std::string SettingsFile() const { return File("stundwrk.ini"); }
    // stundwrk.ini: Options with this folder as the working directory and the
    // given "Key=Value" lines, Window with the frame's place.
    void WriteSettings(const std::vector<std::string>& options, const RECT& frame = {40, 30, 840, 590}) const;
    // The built stundwerk-cli.exe on this folder's settings file and plans.
    CliResult Cli(const std::string& arguments) const;

private:
    TempFolder temp_;
    std::string path_;
    bool ready_ = false;
};

// A report list view's rows in another process: item data and each column's
// text (Windows-1252). Throws when the process cannot be read or has another
// pointer size than this program.
struct ListViewRow {
    LPARAM key = 0;
    std::vector<std::string> cells;
};
std::vector<ListViewRow> ReadListViewRows(HWND list);

// The notification area: Wine's shell gives each icon a window and a tooltip.
struct TrayIcon {
    HWND window;
    std::string tip;
};
std::vector<TrayIcon> TrayIcons();
std::string TrayTipStartingWith(const std::string& prefix); // the first such tip, or ""

constexpr UINT TRAY_CALLBACK = WM_USER + 0x66;
constexpr WPARAM TRAY_ICON_ID = 1;
enum class TrayItem { Kommen, Gehen, Oeffnen, Verbergen, Beenden }; // the tray menu in order

struct SeenMessageBox {
    std::string title, text;
};

class StundwerkProcess {
public:
    // Starts folder\Stundwerk.exe and waits for its frame. First lets the
    // shell drop icons of programs that were ended without removing them.
    explicit StundwerkProcess(const std::string& folder, bool forgetDeadTrayIcons = true);
    ~StundwerkProcess() { Kill(); }
    StundwerkProcess(const StundwerkProcess&) = delete;
    StundwerkProcess& operator=(const StundwerkProcess&) = delete;

    bool Started() const { return frame_ != nullptr; }
    HWND Frame() const { return frame_; }
    bool Running() const;
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;
    // Ends it by force if it still runs and waits until its frame is gone.
    void Kill();

    HWND FindWindowOfClass(const char* className) const; // visible, top-level, or null
    HWND ActivePlanWindow() const;
    HWND PlanList() const;

    bool ChooseTrayItem(TrayItem item) const; // as a right click on the icon and the menu keys
    void Command(WORD id) const;
    void SystemCommand(WPARAM command) const;
    void KeyToList(UINT virtualKey) const;
    // Waits for a message box, reads it and presses the button; empty when none came.
    SeenMessageBox AnswerMessageBox(int button, DWORD timeoutMs = 10000) const;

private:
    PROCESS_INFORMATION process_{};
    HWND frame_ = nullptr;
};
