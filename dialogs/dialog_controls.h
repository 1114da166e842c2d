#pragma once
// Reading and writing the controls of a dialog, with the length limit of
// the dialogs' text buffers.
#include <windows.h>

#include <string>

// The text of a control, at most 255 characters.
std::string ControlText(HWND dialog, int id);
void SetControlText(HWND dialog, int id, const std::string& text);

bool IsChecked(HWND dialog, int id);
void SetChecked(HWND dialog, int id, bool checked);
void EnableControl(HWND dialog, int id, bool enabled);
