#include "app/tray_icon.h"

#include <shellapi.h>

TrayIcon::~TrayIcon()
{
    Remove();
}

void TrayIcon::Notify(DWORD action, UINT flags)
{
    // The first version of the structure: its 64-character tip is what the
    // program shows, on every shell.
    NOTIFYICONDATAA data{};
    data.cbSize = NOTIFYICONDATAA_V1_SIZE;
    data.hWnd = owner_;
    data.uID = id_;
    data.uFlags = flags;
    data.uCallbackMessage = callbackMessage_;
    data.hIcon = icon_;
    lstrcpynA(data.szTip, tip_, sizeof tip_);
    Shell_NotifyIconA(action, &data);
}

void TrayIcon::Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const char* tip)
{
    owner_ = owner;
    id_ = id;
    callbackMessage_ = callbackMessage;
    icon_ = icon;
    lstrcpynA(tip_, tip, sizeof tip_);
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

void TrayIcon::SetTip(const char* text)
{
    lstrcpynA(tip_, text, sizeof tip_);
    if (added_)
        Notify(NIM_MODIFY, NIF_TIP);
}

void TrayIcon::Remove()
{
    if (!added_)
        return;
    Notify(NIM_DELETE, 0);
    added_ = false;
}
