#pragma once
// The flat tool bar along the top of the frame, with tooltips.
#include <windows.h>

// Gives the MDI client its sunken edge and creates the tool bar in frame;
// height receives the tool bar's height.
HWND CreateToolBar(HWND frame, HWND mdiClient, int& height);

// Enables (or shows indeterminate) the buttons of the commands that work on
// an open month plan.
void SetToolBarButtonsEnabled(HWND toolBar, bool enabled);

// The tooltip of a command; "Sorry - keine Hilfe vorhanden!" for a command
// without one.
const char* ToolTipText(UINT command);

// Answers a tooltip's request for its text (TTN_NEEDTEXTA or TTN_NEEDTEXTW);
// false for any other notification.
bool AnswerToolTipRequest(NMHDR* header);
