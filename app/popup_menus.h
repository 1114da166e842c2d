#pragma once
// The entry context menu of a month plan list and the tray icon's menu.
#include <windows.h>

#include "framework/handles.h"

MenuHandle BuildEntryMenu();
MenuHandle BuildTrayMenu();

// Shows menu at the mouse position, right-aligned, until the user chooses
// (the command arrives at owner as WM_COMMAND) or clicks elsewhere.
void TrackPopupAtCursor(HWND owner, HMENU menu);
