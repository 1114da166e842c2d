#include "tests/ui/tray_tips.h"

#include <windows.h>
#include <commctrl.h>

#include <cstdint>

#include "tests/ui/remote_memory.h"

namespace {

constexpr int TEXT_SIZE = 256;

bool HasClass(HWND window, const char* name)
{
    char className[64] = {};
    GetClassNameA(window, className, sizeof className);
    return lstrcmpA(className, name) == 0;
}

// The icon's window: in the X11 driver's own tray, or in the taskbar of a
// virtual desktop.
bool IsTrayIconWindow(HWND window)
{
    return HasClass(window, "__winex11_tray_icon") || HasClass(window, "__wine_tray_icon");
}

// TTTOOLINFOA as a process of the given pointer size lays it out.
template <typename Pointer>
struct ToolInfo {
    UINT cbSize;
    UINT uFlags;
    Pointer hwnd;
    Pointer uId;
    RECT rect;
    Pointer hinst;
    Pointer lpszText;
    Pointer lParam;
    Pointer lpReserved;
};

template <typename Pointer>
void CollectIcons(HWND tooltip, RemoteMemory& memory, std::vector<TrayIcon>& icons)
{
    const auto count = SendMessageA(tooltip, TTM_GETTOOLCOUNT, 0, 0);
    for (LRESULT index = 0; index < count; ++index) {
        ToolInfo<Pointer> info{};
        info.cbSize = sizeof info;
        info.lpszText = static_cast<Pointer>(memory.Address(sizeof info));
        const char empty[TEXT_SIZE] = {};
        memory.Write(0, &info, sizeof info);
        memory.Write(sizeof info, empty, sizeof empty);
        if (!SendMessageA(tooltip, TTM_ENUMTOOLSA, index, memory.Parameter()))
            continue;
        memory.Read(0, &info, sizeof info);
        char text[TEXT_SIZE] = {};
        memory.Read(sizeof info, text, sizeof text - 1);
        const HWND tool = reinterpret_cast<HWND>(static_cast<std::uintptr_t>(info.hwnd));
        if (IsTrayIconWindow(tool))
            icons.push_back({tool, text});
    }
}

BOOL CALLBACK CollectFromTooltip(HWND window, LPARAM iconsParameter)
{
    if (!HasClass(window, TOOLTIPS_CLASSA))
        return TRUE;
    auto& icons = *reinterpret_cast<std::vector<TrayIcon>*>(iconsParameter);
    DWORD processId = 0;
    GetWindowThreadProcessId(window, &processId);
    RemoteMemory memory(processId, sizeof(ToolInfo<std::uint64_t>) + TEXT_SIZE);
    if (!memory)
        return TRUE;
    if (memory.Is64Bit())
        CollectIcons<std::uint64_t>(window, memory, icons);
    else
        CollectIcons<std::uint32_t>(window, memory, icons);
    return TRUE;
}

BOOL CALLBACK NudgeIcon(HWND window, LPARAM)
{
    if (IsTrayIconWindow(window))
        PostMessageA(window, WM_MOUSEMOVE, 0, 0);
    return TRUE;
}

BOOL CALLBACK NudgeIconsOf(HWND window, LPARAM)
{
    NudgeIcon(window, 0);
    EnumChildWindows(window, NudgeIcon, 0);
    return TRUE;
}

} // namespace

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

void ForgetVanishedTrayIcons()
{
    EnumWindows(NudgeIconsOf, 0);
    Sleep(300);
}
