#include "tests/ui/driver.h"

#include <commctrl.h>

#include <cstdio>
#include <fstream>
#include <stdexcept>

std::string DateText(unsigned day, unsigned month, unsigned year)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%u", day, month, year);
    return text;
}

int MinutesNow()
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    return now.wHour * 60 + now.wMinute;
}

CurrentPeriod PeriodOfToday(unsigned startDay)
{
    SYSTEMTIME now{};
    GetLocalTime(&now);
    CurrentPeriod period{now.wDay, now.wMonth, now.wYear, startDay};
    if (startDay > 1 && now.wDay < startDay) {
        period.month = now.wMonth == 1 ? 12 : now.wMonth - 1u;
        period.year = now.wMonth == 1 ? now.wYear - 1u : now.wYear;
    }
    return period;
}

std::string CurrentPeriod::FileName() const
{
    char name[32];
    std::snprintf(name, sizeof name, startDay == 1 ? "%02u%u.SW" : "%02u%u_%u.SW", month, year, startDay);
    return name;
}

void ProgramFolder::WriteSettings(const std::vector<std::string>& options, const RECT& frame) const
{
    std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
    out << "[Options]\r\nWorkingDir=" << Path() << "\\\r\n";
    for (const std::string& line : options)
        out << line << "\r\n";
    out << "[Window]\r\nLeft=" << frame.left << "\r\nTop=" << frame.top << "\r\nWidth=" << frame.right - frame.left
        << "\r\nHeight=" << frame.bottom - frame.top << "\r\n";
}

int ProgramFolder::Cli(const std::string& arguments, std::string* output) const
{
    // The command processor drops the outer quotes.
    const std::string command = "\"\"" STUNDWERK_CLI_EXE "\" --ini \"" + SettingsFile() + "\" " + arguments + "\"";
    std::FILE* pipe = _popen(command.c_str(), "rb");
    if (!pipe)
        return -1;
    std::string ignored;
    char buffer[4096];
    for (std::size_t got; (got = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        (output ? *output : ignored).append(buffer, got);
    return _pclose(pipe);
}

std::vector<ListViewRow> ReadListViewRows(HWND list)
{
    // The list view's messages carry pointers, which Windows does not copy
    // across processes: the item and its text are placed in the list's process.
    constexpr int TEXT_SIZE = 260;
    DWORD id = 0;
    GetWindowThreadProcessId(list, &id);
    const HANDLE process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, id);
    auto* remote = static_cast<char*>(
        VirtualAllocEx(process, nullptr, sizeof(LVITEMW) + sizeof(wchar_t) * TEXT_SIZE, MEM_COMMIT, PAGE_READWRITE));
    if (!remote)
        throw std::runtime_error("cannot reach the list view's process");
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    std::vector<ListViewRow> rows(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    for (std::size_t row = 0; row < rows.size(); ++row) {
        for (int column = 0; column < columns; ++column) {
            LVITEMW item{};
            item.mask = LVIF_TEXT | LVIF_PARAM;
            item.iItem = static_cast<int>(row);
            item.iSubItem = column;
            item.pszText = reinterpret_cast<LPWSTR>(remote + sizeof item);
            item.cchTextMax = TEXT_SIZE;
            wchar_t text[TEXT_SIZE] = {};
            char utf8[TEXT_SIZE * 3] = {};
            WriteProcessMemory(process, remote, &item, sizeof item, nullptr);
            SendMessageW(list, LVM_GETITEMW, 0, reinterpret_cast<LPARAM>(remote));
            ReadProcessMemory(process, remote, &item, sizeof item, nullptr);
            // The list may point at its own copy of the text instead of filling ours.
            ReadProcessMemory(process, item.pszText, text, sizeof text - sizeof *text, nullptr);
            WideCharToMultiByte(CP_UTF8, 0, text, -1, utf8, sizeof utf8, nullptr, nullptr);
            rows[row].key = column == 0 ? item.lParam : rows[row].key;
            rows[row].text += (column ? "\t" : "") + std::string(utf8);
        }
    }
    VirtualFreeEx(process, remote, 0, MEM_RELEASE);
    CloseHandle(process);
    return rows;
}

StundwerkProcess::StundwerkProcess(const std::string& folder)
{
    const std::string program = folder + "\\Stundwerk.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_))
        return;
    WaitUntil([&] { return (frame_ = FindWindowOfClass("Stundwerk", false)) != nullptr || !Running(); }, 30000, 5);
}

void StundwerkProcess::Kill()
{
    if (!process_.hProcess)
        return;
    TerminateProcess(process_.hProcess, 1); // fails, harmlessly, when it has ended
    WaitForSingleObject(process_.hProcess, 10000);
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
    process_ = {};
    WaitUntil([&] { return !IsWindow(frame_); }, 4000, 5);
}

bool StundwerkProcess::Running() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool StundwerkProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    return WaitForSingleObject(process_.hProcess, timeoutMs) == WAIT_OBJECT_0 &&
           GetExitCodeProcess(process_.hProcess, &exitCode);
}

HWND StundwerkProcess::FindWindowOfClass(const char* className, bool visibleOnly) const
{
    for (HWND window = nullptr; (window = FindWindowExA(nullptr, window, className, nullptr)) != nullptr;) {
        DWORD processId = 0;
        GetWindowThreadProcessId(window, &processId);
        if (processId == process_.dwProcessId && (!visibleOnly || IsWindowVisible(window)))
            return window;
    }
    return nullptr;
}

HWND StundwerkProcess::ActivePlanWindow() const
{
    const HWND client = FindWindowExA(frame_, nullptr, "MDIClient", nullptr);
    return client ? reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0)) : nullptr;
}

HWND StundwerkProcess::PlanList() const
{
    const HWND plan = ActivePlanWindow();
    return plan ? FindWindowExA(plan, nullptr, "SysListView32", nullptr) : nullptr;
}

HWND StundwerkProcess::OpenTrayMenu() const
{
    PostMessageA(frame_, TRAY_CALLBACK, TRAY_ICON_ID, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    WaitUntil([&] { return (menu = FindWindowOfClass("#32768")) != nullptr; });
    return menu;
}

bool StundwerkProcess::ChooseTrayItem(TrayItem item) const
{
    // Keys once the menu loop runs (it answers messages then), from the first
    // item whatever the mouse has marked.
    const HWND menu = OpenTrayMenu();
    if (!menu || !SendMessageTimeoutA(menu, WM_NULL, 0, 0, SMTO_NORMAL, 5000, nullptr))
        return false;
    PostMessageA(menu, WM_KEYDOWN, VK_HOME, 0);
    for (int step = 0; step < static_cast<int>(item); ++step)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return !IsWindowVisible(menu); });
}

void StundwerkProcess::Command(WORD id) const
{
    PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

std::string StundwerkProcess::AnswerMessageBox(int button) const
{
    constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static control with a system message box's text
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindWindowOfClass("#32770")) && GetDlgItem(box, MESSAGE_TEXT_ID); }))
        return "";
    char title[256] = {}, text[1024] = {};
    GetWindowTextA(box, title, sizeof title);
    GetDlgItemTextA(box, MESSAGE_TEXT_ID, text, sizeof text);
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return std::string(title) + ": " + text;
}
