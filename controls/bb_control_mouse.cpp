// Mouse handling and the window procedure of the button bar.
#include "controls/bb_control.h"

#include "framework/fatal_error.h"

namespace {

// Inside only strictly between the edges; a hidden window contains nothing
// unless evenHidden (the scroll arrows keep their place while hidden).
bool Contains(HWND window, POINT point, bool evenHidden = false)
{
    if (!window || (!evenHidden && !IsWindowVisible(window)))
        return false;
    RECT rect{};
    GetWindowRect(window, &rect);
    return point.x > rect.left && point.x < rect.right && point.y > rect.top && point.y < rect.bottom;
}

} // namespace

int BBControl::ButtonAt(POINT point, bool withinArea) const
{
    const Group& group = groups_[openGroup_];
    if (withinArea && !Contains(area_.Get(), point))
        return -1;
    for (int i = group.firstVisible; i < GetItemCount(openGroup_); ++i) {
        if (i != group.selected && !group.buttons[i].disabled && Contains(group.buttons[i].window.Get(), point))
            return i;
    }
    return -1;
}

void BBControl::ShowSelectedPressed()
{
    const Group& group = groups_[openGroup_];
    if (group.selected >= 0)
        SetLook(openGroup_, group.selected, LOOK_PRESSED);
}

void BBControl::OnMouseMove(POINT point)
{
    if (captureReleased_ == 1) {
        SetCapture(bar_.Get());
        captureReleased_ = 0;
    }
    if (!Contains(bar_.Get(), point)) {
        ReleaseCapture();
        captureReleased_ = 1;
    }
    if (GetItemCount(openGroup_) == 0)
        return;
    Group& group = groups_[openGroup_];
    if (group.held >= 0) {
        if (Contains(group.buttons[group.held].window.Get(), point))
            return;
        SetLook(openGroup_, group.held, LOOK_NORMAL);
        group.held = -1;
        ShowSelectedPressed();
    }
    if (Contains(upArrow_.Get(), point, true) || Contains(downArrow_.Get(), point, true)) {
        if (group.hot >= 0)
            SetLook(openGroup_, group.hot, LOOK_NORMAL);
        return;
    }
    const int item = ButtonAt(point, true);
    if (item >= 0)
        SetLook(openGroup_, item, LOOK_RAISED);
    else if (group.hot >= 0)
        SetLook(openGroup_, group.hot, LOOK_NORMAL);
}

void BBControl::OnLButtonDown(POINT point)
{
    if (GetItemCount(openGroup_) == 0)
        return;
    Group& group = groups_[openGroup_];
    if (Contains(downArrow_.Get(), point, true)) {
        if (IsWindowVisible(downArrow_.Get())) {
            ++group.firstVisible;
            LayoutButtons();
            LayoutArrows();
        }
        return;
    }
    if (Contains(upArrow_.Get(), point, true)) {
        if (IsWindowVisible(upArrow_.Get())) {
            --group.firstVisible;
            LayoutButtons();
            LayoutArrows();
        }
        return;
    }
    for (int i = 0; i < GetGroupCount(); ++i) {
        if (Contains(groups_[i].header.Get(), point)) {
            if (i != openGroup_)
                OpenGroup(i);
            return;
        }
    }
    const int item = ButtonAt(point, false);
    if (item >= 0) {
        SetLook(openGroup_, item, LOOK_PRESSED);
        group.held = item;
    }
}

void BBControl::OnLButtonUp(POINT point)
{
    if (GetItemCount(openGroup_) == 0)
        return;
    Group& group = groups_[openGroup_];
    const int held = group.held;
    if (held >= 0 && Contains(area_.Get(), point) && Contains(group.buttons[held].window.Get(), point)) {
        Activate(held);
        return;
    }
    // Released elsewhere: the pressed look must not outlive the press.
    if (held >= 0) {
        group.held = -1;
        SetLook(openGroup_, held, LOOK_NORMAL);
    }
    ShowSelectedPressed();
}

void BBControl::Activate(int item)
{
    Group& group = groups_[openGroup_];
    if (group.latching) {
        group.selected = item;
        group.held = -1;
    } else {
        SetLook(openGroup_, item, LOOK_NORMAL);
        group.held = -1;
        group.selected = -1;
    }
    // Last: the parent may release the bar while handling the command.
    SendMessageA(parent_, WM_COMMAND, LOWORD(group.buttons[item].commandId), 0);
}

void BBControl::OnCaptureChanged()
{
    if (captureReleased_ == 1)
        return;
    captureReleased_ = 1;
    if (ValidGroup(openGroup_)) {
        Group& group = groups_[openGroup_];
        if (group.held >= 0) {
            ShowSelectedPressed();
            SetLook(openGroup_, group.held, LOOK_NORMAL);
            group.held = -1;
        }
        if (group.hot >= 0)
            SetLook(openGroup_, group.hot, LOOK_NORMAL);
    }
    ReleaseCapture();
}

LRESULT CALLBACK BBControl::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutEscape([&]() -> LRESULT {
        BBControl* bar = GetInstanceIfAny();
        if (!bar || !bar->bar_.Get())
            return DefWindowProcA(window, message, wParam, lParam);
        return bar->HandleMessage(window, message, wParam, lParam);
    });
}

// The bar window gets WM_NCDESTROY after all its children: when the parent
// takes the bar along, every handle is dead and may be given to another
// window, so none may be used again.
void BBControl::ForgetWindows()
{
    for (Group& group : groups_) {
        group.header.Release();
        for (Button& button : group.buttons)
            button.window.Release();
    }
    for (OwnedWindow* window : {&upArrow_, &downArrow_, &area_, &bar_})
        window->Release();
}

LRESULT BBControl::HandleMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    // Positions are converted with the window that received the message: the
    // bar while it holds the capture, the button area otherwise.
    POINT point{static_cast<short>(LOWORD(lParam)), static_cast<short>(HIWORD(lParam))};
    switch (message) {
    case WM_MOUSEMOVE:
        ClientToScreen(window, &point);
        OnMouseMove(point);
        break;
    case WM_LBUTTONDOWN:
        ClientToScreen(window, &point);
        OnLButtonDown(point);
        return 1;
    case WM_LBUTTONUP:
        DefWindowProcA(window, message, wParam, lParam);
        ClientToScreen(window, &point);
        OnLButtonUp(point);
        return 1;
    case WM_CAPTURECHANGED:
        OnCaptureChanged();
        break;
    case WM_SIZE:
        if (area_.Get()) {
            LayoutArea();
            LayoutHeaders();
            LayoutArrows();
        }
        break;
    case WM_NCDESTROY:
        if (window == bar_.Get())
            ForgetWindows();
        break;
    case WM_ERASEBKGND:
        if (background_) {
            RECT client{};
            GetClientRect(bar_.Get(), &client);
            FillRect(reinterpret_cast<HDC>(wParam), &client, background_.Get());
            return 1;
        }
        break;
    case WM_CTLCOLORSTATIC:
        if (GetWindowLongPtrA(reinterpret_cast<HWND>(lParam), GWLP_USERDATA) != ROLE_HEADER) {
            auto dc = reinterpret_cast<HDC>(wParam);
            SetBkMode(dc, TRANSPARENT);
            SetTextColor(dc, RGB(255, 255, 255));
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        break;
    default:
        break;
    }
    return DefWindowProcA(window, message, wParam, lParam);
}
