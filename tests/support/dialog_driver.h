#pragma once
// Drives modal dialogs through their real controls from inside their own
// modal loop: a thread timer runs a script on the dialog once it shows, so
// everything happens in order on the test's one thread.
#include <windows.h>

#include <functional>
#include <string>

// Runs script on the next dialog window of this thread that shows up
// enabled: the modal dialog, sheet or system dialog that is on top. Arm it
// before opening the dialog; arm another from inside a script for a dialog
// that the script opens.
void WhenDialogOpens(std::function<void(HWND dialog)> script);
// The same for the next visible window of this thread with this title, for
// windows that need not be on top: a system print dialog, a message box.
void WhenWindowOpens(const std::string& title, std::function<void(HWND window)> script);

// Drops every script that has not run yet, as before a test's end.
void DisarmDialogScripts();

std::string TitleOf(HWND window);
void Type(HWND dialog, int id, const std::string& text);
std::string TextOf(HWND dialog, int id);
// A mouse click on a button, radio button or check box, as BM_CLICK does it.
void Click(HWND dialog, int id);
bool Enabled(HWND dialog, int id);
// Whether the dialog is still open (EndDialog hides it).
bool IsOpen(HWND dialog);
// Selects a combo box item and tells the dialog, as a user's choice does.
void Choose(HWND dialog, int id, int index);
// With STUNDWERK_SCREENSHOTS naming a folder (a Windows path), saves what the
// screen shows of the window there as name.bmp.
void SaveScreenshot(HWND window, const char* name);
