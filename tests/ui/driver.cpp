#include "tests/ui/driver.h"

#include <commctrl.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <stdexcept>

namespace {

const char* const MONTH_NAMES[12] = {"Januar", "Februar", "M\xE4rz",   "April",   "Mai",      "Juni",
                                     "Juli",   "August",  "September", "Oktober", "November", "Dezember"};

// Memory in another process: the common controls' messages carry pointers
// that Windows does not copy across, so their structures are placed there.
class RemoteMemory {
public:
    RemoteMemory(HWND window, std::size_t size)
    {
        DWORD id = 0;
        GetWindowThreadProcessId(window, &id);
        process_ = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE | PROCESS_QUERY_INFORMATION,
                               FALSE, id);
        if (!process_)
            return;
        BOOL self = FALSE, other = FALSE;
        IsWow64Process(GetCurrentProcess(), &self);
        IsWow64Process(process_, &other);
        is64Bit_ = (sizeof(void*) == 8 || self) && !other;
        address_ = static_cast<char*>(VirtualAllocEx(process_, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
    }
    ~RemoteMemory()
    {
        if (address_)
            VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
        if (process_)
            CloseHandle(process_);
    }
    RemoteMemory(const RemoteMemory&) = delete;
    RemoteMemory& operator=(const RemoteMemory&) = delete;
    explicit operator bool() const { return address_ != nullptr; }
    bool Is64Bit() const { return is64Bit_; }
    LPARAM At(std::size_t offset = 0) const { return reinterpret_cast<LPARAM>(address_ + offset); }
    bool Write(std::size_t offset, const void* data, std::size_t size)
    {
        return address_ && WriteProcessMemory(process_, address_ + offset, data, size, nullptr);
    }
    bool Read(std::size_t offset, void* data, std::size_t size) const
    {
        return address_ && ReadProcessMemory(process_, address_ + offset, data, size, nullptr);
    }

private:
    HANDLE process_ = nullptr;
    char* address_ = nullptr;
    bool is64Bit_ = false;
};

bool HasClass(HWND window, const char* name)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, name) == 0;
}

// An icon's window: in the X11 driver's own tray or a virtual desktop's taskbar.
bool IsTrayIconWindow(HWND window)
{
    return HasClass(window, "__winex11_tray_icon") || HasClass(window, "__wine_tray_icon");
}

// TTTOOLINFOA as a process of the given pointer size lays it out.
template <typename Pointer>
struct ToolInfo {
    UINT cbSize, uFlags;
    Pointer hwnd, uId;
    RECT rect;
    Pointer hinst, lpszText, lParam, lpReserved;
};

template <typename Pointer>
void CollectIcons(HWND tooltip, RemoteMemory& memory, std::vector<TrayIcon>& icons)
{
    const auto count = SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        ToolInfo<Pointer> info{};
        info.cbSize = sizeof info;
        info.lpszText = static_cast<Pointer>(static_cast<std::uintptr_t>(memory.At(sizeof info)));
        char text[256] = {};
        memory.Write(0, &info, sizeof info);
        memory.Write(sizeof info, text, sizeof text);
        if (!SendMessageA(tooltip, TTM_ENUMTOOLSA, index, memory.At()))
            continue;
        memory.Read(0, &info, sizeof info);
        memory.Read(sizeof info, text, sizeof text - 1);
        const HWND tool = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(info.hwnd));
        if (IsTrayIconWindow(tool))
            icons.push_back({tool, text});
    }
}

BOOL CALLBACK CollectFromTooltip(HWND window, LPARAM icons)
{
    if (!HasClass(window, TOOLTIPS_CLASSA))
        return TRUE;
    RemoteMemory memory(window, sizeof(ToolInfo<std::uint64_t>) + 256);
    auto& found = *reinterpret_cast<std::vector<TrayIcon>*>(icons);
    if (memory && memory.Is64Bit())
        CollectIcons<std::uint64_t>(window, memory, found);
    else if (memory)
        CollectIcons<std::uint32_t>(window, memory, found);
    return TRUE;
}

// The shell drops an icon when it cannot pass a mouse message on to its program.
BOOL CALLBACK NudgeIcons(HWND window, LPARAM child)
{
    if (IsTrayIconWindow(window))
        PostMessageA(window, WM_MOUSEMOVE, 0, 0);
    if (!child)
        EnumChildWindows(window, NudgeIcons, 1);
    return TRUE;
}

struct WindowQuery {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM parameter)
{
    auto& query = *reinterpret_cast<WindowQuery*>(parameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    if (processId != query.processId || !HasClass(window, query.className) ||
        (query.visibleOnly && !IsWindowVisible(window)))
        return TRUE;
    query.found = window;
    return FALSE;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

// The built program's path as this process names files: under Wine a Unix path becomes a drive path.
std::string BuiltProgramPath(const char* path)
{
    using DosName = WCHAR*(CDECL*)(const char*);
    const auto toDos = reinterpret_cast<DosName>(
        reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "wine_get_dos_file_name")));
    WCHAR* wide = path[0] == '/' && toDos ? toDos(path) : nullptr;
    if (!wide)
        return path;
    char narrow[MAX_PATH * 2] = {};
    WideCharToMultiByte(CP_ACP, 0, wide, -1, narrow, sizeof narrow, nullptr, nullptr);
    HeapFree(GetProcessHeap(), 0, wide);
    return narrow;
}

} // namespace

std::string DateText(const Date& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%u", date.day, date.month, date.year);
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
    CurrentPeriod period{{now.wDay, now.wMonth, now.wYear}, now.wMonth, now.wYear, startDay};
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

std::string CurrentPeriod::FirstDayText() const
{
    return DateText({startDay, month, year});
}

std::string CurrentPeriod::MonthAndYear() const
{
    return std::string(MONTH_NAMES[month - 1]) + " " + std::to_string(year);
}

ProgramFolder::ProgramFolder() : path_(temp_.path().string())
{
    ready_ = CopyFileA(BuiltProgramPath(STUNDWERK_EXE).c_str(), File("Stundwerk.exe").c_str(), FALSE) != 0;
}

void ProgramFolder::WriteSettings(const std::vector<std::string>& options, const RECT& frame) const
{
    std::ofstream out(SettingsFile(), std::ios::binary | std::ios::trunc);
    out << "[Options]\r\nWorkingDir=" << path_ << "\\\r\n";
    for (const std::string& line : options)
        out << line << "\r\n";
    out << "[Window]\r\nLeft=" << frame.left << "\r\nTop=" << frame.top << "\r\nWidth=" << frame.right - frame.left
        << "\r\nHeight=" << frame.bottom - frame.top << "\r\n";
}

CliResult ProgramFolder::Cli(const std::string& arguments) const
{
    SECURITY_ATTRIBUTES inherit{sizeof inherit, nullptr, TRUE};
    HANDLE readEnd = nullptr, writeEnd = nullptr;
    if (!CreatePipe(&readEnd, &writeEnd, &inherit, 0))
        return {1, "no pipe"};
    SetHandleInformation(readEnd, HANDLE_FLAG_INHERIT, 0);
    const std::string program = BuiltProgramPath(STUNDWERK_CLI_EXE);
    std::string commandLine = "\"" + program + "\" --ini \"" + SettingsFile() + "\" " + arguments;
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = startup.hStdError = writeEnd;
    PROCESS_INFORMATION process{};
    const bool started = CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr,
                                        path_.c_str(), &startup, &process);
    CloseHandle(writeEnd);
    CliResult result{1, "cannot start " + program};
    if (started) {
        result.output.clear();
        char buffer[4096];
        for (DWORD got = 0; ReadFile(readEnd, buffer, sizeof buffer, &got, nullptr) && got > 0;)
            result.output.append(buffer, got);
        WaitForSingleObject(process.hProcess, INFINITE);
        GetExitCodeProcess(process.hProcess, &result.exitCode);
        CloseHandle(process.hThread);
        CloseHandle(process.hProcess);
    }
    CloseHandle(readEnd);
    return result;
}

std::vector<ListViewRow> ReadListViewRows(HWND list)
{
    constexpr int TEXT_SIZE = 260;
    RemoteMemory memory(list, sizeof(LVITEMA) + TEXT_SIZE);
    if (!memory)
        throw std::runtime_error("cannot reach the list view's process");
    if (memory.Is64Bit() != (sizeof(void*) == 8))
        throw std::runtime_error("the list view's process has another pointer size; build the driver alike");
    const HWND header = reinterpret_cast<HWND>(SendMessageA(list, LVM_GETHEADER, 0, 0));
    const int columns = static_cast<int>(SendMessageA(header, HDM_GETITEMCOUNT, 0, 0));
    const int count = static_cast<int>(SendMessageA(list, LVM_GETITEMCOUNT, 0, 0));
    std::vector<ListViewRow> rows(count > 0 ? count : 0);
    for (int row = 0; row < count; ++row) {
        LVITEMA item{};
        item.mask = LVIF_PARAM;
        item.iItem = row;
        memory.Write(0, &item, sizeof item);
        SendMessageA(list, LVM_GETITEMA, 0, memory.At());
        memory.Read(0, &item, sizeof item);
        rows[row].key = item.lParam;
        for (int column = 0; column < columns; ++column) {
            LVITEMA textItem{};
            textItem.iSubItem = column;
            textItem.pszText = reinterpret_cast<LPSTR>(memory.At(sizeof(LVITEMA)));
            textItem.cchTextMax = TEXT_SIZE;
            memory.Write(0, &textItem, sizeof textItem);
            const auto length = SendMessageA(list, LVM_GETITEMTEXTA, row, memory.At());
            std::string text(length > 0 ? static_cast<std::size_t>(length) : 0, '\0');
            memory.Read(sizeof(LVITEMA), text.data(), text.size());
            rows[row].cells.push_back(text);
        }
    }
    return rows;
}

std::vector<TrayIcon> TrayIcons()
{
    std::vector<TrayIcon> icons;
    EnumWindows(CollectFromTooltip, reinterpret_cast<LPARAM>(&icons));
    return icons;
}

std::string TrayTipStartingWith(const std::string& prefix)
{
    for (const TrayIcon& icon : TrayIcons())
        if (icon.tip.rfind(prefix, 0) == 0)
            return icon.tip;
    return {};
}

StundwerkProcess::StundwerkProcess(const std::string& folder, bool forgetDeadTrayIcons)
{
    if (forgetDeadTrayIcons) {
        EnumWindows(NudgeIcons, 0);
        Sleep(300);
    }
    const std::string program = folder + "\\Stundwerk.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process_))
        return;
    WaitUntil(
        [&] {
            WindowQuery query{process_.dwProcessId, "Stundwerk", false, nullptr};
            EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
            return (frame_ = query.found) != nullptr || !Running();
        },
        30000, 5);
}

void StundwerkProcess::Kill()
{
    if (!process_.hProcess)
        return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
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

HWND StundwerkProcess::FindWindowOfClass(const char* className) const
{
    WindowQuery query{process_.dwProcessId, className, true, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
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

bool StundwerkProcess::ChooseTrayItem(TrayItem item) const
{
    PostMessageA(frame_, TRAY_CALLBACK, TRAY_ICON_ID, WM_RBUTTONDOWN);
    HWND menu = nullptr;
    if (!WaitUntil([&] { return (menu = FindWindowOfClass("#32768")) != nullptr; }))
        return false;
    for (int step = 0; step <= static_cast<int>(item); ++step)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return WaitUntil([&] { return !IsWindowVisible(menu); });
}

void StundwerkProcess::Command(WORD id) const
{
    PostMessageA(frame_, WM_COMMAND, MAKEWPARAM(id, 0), 0);
}

void StundwerkProcess::SystemCommand(WPARAM command) const
{
    PostMessageA(frame_, WM_SYSCOMMAND, command, 0);
}

void StundwerkProcess::KeyToList(UINT virtualKey) const
{
    PostMessageA(PlanList(), WM_KEYDOWN, virtualKey, 1);
    PostMessageA(PlanList(), WM_KEYUP, virtualKey, 0xC0000001);
}

SeenMessageBox StundwerkProcess::AnswerMessageBox(int button, DWORD timeoutMs) const
{
    constexpr int MESSAGE_TEXT_ID = 0xFFFF; // the static control with a system message box's text
    HWND box = nullptr;
    if (!WaitUntil([&] { return (box = FindWindowOfClass("#32770")) && GetDlgItem(box, MESSAGE_TEXT_ID); }, timeoutMs))
        return {};
    SeenMessageBox seen{WindowText(box), WindowText(GetDlgItem(box, MESSAGE_TEXT_ID))};
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return seen;
}
