#include "tests/controls/command_sink.h"

namespace {

LRESULT CALLBACK SinkProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    auto* commands = reinterpret_cast<std::vector<ReceivedCommand>*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (commands && message == WM_COMMAND) {
        commands->push_back({wParam, lParam});
        return 0;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}

} // namespace

CommandSink::CommandSink(int width, int height)
{
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = SinkProcedure;
    windowClass.hInstance = GetModuleHandleA(nullptr);
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH));
    windowClass.lpszClassName = "CommandSink";
    RegisterClassA(&windowClass);
    window_ = CreateWindowExA(0, "CommandSink", "Sink", WS_POPUP | WS_VISIBLE, 10, 10, width, height, nullptr, nullptr,
                              GetModuleHandleA(nullptr), nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&commands));
}

void SendMouse(HWND target, UINT message, HWND window, POINT offset)
{
    RECT rect{};
    GetWindowRect(window, &rect);
    POINT point = offset.x >= 0 ? POINT{rect.left + offset.x, rect.top + offset.y}
                                : POINT{(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ScreenToClient(target, &point);
    SendMessageA(target, message, message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, MAKELPARAM(point.x, point.y));
}
