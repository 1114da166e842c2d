#pragma once
// A plain top-level window that records the WM_COMMAND messages it receives:
// the parent of the controls under test.
#include <windows.h>

#include <vector>

struct ReceivedCommand {
    WPARAM wParam;
    LPARAM lParam;
};

class CommandSink {
public:
    CommandSink(int width = 400, int height = 400);
    ~CommandSink() { DestroyWindow(window_); }
    CommandSink(const CommandSink&) = delete;
    CommandSink& operator=(const CommandSink&) = delete;

    HWND Handle() const { return window_; }
    std::vector<ReceivedCommand> commands;

private:
    HWND window_;
};

// Sends a mouse message to target at the centre of window (or at a point
// relative to its top-left corner when offset is given).
void SendMouse(HWND target, UINT message, HWND window, POINT offset = {-1, -1});
