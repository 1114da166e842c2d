#include "framework/frame_window.h"

#include "framework/mdi_child_window.h"
#include "framework/process_values.h"

FrameWindow::FrameWindow(int showCommand, const char* title, const char* childIconName, HMENU menu,
                         int windowMenuPosition, WORD firstChildId, HWND parent, DWORD style)
    : BaseWindow(showCommand, title, menu, parent, style)
{
    CLIENTCREATESTRUCT client{};
    client.hWindowMenu = GetSubMenu(GetMenu(window_), windowMenuPosition);
    client.idFirstChild = firstChildId;
    RegisterChildWindowClass("childwindow", childIconName);
    // Zero size at first: the frame's OnSize lays the client out.
    mdiClient_ = CreateWindowExA(0, "mdiclient", nullptr, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS, 0,
                                 0, 0, 0, window_, nullptr, Process().instance, &client);
}

FrameWindow::~FrameWindow()
{
    if (mdiClient_ && IsWindow(mdiClient_))
        DestroyWindow(mdiClient_);
}

LRESULT FrameWindow::DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefFrameProcA(window, mdiClient_, message, wParam, lParam);
}

HWND FrameWindow::ActiveChild() const
{
    return reinterpret_cast<HWND>(SendMessageA(mdiClient_, WM_MDIGETACTIVE, 0, 0));
}

void FrameWindow::MaximizeActiveChild()
{
    SendMessageA(mdiClient_, WM_MDIMAXIMIZE, reinterpret_cast<WPARAM>(ActiveChild()), 0);
}

void FrameWindow::RestoreActiveChild()
{
    SendMessageA(mdiClient_, WM_MDIRESTORE, reinterpret_cast<WPARAM>(ActiveChild()), 0);
}

void FrameWindow::TileHorizontally()
{
    SendMessageA(mdiClient_, WM_MDITILE, MDITILE_HORIZONTAL | MDITILE_SKIPDISABLED, 0);
}

void FrameWindow::TileVertically()
{
    SendMessageA(mdiClient_, WM_MDITILE, MDITILE_VERTICAL | MDITILE_SKIPDISABLED, 0);
}

void FrameWindow::CascadeChildren()
{
    SendMessageA(mdiClient_, WM_MDICASCADE, MDITILE_SKIPDISABLED, 0);
}

void FrameWindow::ArrangeIcons()
{
    SendMessageA(mdiClient_, WM_MDIICONARRANGE, 0, 0);
}

void FrameWindow::ActivateNextChild()
{
    SendMessageA(mdiClient_, WM_MDINEXT, reinterpret_cast<WPARAM>(ActiveChild()), 0);
}

void FrameWindow::ActivatePreviousChild()
{
    SendMessageA(mdiClient_, WM_MDINEXT, reinterpret_cast<WPARAM>(ActiveChild()), 1);
}
