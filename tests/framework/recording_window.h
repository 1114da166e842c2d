#pragma once
// A BaseWindow that records which handler each message reached, with the
// wParam/lParam it saw. Its window is created after the object is complete,
// so every message from WM_CREATE on reaches these overrides.
#include <string>
#include <vector>

#include "framework/base_window.h"
#include "framework/process_values.h"
#include "tests/framework/test_application.h"

// clang-format off
#define RECORDING_HANDLERS(X)                                                                                          \
    X(OnTrayNotify) X(OnWindowPosChanged) X(OnMouseMove) X(OnLButtonDown) X(OnLButtonUp) X(OnCommand) X(OnPaint)       \
    X(OnNcPaint) X(OnInitMenu) X(OnCtlColor) X(OnDestroy) X(OnNcDestroy) X(OnShowWindow) X(OnNcCreate) X(OnVScroll)    \
    X(OnCreate) X(OnMdiActivate) X(OnActivate) X(OnActivateApp) X(OnSize) X(OnSizing) X(OnEraseBkgnd) X(OnSetFocus)   \
    X(OnMenuChar) X(OnHotKey) X(OnChildActivate) X(OnKeyDown) X(OnSetCursor) X(OnMouseActivate) X(OnGetMinMaxInfo)    \
    X(OnMove) X(OnSysCommand) X(OnNotify) X(OnTimer) X(OnFontChange) X(OnRButtonUp) X(OnRButtonDown) X(OnClose)       \
    X(OnDropFiles) X(OnDrawItem) X(OnQuit) X(OnDrawClipboard) X(OnQueryEndSession) X(OnPaletteChanged)                \
    X(OnQueryNewPalette)
// clang-format on

struct HandlerCall {
    std::string handler;
    UINT message; // OnMessage and DefaultProc only
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWindow : public BaseWindow {
public:
    explicit RecordingWindow(LRESULT handlerResult) : result(handlerResult) // what every handler returns
    {
        TestApplication();
        CreateWindowExA(0, Process().mainWindowClassName, "recorder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr,
                        nullptr, Process().instance, this);
    }
    ~RecordingWindow() override
    {
        result = 0;
        if (IsWindow(window_))
            DestroyWindow(window_);
    }

    std::vector<HandlerCall> calls;
    std::vector<HandlerCall> defaultCalls;
    LRESULT result;
    // When set, handlers write these through their pointers before returning.
    bool rewrite = false;
    WPARAM newWParam = 0;
    LPARAM newLParam = 0;

    LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override
    {
        defaultCalls.push_back({"DefaultProc", message, wParam, lParam});
        return message >= WM_USER ? 0x4242 : BaseWindow::DefaultProc(window, message, wParam, lParam);
    }
    LRESULT OnMessage(UINT message, WPARAM* w, LPARAM* l) override { return Record("OnMessage", message, w, l); }
    // clang-format off
#define RECORDING_OVERRIDE(name) LRESULT name(WPARAM* w, LPARAM* l) override { return Record(#name, 0, w, l); }
    RECORDING_HANDLERS(RECORDING_OVERRIDE)
#undef RECORDING_OVERRIDE
    // clang-format on

private:
    LRESULT Record(const char* handler, UINT message, WPARAM* wParam, LPARAM* lParam)
    {
        calls.push_back({handler, message, *wParam, *lParam});
        if (rewrite) {
            *wParam = newWParam;
            *lParam = newLParam;
        }
        return result;
    }
};
