#include "controls/tb_control.h"

#include "framework/fatal_error.h"
#include "resources/resource_ids.h"

namespace {

constexpr char CLASS_NAME[] = "TBControl";
constexpr int ICON_SPACE = 34;

bool StrictlyInside(const RECT& rect, POINT point)
{
    return point.x > rect.left && point.x < rect.right && point.y > rect.top && point.y < rect.bottom;
}

} // namespace

TBControl::TBControl(HINSTANCE module, HWND parent, int x, int y, int width, int height)
    : module_(module), parent_(parent)
{
    WNDCLASSA windowClass{};
    windowClass.style = CS_PARENTDC | CS_SAVEBITS | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(module, MAKEINTRESOURCEA(IDC_MYHAND));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = CLASS_NAME;
    // Fails harmlessly while another banner has the class registered.
    RegisterClassA(&windowClass);

    window_ = CreateWindowExA(0, CLASS_NAME, "", WS_CHILD, x, y, width, height, parent, nullptr, module, nullptr);
    SetWindowLongPtrA(window_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
}

TBControl::~TBControl()
{
    if (window_) {
        // The window may still get messages while it goes; none reach us.
        SetWindowLongPtrA(window_, GWLP_USERDATA, 0);
        DestroyWindow(window_);
    }
    // Fails harmlessly while other banners exist.
    UnregisterClassA(CLASS_NAME, module_);
}

int TBControl::SetContent(const char* text, const char* iconName, int commandId)
{
    lstrcpynA(text_, text ? text : "", sizeof text_);
    commandId_ = commandId;
    icon_ = LoadIconA(module_, iconName);
    if (window_)
        InvalidateRect(window_, nullptr, TRUE);
    return 1;
}

int TBControl::ShowBanner()
{
    ShowWindow(window_, SW_SHOW);
    return 1;
}

void TBControl::Paint(HDC dc)
{
    FontHandle font(CreateFontA(20, 0, 0, 0, 600, FALSE, FALSE, FALSE, ANSI_CHARSET, OUT_TT_ONLY_PRECIS,
                                CLIP_DEFAULT_PRECIS, ANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, "Arial"));
    RECT client{};
    GetClientRect(window_, &client);
    {
        SelectedObject selected(dc, font.Get());
        SetBkMode(dc, TRANSPARENT);
        SetTextColor(dc, RGB(255, 255, 255));
        RECT text{10, 1, client.right - ICON_SPACE, client.bottom - 1};
        DrawTextA(dc, text_, -1, &text, DT_VCENTER | DT_SINGLELINE | DT_NOCLIP | DT_INTERNAL | DT_END_ELLIPSIS);
    }
    if (icon_)
        DrawIcon(dc, client.right - ICON_SPACE, 1, icon_);
}

LRESULT CALLBACK TBControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutEscape([&]() -> LRESULT {
        auto* banner = reinterpret_cast<TBControl*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (!banner)
            return DefWindowProcA(window, message, wParam, lParam);
        return banner->HandleMessage(message, wParam, lParam);
    });
}

LRESULT TBControl::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONDOWN:
        SendMessageA(parent_, WM_COMMAND, LOWORD(commandId_), 0);
        return 1;
    case WM_LBUTTONUP:
        return 1;
    case WM_MOUSEMOVE: {
        if (captureReleased_ == 1) {
            SetCapture(window_);
            captureReleased_ = 0;
        }
        POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
        ClientToScreen(window_, &point);
        RECT bounds{};
        GetWindowRect(window_, &bounds);
        if (!StrictlyInside(bounds, point)) {
            ReleaseCapture();
            captureReleased_ = 1;
        }
        break;
    }
    case WM_CAPTURECHANGED:
        if (captureReleased_ == 0) {
            captureReleased_ = 1;
            ReleaseCapture();
        }
        break;
    case WM_SIZE:
        InvalidateRect(window_, nullptr, TRUE);
        break;
    case WM_NCDESTROY: {
        // Destroyed with its parent: the handle must not be used again (the
        // system may give it to another window).
        HWND window = window_;
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        window_ = nullptr;
        return DefWindowProcA(window, message, wParam, lParam);
    }
    case WM_PAINT: {
        {
            PaintDC paint(window_);
            Paint(paint.Get());
        }
        break;
    }
    case WM_ERASEBKGND:
        if (background_) {
            RECT client{};
            GetClientRect(window_, &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
            return 1;
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window_, message, wParam, lParam);
}
