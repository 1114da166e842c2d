#pragma once
// Saves what the screen shows in a rectangle as a 24-bit BMP file, for a
// person to look at. Whatever lies on top there, of any process, is in it.
#include <windows.h>

bool SaveScreenPicture(const RECT& area, const char* path);
