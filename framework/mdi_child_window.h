#pragma once
// A document window inside the frame's MDI client. Closing it does not end
// the program; the MDI client, not the framework, keeps the list of children.
#include "framework/base_window.h"

class FrameWindow;

class MdiChildWindow : public BaseWindow {
public:
    // rect is in MDI client coordinates; null lets the system place the child.
    // A child opens maximised when the active one is.
    MdiChildWindow(const char* title, FrameWindow* frame, DWORD style, const RECT* rect);
    // Leaves the window alone; derived classes delete themselves on WM_NCDESTROY.
    ~MdiChildWindow() override = default;

    // DefMDIChildProcA must see every unhandled message (WM_SIZE,
    // WM_CHILDACTIVATE, WM_SYSCOMMAND ...) or the MDI client misbehaves.
    LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnDestroy(WPARAM* wParam, LPARAM* lParam) override;

    static LRESULT CALLBACK ChildWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
};

// Registers the child window class under className once per process; the
// first frame's icon name (may be null) becomes the class icon.
void RegisterChildWindowClass(const char* className, const char* iconName);
