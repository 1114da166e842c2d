#pragma once
// The two system choosers the options sheet opens.
#include <windows.h>

#include <string>

#include "dialogs/options_working_copy.h"

// Result of ChooseColour when the user cancels.
constexpr COLORREF NO_COLOUR = 0xFFFFFFFF;

// The colour dialog starting at initial, with the default and the working
// stripe and free-day colours among its custom colours. NO_COLOUR on cancel.
COLORREF ChooseColour(HWND owner, COLORREF initial, const OptionsWorkingCopy& copy);

// The file-open dialog on template DLG_OPENDIR as a directory chooser. True
// with the chosen directory (the folder the user had open at OK).
bool ChooseDirectory(HINSTANCE module, HWND owner, std::string& directory);
