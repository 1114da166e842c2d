#pragma once
// A BaseWindow that records which handler each message reached, with the
// wParam/lParam it saw. Its window is created after the object is complete,
// so every message from WM_CREATE on reaches these overrides.
#include <string>
#include <vector>

#include "framework/base_window.h"

struct HandlerCall {
    std::string handler;
    UINT message; // OnMessage and DefaultProc only
    WPARAM wParam;
    LPARAM lParam;
};

class RecordingWindow : public BaseWindow {
public:
    // result: what every handler returns; rewrite: values handlers write
    // through their pointers before returning (none when null).
    explicit RecordingWindow(LRESULT result);
    ~RecordingWindow() override;

    void RewriteParameters(WPARAM wParam, LPARAM lParam);

    std::vector<HandlerCall> calls;
    std::vector<HandlerCall> defaultCalls;
    LRESULT result;

    LRESULT DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnMessage(UINT message, WPARAM* wParam, LPARAM* lParam) override;
#define RECORDING_HANDLER(name) LRESULT name(WPARAM* wParam, LPARAM* lParam) override;
#include "tests/framework/recording_handlers.inc"
#undef RECORDING_HANDLER

private:
    LRESULT Record(const char* handler, UINT message, WPARAM* wParam, LPARAM* lParam);
    bool rewrite_ = false;
    WPARAM newWParam_ = 0;
    LPARAM newLParam_ = 0;
};
