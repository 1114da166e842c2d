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
// The tooltip texts of all tray icons.
std::vector<std::string> TrayIconTips();

// Lets the shell forget the icons of programs that were ended without
// removing them: it drops an icon when it cannot pass a mouse message on.
void ForgetVanishedTrayIcons();
