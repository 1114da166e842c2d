#pragma once
// The status bar at the bottom of the frame: the day counts of the active
// month plan.
#include <windows.h>

#include "core/shell.h"

constexpr int STATUS_BAR_ID = 1001;

// Null when it cannot be created; height then stays as it was.
HWND CreateStatusBar(HWND frame, int& height);
void ShowDayCounts(HWND statusBar, const DayCounts& counts);
// One empty part, as the bar starts: no plan is open.
void ClearDayCounts(HWND statusBar);
// The last part: when today's work ends ("Feierabend um 16:21"), or empty.
void ShowEndOfDay(HWND statusBar, const char* text);
