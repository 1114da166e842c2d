#pragma once
// The program's entry: one application object, one copy of the program, one
// main frame and its message loop.
#include <windows.h>

// Returns the message loop's quit code; 0 when another copy was brought
// forward instead.
int RunStundwerk(HINSTANCE instance, HINSTANCE previousInstance, int showCommand);
