#pragma once
// Base of every framework window. One window procedure finds the object of a
// window handle and Dispatch turns each message into one virtual handler.
// A handler returns the message result, or MSG_NOT_HANDLED to pass the
// message (with any changes it made to wParam/lParam) to DefaultProc.
#include <windows.h>

// Reserved: a genuine result of this value cannot pass through a handler.
constexpr LRESULT MSG_NOT_HANDLED = 0x9999;
// The tray icon's callback message to the main frame.
constexpr UINT WM_TRAY_NOTIFY = WM_USER + 0x66;

class BaseWindow {
public:
    // Creates a window of the main window class; a null title creates none.
    // While this constructor runs the object is a plain BaseWindow, so the
    // creation messages reach these handlers, not a derived class's.
    BaseWindow(int showCommand, const char* title, HMENU menu, HWND parent, DWORD style);
    // Only initialises; the derived class creates its window itself.
    BaseWindow() = default;
    // Leaves the window and its extra bytes alone.
    virtual ~BaseWindow() = default;
    BaseWindow(const BaseWindow&) = delete;
    BaseWindow& operator=(const BaseWindow&) = delete;

    virtual LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    virtual LRESULT OnMessage(UINT message, WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnTrayNotify(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnWindowPosChanged(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnMouseMove(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnLButtonDown(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnLButtonUp(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnCommand(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnPaint(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnNcPaint(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnInitMenu(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnCtlColor(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnDestroy(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnNcDestroy(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnShowWindow(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnNcCreate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnVScroll(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnCreate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnMdiActivate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnActivate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnActivateApp(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnSize(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnSizing(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnEraseBkgnd(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnSetFocus(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnMenuChar(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnHotKey(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnChildActivate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnKeyDown(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnSetCursor(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnMouseActivate(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnGetMinMaxInfo(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnMove(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnSysCommand(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnNotify(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnTimer(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnFontChange(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnRButtonUp(WPARAM* wParam, LPARAM* lParam);
    // Also WM_MENUSELECT.
    virtual LRESULT OnRButtonDown(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnClose(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnDropFiles(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnDrawItem(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnQuit(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnDrawClipboard(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnQueryEndSession(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnPaletteChanged(WPARAM* wParam, LPARAM* lParam);
    virtual LRESULT OnQueryNewPalette(WPARAM* wParam, LPARAM* lParam);

    // Binds object and window: the handle here, the object in extra bytes 0.
    void Attach(HWND window);
    // The attached object, null before WM_CREATE.
    static BaseWindow* FromHandle(HWND window);
    static LRESULT CALLBACK WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle() const { return window_; }

protected:
    HWND window_ = nullptr;
};
