#pragma once
// The program's window that waits for an answer: a dialog, a message box,
// the options sheet or a warning.
#include <windows.h>

// A visible, enabled dialog window of this thread, or null. A dialog that
// opened a message box is disabled under it: the box is the one found.
HWND FindWaitingDialog();
