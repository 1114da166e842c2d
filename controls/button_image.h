#pragma once
// The four pictures of a button-bar button, rendered once when the button is
// added so that hovering and pressing only swap images.
#include <windows.h>

#include "framework/handles.h"

enum ButtonLook { LOOK_NORMAL = 0, LOOK_RAISED = 1, LOOK_PRESSED = 2, LOOK_DISABLED = 3 };
constexpr int BUTTON_LOOK_COUNT = 4;
constexpr int BUTTON_HEIGHT = 60;

struct ButtonImageContent {
    HINSTANCE module; // holds the icon
    const char* iconName;
    const char* text;
    HBRUSH background; // null: black behind, grey checkerboard when disabled
    COLORREF textColour;
};

// An image as wide as bar's client area and BUTTON_HEIGHT high.
BitmapHandle RenderButtonImage(HWND bar, const ButtonImageContent& content, ButtonLook look);
