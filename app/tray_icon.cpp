#include "app/tray_icon.h"

#include <shellapi.h>
#include <shlwapi.h>

#include <string>

namespace {

// The larger tip and balloons came with version 5 of the shell; an older
// shell refuses the larger structure.
bool ShellTakesLargeTips()
{
    HMODULE shell = GetModuleHandleA("shell32.dll");
    if (!shell)
        return false;
    using GetVersion = HRESULT(CALLBACK*)(DLLVERSIONINFO*);
    auto getVersion = reinterpret_cast<GetVersion>(reinterpret_cast<void*>(GetProcAddress(shell, "DllGetVersion")));
    DLLVERSIONINFO version{};
    version.cbSize = sizeof version;
    return getVersion && SUCCEEDED(getVersion(&version)) && version.dwMajorVersion >= 5;
}

} // namespace

TrayIcon::~TrayIcon()
{
    Remove();
}

void TrayIcon::Notify(DWORD action, UINT flags, const char* balloonTitle, const char* balloonText)
{
    NOTIFYICONDATAA data{};
    data.cbSize = largeTips_ ? NOTIFYICONDATAA_V2_SIZE : NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    lstrcpynA(data.szTip, ShownTip(), largeTips_ ? sizeof largeTip_ : sizeof tip_);
    if (balloonText) {
        lstrcpynA(data.szInfoTitle, balloonTitle, sizeof data.szInfoTitle);
        lstrcpynA(data.szInfo, balloonText, sizeof data.szInfo);
        data.uTimeout = 10000;
        data.dwInfoFlags = NIIF_INFO;
    }
    Shell_NotifyIconA(action, &data);
}

void TrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const char* tip)
{
    owner_ = owner;
    id_ = id;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    largeTips_ = ShellTakesLargeTips();
    lstrcpynA(tip_, tip, sizeof tip_);
    lstrcpynA(largeTip_, tip, sizeof largeTip_);
    added_ = true;
    Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void TrayIcon::Restore()
{
    if (added_)
        Notify(NIM_ADD, NIF_MESSAGE | NIF_ICON | NIF_TIP);
}

void TrayIcon::SetIcon(HICON icon)
{
    // Every change goes to the shell's process and back: the icon it already
    // shows is not sent again (the day timer sets it on every tick).
    if (icon == icon_)
        return;
    icon_ = icon;
    if (added_)
        Notify(NIM_MODIFY, NIF_ICON);
}

void TrayIcon::SetTip(const char* text, const char* extra)
{
    lstrcpynA(tip_, text, sizeof tip_);
    std::string large = text;
    if (extra && *extra)
        large.append("\n").append(extra);
    lstrcpynA(largeTip_, large.c_str(), sizeof largeTip_);
    if (added_)
        Notify(NIM_MODIFY, NIF_TIP);
}

void TrayIcon::ShowBalloon(const char* title, const char* text)
{
    if (added_ && largeTips_)
        Notify(NIM_MODIFY, NIF_INFO, title, text);
}

void TrayIcon::Remove()
{
    if (!added_)
        return;
    Notify(NIM_DELETE, 0);
    added_ = false;
}
