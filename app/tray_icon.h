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
    // text is cut to the 63 characters of the first tip structure; a shell
    // that takes the larger tip shows text and, on a line of its own, extra,
    // cut to 127 characters together.
    void SetTip(const char* text, const char* extra = nullptr);
    // A balloon at the icon, where the shell has them; else nothing.
    void ShowBalloon(const char* title, const char* text);
    void Remove();

    const char* Tip() const { return tip_; }
    HICON Icon() const { return icon_; }
    // The tip as the shell got it.
    const char* ShownTip() const { return largeTips_ ? largeTip_ : tip_; }

private:
    void Notify(DWORD action, UINT flags, const char* balloonTitle = nullptr, const char* balloonText = nullptr);

    HWND owner_ = nullptr;
    UINT id_ = 0;
    UINT callbackMessage_ = 0;
    HICON icon_ = nullptr;
    char tip_[64] = {};
    char largeTip_[128] = {};
    bool largeTips_ = false;
    bool added_ = false;
};
