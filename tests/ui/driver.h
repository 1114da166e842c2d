#pragma once
// The driver of the real Stundwerk.exe for the end-to-end tests, the pictures
// and the kill runs: started in a throwaway folder of its own and worked only
// from outside, as a user would (tray icon messages, menu keys, commands, keys
// to the list, the buttons of its message boxes); its list read across the
// process boundary; stundwerk-cli on the same files.
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

std::string DateText(unsigned day, unsigned month, unsigned year); // DD.MM.YYYY
int MinutesNow();                                                  // since midnight, by the real clock

// The billing period that holds today by the real clock, which the program reads.
struct CurrentPeriod {
    unsigned day, month, year, startDay; // today's day; the period's month and year
    std::string FileName() const;        // MMYYYY.SW, or MMYYYY_S.SW for a first billing day S other than 1
};
CurrentPeriod PeriodOfToday(unsigned startDay);

// A copy of the built Stundwerk.exe in a new folder (its settings file lives beside it).
class ProgramFolder {
public:
    ProgramFolder() : ready_(CopyFileA(STUNDWERK_EXE, File("Stundwerk.exe").c_str(), FALSE) != 0) {}
    bool Ready() const { return ready_; }
    std::string Path() const { return temp_.path().string(); }
    std::string File(const std::string& name) const { return Path() + "\\" + name; }
    std::string SettingsFile() const { return File("stundwrk.ini"); }
    // stundwrk.ini: Options with this folder as the working directory and the
    // given "Key=Value" lines, Window with the frame's place.
    void WriteSettings(const std::vector<std::string>& options, const RECT& frame = {40, 30, 840, 590}) const;
    // The built stundwerk-cli.exe on this folder's settings file and plans:
    // its exit code; what it prints to standard output goes to output.
    int Cli(const std::string& arguments, std::string* output = nullptr) const;

private:
    TempFolder temp_;
    bool ready_; // after temp_, which File() needs
};

// A list view's rows in another process of this program's pointer size:
// the first column's item data and the cells' texts joined by tabs, in UTF-8.
struct ListViewRow {
    LPARAM key = 0;
    std::string text;
};
std::vector<ListViewRow> ReadListViewRows(HWND list);

constexpr UINT TRAY_CALLBACK = WM_USER + 0x66;
constexpr WPARAM TRAY_ICON_ID = 1;
enum class TrayItem { Kommen, Gehen, Oeffnen, Verbergen, Beenden }; // the tray menu in order

class StundwerkProcess {
public:
    // Starts folder\Stundwerk.exe and waits for its frame.
    explicit StundwerkProcess(const std::string& folder);
    ~StundwerkProcess() { Kill(); }
    StundwerkProcess(const StundwerkProcess&) = delete;
    StundwerkProcess& operator=(const StundwerkProcess&) = delete;

    bool Started() const { return frame_ != nullptr; }
    HWND Frame() const { return frame_; }
    bool Running() const;
    bool WaitForExit(DWORD timeoutMs, DWORD& exitCode) const;
    // Ends it by force if it still runs and waits until its frame is gone.
    void Kill();

    HWND FindWindowOfClass(const char* className, bool visibleOnly = true) const; // top-level, or null
    HWND ActivePlanWindow() const;
    HWND PlanList() const;

    // Opens the tray menu as a right click on the icon does; with an item, chooses it by the menu keys.
    HWND OpenTrayMenu() const;
    bool ChooseTrayItem(TrayItem item) const;
    void Command(WORD id) const;
    // Waits for a message box and presses the button: "title: text", or "" when none came.
    std::string AnswerMessageBox(int button) const;

private:
    PROCESS_INFORMATION process_{};
    HWND frame_ = nullptr;
};
