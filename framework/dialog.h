#pragma once
// Base of every dialog. Live dialogs form a process-wide list; the shared
// DialogProcedure finds the object of a dialog window there and calls one
// handler. Handlers return the dialog procedure's result: 0 lets the system's
// default dialog processing act, non-zero means handled.
//
// Ownership: a dialog object deletes itself when its window gets
// WM_NCDESTROY. A modal dialog running inside its constructor may therefore
// already be gone when DoModal returns; touch no member after it.
#include <windows.h>

class Dialog {
public:
    explicit Dialog(HINSTANCE module);
    virtual ~Dialog();
    Dialog(const Dialog&) = delete;
    Dialog& operator=(const Dialog&) = delete;

    virtual INT_PTR OnInitDialog(HWND dialog);
    virtual INT_PTR OnPaint(HWND dialog);
    virtual INT_PTR OnActivate(HWND dialog);
    virtual INT_PTR OnDeactivate(HWND dialog);
    virtual INT_PTR OnCommand(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnCtlColor(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnSetFont(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnNotify(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnMove(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnLButtonDown(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnRButtonDown(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnDrawItem(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnKeyDown(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnSetCursor(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnMouseActivate(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnSize(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnSizing(HWND* dialog, WPARAM* wParam, LPARAM* lParam);
    virtual INT_PTR OnClose(HWND dialog);
    // Deletes the object, once.
    virtual INT_PTR OnNcDestroy();

    static INT_PTR CALLBACK DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam);

    HWND Handle() const { return dialog_; }

protected:
    int ended_ = 0;
    HINSTANCE module_ = nullptr;
    int deleted_ = 0;
    HWND dialog_ = nullptr;

private:
    // Reads the live-dialog list in tests.
    friend struct DialogTestAccess;

    INT_PTR CallHandler(UINT message, WPARAM wParam, LPARAM lParam);

    // The live-dialog list, most recently constructed first, and the shared
    // procedure, installed with the first dialog and never removed.
    static Dialog* head_;
    static int count_;
    static DLGPROC procedure_;
    Dialog* next_ = nullptr;
    Dialog* previous_ = nullptr;
};

// Centres window over its owner, or over the desktop without one; keeps the
// right and bottom edges on the screen. Returns 1.
int CenterWindow(HWND window);
