#pragma once
// The vertical button bar: groups, each a header button and a column of large
// icon buttons. One group is open; its buttons fill the space between the
// headers before and after it and scroll with two small arrows. Releasing the
// mouse over a button, or opening a group, sends WM_COMMAND with its command
// identifier to the parent. One bar per process: the class's window
// procedure works on the single instance.
#include <windows.h>

#include <vector>

#include "controls/button_image.h"
#include "framework/handles.h"

class BBControl {
public:
    static BBControl* GetInstance();
    static void ReleaseInstance(BBControl* instance);

    int Create(HINSTANCE module, HWND parent, int x, int y, int width, int height);
    // A null caption keeps the "unbenannt (n)" placeholder.
    int AddGroup(const char* caption, int commandId, int latching);
    int AddItem(int group, const char* text, const char* iconName, int commandId);
    int EnableGroup(int group, int enable);
    // 1 only when the state changed.
    int EnableItem(int group, int item, int enable);
    // Both apply to images rendered afterwards.
    int SetTextColour(COLORREF colour);
    int SetBackgroundColour(COLORREF colour);
    int ShowBar();
    HWND GetBarWindow() const { return bar_.Get(); }

private:
    // Reads the private state in tests.
    friend struct BBControlTestAccess;

    struct Button {
        BitmapHandle images[BUTTON_LOOK_COUNT];
        int commandId = 0;
        int disabled = 0;
        OwnedWindow window; // after the images: destroyed before them
    };
    struct Group {
        OwnedWindow header;
        int commandId = 0;
        int latching = 1;
        int selected = -1;
        int hot = -1;
        int held = -1;
        int firstVisible = 0;
        std::vector<Button> buttons;
    };
    // Role of each window of the bar, kept in GWLP_USERDATA.
    enum Role { ROLE_BAR = 1, ROLE_AREA = 2, ROLE_HEADER = 3, ROLE_BUTTON = 4, ROLE_ARROW = 5 };

    BBControl() = default;
    ~BBControl();
    BBControl(const BBControl&) = delete;
    BBControl& operator=(const BBControl&) = delete;

    // The instance without creating one; null when there is none.
    static BBControl* GetInstanceIfAny();
    int GetGroupCount() const { return static_cast<int>(groups_.size()); }
    // 0 for an index out of range.
    int GetItemCount(int group) const;
    bool ValidGroup(int group) const { return group >= 0 && group < GetGroupCount(); }
    bool ValidItem(int group, int item) const;
    void SetLook(int group, int item, ButtonLook look);
    static void ShowImage(const Button& button, HBITMAP image);
    void InvalidateVisibleArrows();

    void LayoutArea();
    void LayoutHeaders();
    void LayoutButtons();
    void LayoutArrows();
    void OpenGroup(int group);

    // Mouse handling; point is in screen coordinates.
    void OnMouseMove(POINT point);
    void OnLButtonDown(POINT point);
    void OnLButtonUp(POINT point);
    void OnCaptureChanged();
    int ButtonAt(POINT point, bool withinArea) const;
    void Activate(int item);
    void ShowSelectedPressed();
    void ForgetWindows();
    LRESULT HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

    HINSTANCE module_ = nullptr;
    HWND parent_ = nullptr;
    BitmapHandle upBitmap_;
    BitmapHandle downBitmap_;
    BrushHandle background_;
    COLORREF textColour_ = RGB(0x66, 0x66, 0x66);
    COLORREF backgroundColour_ = 0;
    int openGroup_ = 0;
    int captureReleased_ = 1;
    // Windows after the GDI objects they show, so they go first.
    OwnedWindow bar_;
    OwnedWindow area_;
    OwnedWindow upArrow_;
    OwnedWindow downArrow_;
    std::vector<Group> groups_;
};
