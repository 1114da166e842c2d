#include "tests/ui/stundwerk_process.h"

#include <string>

#include "tests/ui/tray_tips.h"
#include "tests/ui/wait_until.h"

namespace {

constexpr DWORD START_TIMEOUT_MS = 30000;
// The static control that holds a system message box's text.
constexpr int MESSAGE_TEXT_ID = 0xFFFF;

PROCESS_INFORMATION Start(const std::string& folder)
{
    const std::string program = folder + "\\Stundwerk.exe";
    std::string commandLine = "\"" + program + "\"";
    STARTUPINFOA startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process{};
    if (!CreateProcessA(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, folder.c_str(),
                        &startup, &process))
        return {};
    return process;
}

struct WindowQuery {
    DWORD processId;
    const char* className;
    bool visibleOnly;
    HWND found;
};

BOOL CALLBACK MatchWindow(HWND window, LPARAM queryParameter)
{
    auto& query = *reinterpret_cast<WindowQuery*>(queryParameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    if (processId != query.processId || lstrcmpA(className, query.className) != 0)
        return TRUE;
    if (query.visibleOnly && !IsWindowVisible(window))
        return TRUE;
    query.found = window;
    return FALSE;
}

HWND TopLevelWindow(DWORD processId, const char* className, bool visibleOnly)
{
    WindowQuery query{processId, className, visibleOnly, nullptr};
    EnumWindows(MatchWindow, reinterpret_cast<LPARAM>(&query));
    return query.found;
}

std::string WindowText(HWND window)
{
    char text[1024] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

} // namespace

StundwerkProcess::StundwerkProcess(const std::string& folder)
{
    ForgetVanishedTrayIcons();
    process_ = Start(folder);
    if (!process_.hProcess)
        return;
    WaitUntil(
        [&] {
            frame_ = TopLevelWindow(process_.dwProcessId, "Stundwerk", false);
            return frame_ != nullptr || !Running();
        },
        START_TIMEOUT_MS);
}

StundwerkProcess::~StundwerkProcess()
{
    if (!process_.hProcess)
        return;
    if (Running()) {
        TerminateProcess(process_.hProcess, 1);
        WaitForSingleObject(process_.hProcess, 10000);
    }
    CloseHandle(process_.hThread);
    CloseHandle(process_.hProcess);
}

bool StundwerkProcess::Running() const
{
    return process_.hProcess && WaitForSingleObject(process_.hProcess, 0) == WAIT_TIMEOUT;
}

bool StundwerkProcess::WaitForExit(DWORD timeoutMs, DWORD& exitCode) const
{
    if (WaitForSingleObject(process_.hProcess, timeoutMs) != WAIT_OBJECT_0)
        return false;
    return GetExitCodeProcess(process_.hProcess, &exitCode) != 0;
}

HWND StundwerkProcess::FindWindowOfClass(const char* className) const
{
    return TopLevelWindow(process_.dwProcessId, className, true);
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

HWND StundwerkProcess::FrameChild(const char* className) const
{
    return FindWindowExA(frame_, nullptr, className, nullptr);
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
    const HWND list = PlanList();
    PostMessageA(list, WM_KEYDOWN, virtualKey, 1);
    PostMessageA(list, WM_KEYUP, virtualKey, 0xC0000001);
}

SeenMessageBox StundwerkProcess::AnswerMessageBox(int button, DWORD timeoutMs) const
{
    HWND box = nullptr;
    WaitUntil(
        [&] {
            box = FindWindowOfClass("#32770");
            return box != nullptr && GetDlgItem(box, MESSAGE_TEXT_ID) != nullptr;
        },
        timeoutMs);
    if (!box)
        return {};
    SeenMessageBox seen{WindowText(box), WindowText(GetDlgItem(box, MESSAGE_TEXT_ID))};
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
    WaitUntil([&] { return !IsWindow(box); });
    return seen;
}
