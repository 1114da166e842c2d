#pragma once
// Title banner: a child window with one line of white semi-bold text on the
// left and an icon on the right; a click sends WM_COMMAND with its command
// identifier to the parent. Any number may exist: each window finds its own
// object through GWLP_USERDATA.
#include <windows.h>

#include "framework/handles.h"

class TBControl {
public:
    TBControl(HINSTANCE module, HWND parent, int x, int y, int width, int height);
    ~TBControl();
    TBControl(const TBControl&) = delete;
    TBControl& operator=(const TBControl&) = delete;

    // text is cut to 255 characters; iconName may name no icon.
    int SetContent(const char* text, const char* iconName, int commandId);
    int ShowBanner();
    HWND GetBannerWindow() const { return window_; }

private:
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void Paint(HDC dc);

    HINSTANCE module_;
    HWND parent_;
    HWND window_ = nullptr;
    int captureReleased_ = 1;
    int commandId_ = 0;
    HICON icon_ = nullptr;   // shared, from LoadIconA: the module owns it
    BrushHandle background_; // none: the class's grey background
    char text_[256] = {};
};
