#pragma once
// The MDI main window: owns the MDI client and the Window-menu operations.
#include "framework/base_window.h"

class FrameWindow : public BaseWindow {
public:
    // childIconName (may be null) becomes the icon of the child window class.
    // A null menu uses the class menu; windowMenuPosition is the index of the
    // Window submenu in the menu bar, where the MDI client lists its children.
    FrameWindow(int showCommand, const char* title, const char* childIconName, HMENU menu, int windowMenuPosition,
                WORD firstChildId, HWND parent, DWORD style);
    // Destroys the MDI client.
    ~FrameWindow() override;

    LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

    void MaximizeActiveChild();
    void RestoreActiveChild();
    void TileHorizontally();
    void TileVertically();
    void CascadeChildren();
    void ArrangeIcons();
    void ActivateNextChild();
    void ActivatePreviousChild();

    HWND MdiClient() const { return mdiClient_; }

private:
    HWND ActiveChild() const;

    HWND mdiClient_ = nullptr;
};
