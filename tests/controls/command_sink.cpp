#include "tests/controls/command_sink.h"

CommandSink::CommandSink(int width, int height)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = Procedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "CommandSink";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, "CommandSink", "Sink", WS_POPUP | WS_VISIBLE, 10, 10, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

CommandSink::~CommandSink()
{
    SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
    DestroyWindow(window_);
}

LRESULT CALLBACK CommandSink::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* sink = reinterpret_cast<CommandSink*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (sink && message == WM_COMMAND) {
        sink->commands.push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

void SendMouseAtScreen(HWND target, UINT message, POINT screen)
{
    ScreenToClient(target, &screen);
    SendMessageA(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(screen.x, screen.y));
}

void SendMouse(HWND target, UINT message, HWND window, POINT offset)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT screen{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    if (offset.x >= 0)
        screen = {rect.left + offset.x, rect.top + offset.y};
    SendMouseAtScreen(target, message, screen);
}
