#pragma once
// The frame's position and size in section Window of the settings file.
#include <windows.h>

class ProfileStore;

// Left, Top, Width and Height as stored, each defaulting to the given
// rectangle. A stored rectangle that no monitor shows any part of (a screen
// that has since gone, or no size at all) gives the default rectangle.
RECT ReadFrameGeometry(ProfileStore& store, const char* settingsPath, const RECT& defaults);

// Writes the rectangle as "%u" values: a left edge of -8 is 4294967288.
void WriteFrameGeometry(ProfileStore& store, const char* settingsPath, const RECT& rect);
