#pragma once
// The program's icon in the notification area, removed with this object.
#include <windows.h>

class TrayIcon {
public:
    TrayIcon() = default;
    ~TrayIcon();
    TrayIcon(const TrayIcon&) = delete;
    TrayIcon& operator=(const TrayIcon&) = delete;

    // Adds the icon; its mouse messages arrive at owner as callbackMessage.
    void Add(HWND owner, UINT id, UINT callbackMessage, HICON icon, const char* tip);
    // Adds it again with the last icon and tip: the shell forgets every icon
    // when it restarts.
    void Restore();
    void SetIcon(HICON icon);
    // Cut to the 63 characters the tip holds.
    void SetTip(const char* text);
    void Remove();

    const char* Tip() const { return tip_; }
    HICON Icon() const { return icon_; }

private:
    void Notify(DWORD action, UINT flags);

    HWND owner_ = nullptr;
    UINT id_ = 0;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    char tip_[64] = {};
    bool added_ = false;
};
