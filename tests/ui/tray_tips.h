#pragma once
// The notification area as the shell shows it. Wine's shell gives every tray
// icon a window of its own and a tooltip whose one tool is that window.
#include <windows.h>

#include <string>
#include <vector>

struct TrayIcon {
    HWND window;
    std::string tip;
};

// Every tray icon with its tooltip text.
std::vector<TrayIcon> TrayIcons();
// The first tray icon tooltip that starts with prefix, or "".
std::string TrayTipStartingWith(const std::string& prefix);

// Lets the shell forget the icons of programs that were ended without
// removing them: it drops an icon when it cannot pass a mouse message on.
void ForgetVanishedTrayIcons();
