#include "tests/framework/recording_window.h"

#include "framework/process_values.h"
#include "tests/framework/test_application.h"

RecordingWindow::RecordingWindow(LRESULT handlerResult) : result(handlerResult)
{
    TestApplication();
    CreateWindowExA(0, Process().mainWindowClassName, "recorder", WS_OVERLAPPEDWINDOW, 0, 0, 200, 100, nullptr, nullptr,
                    Process().instance, this);
}

RecordingWindow::~RecordingWindow()
{
    if (IsWindow(window_)) {
        result = 0;
        DestroyWindow(window_);
    }
}

void RecordingWindow::RewriteParameters(WPARAM wParam, LPARAM lParam)
{
    rewrite_ = true;
    newWParam_ = wParam;
    newLParam_ = lParam;
}

LRESULT RecordingWindow::Record(const char* handler, UINT message, WPARAM* wParam, LPARAM* lParam)
{
    calls.push_back({handler, message, *wParam, *lParam});
    if (rewrite_) {
        *wParam = newWParam_;
        *lParam = newLParam_;
    }
    return result;
}

LRESULT RecordingWindow::DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    defaultCalls.push_back({"DefaultProc", message, wParam, lParam});
    if (message >= WM_USER)
        return 0x4242;
    return BaseWindow::DefaultProc(window, message, wParam, lParam);
}

LRESULT RecordingWindow::OnMessage(UINT message, WPARAM* wParam, LPARAM* lParam)
{
    return Record("OnMessage", message, wParam, lParam);
}

#define RECORDING_HANDLER(name)                                                                                        \
    LRESULT RecordingWindow::name(WPARAM* wParam, LPARAM* lParam)                                                      \
    {                                                                                                                  \
        return Record(#name, 0, wParam, lParam);                                                                       \
    }
#include "tests/framework/recording_handlers.inc"
#undef RECORDING_HANDLER
