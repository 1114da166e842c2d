#include "controls/bb_control.h"

#include <algorithm>
#include <cstdio>
#include <iterator>

#include "resources/resource_ids.h"

namespace {

constexpr char CLASS_NAME[] = "BBControl";
constexpr int HEADER_HEIGHT = 20;
constexpr int ARROW_SIZE = 13;

BBControl* theInstance = nullptr;

void SetRole(HWND window, int role)
{
    SetWindowLongPtrA(window, GWLP_USERDATA, role);
}

} // namespace

BBControl* BBControl::GetInstance()
{
    if (!theInstance)
        theInstance = new BBControl;
    return theInstance;
}

BBControl* BBControl::GetInstanceIfAny()
{
    return theInstance;
}

void BBControl::ReleaseInstance(BBControl* instance)
{
    // Forgotten first: the windows going away send messages that must reach
    // DefWindowProcA, not a half-destroyed bar.
    if (instance == theInstance)
        theInstance = nullptr;
    delete instance;
}

BBControl::~BBControl()
{
    // The copy a button shows is taken back before the window goes.
    for (const Group& group : groups_) {
        for (const Button& button : group.buttons) {
            if (button.window.Get())
                ShowImage(button, nullptr);
        }
    }
}

int BBControl::Create(HINSTANCE module, HWND parent, int x, int y, int width, int height)
{
    module_ = module;
    parent_ = parent;

    WNDCLASSA windowClass{};
    windowClass.style = CS_PARENTDC | CS_SAVEBITS | CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = WindowProcedure;
    windowClass.hInstance = module;
    windowClass.hCursor = LoadCursorA(module, MAKEINTRESOURCEA(IDC_MYHAND));
    windowClass.hbrBackground = static_cast<HBRUSH>(GetStockObject(GRAY_BRUSH));
    windowClass.lpszClassName = CLASS_NAME;
    // Fails harmlessly when an earlier bar registered the class.
    RegisterClassA(&windowClass);

    upBitmap_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(IDB_UP)));
    downBitmap_.Reset(LoadBitmapA(module, MAKEINTRESOURCEA(IDB_DOWN)));

    bar_.Reset(CreateWindowExA(WS_EX_STATICEDGE, CLASS_NAME, "", WS_CHILD | WS_BORDER, x, y, width, height, parent,
                               nullptr, module, nullptr));
    SetRole(bar_.Get(), ROLE_BAR);
    area_.Reset(CreateWindowExA(0, CLASS_NAME, "", WS_CHILD, 0, 0, 0, 0, bar_.Get(), nullptr, module, nullptr));
    SetRole(area_.Get(), ROLE_AREA);
    ShowWindow(area_.Get(), SW_SHOW);
    return 1;
}

int BBControl::AddGroup(const char* caption, int commandId, int latching)
{
    if (!bar_.Get())
        return 0;
    Group group;
    char placeholder[32];
    std::snprintf(placeholder, sizeof placeholder, "unbenannt (%ld)", static_cast<long>(groups_.size() + 1));
    group.header.Reset(CreateWindowExA(WS_EX_DLGMODALFRAME, "Static", placeholder,
                                       WS_CHILD | SS_CENTER | SS_WORDELLIPSIS, 0, 0, 0, 0, bar_.Get(), nullptr, module_,
                                       nullptr));
    if (!group.header.Get())
        return 0;
    SetRole(group.header.Get(), ROLE_HEADER);
    SendMessageA(group.header.Get(), WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_VAR_FONT)), 0);
    if (caption)
        SetWindowTextA(group.header.Get(), caption);
    group.commandId = commandId;
    group.latching = latching;
    groups_.push_back(std::move(group));
    return 1;
}

int BBControl::AddItem(int group, const char* text, const char* iconName, int commandId)
{
    if (!ValidGroup(group))
        return 0;
    Button button;
    button.window.Reset(
        CreateWindowExA(0, "Static", "", WS_CHILD | SS_BITMAP, 0, 0, 0, 0, area_.Get(), nullptr, module_, nullptr));
    if (!button.window.Get())
        return 0;
    SetRole(button.window.Get(), ROLE_BUTTON);
    const ButtonImageContent content{module_, iconName, text, background_.Get(), textColour_};
    for (int look = LOOK_NORMAL; look <= LOOK_DISABLED; ++look)
        button.images[look] = RenderButtonImage(bar_.Get(), content, static_cast<ButtonLook>(look));
    button.commandId = commandId;
    std::vector<Button>& buttons = groups_[group].buttons;
    buttons.push_back(std::move(button));
    SetLook(group, static_cast<int>(buttons.size()) - 1, LOOK_NORMAL);
    return 1;
}

int BBControl::EnableGroup(int group, int enable)
{
    if (!ValidGroup(group) || groups_[group].buttons.empty())
        return 0;
    for (int item = 0; item < GetItemCount(group); ++item)
        EnableItem(group, item, enable);
    return 1;
}

int BBControl::EnableItem(int group, int item, int enable)
{
    if (!ValidItem(group, item))
        return 0;
    const bool disabled = groups_[group].buttons[item].disabled != 0;
    if (disabled == !enable)
        return 0;
    SetLook(group, item, enable ? LOOK_NORMAL : LOOK_DISABLED);
    return 1;
}

int BBControl::SetTextColour(COLORREF colour)
{
    textColour_ = colour;
    return 1;
}

int BBControl::SetBackgroundColour(COLORREF colour)
{
    background_.Reset(CreateSolidBrush(colour));
    backgroundColour_ = colour;
    return 1;
}

int BBControl::ShowBar()
{
    for (OwnedWindow* arrow : {&upArrow_, &downArrow_}) {
        arrow->Reset(CreateWindowExA(WS_EX_TOPMOST | WS_EX_TRANSPARENT, "Static", "", WS_CHILD | SS_BITMAP, 0, 0,
                                     ARROW_SIZE, ARROW_SIZE, area_.Get(), nullptr, module_, nullptr));
        SetRole(arrow->Get(), ROLE_ARROW);
        // Later siblings sit below earlier ones; the arrows belong above the buttons.
        SetWindowPos(arrow->Get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    }
    SendMessageA(upArrow_.Get(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(upBitmap_.Get()));
    SendMessageA(downArrow_.Get(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(downBitmap_.Get()));
    LayoutArea();
    LayoutHeaders();
    LayoutButtons();
    LayoutArrows();
    ShowWindow(bar_.Get(), SW_SHOW);
    return 1;
}

bool BBControl::ValidItem(int group, int item) const
{
    return ValidGroup(group) && item >= 0 && item < GetItemCount(group);
}

int BBControl::GetItemCount(int group) const
{
    return ValidGroup(group) ? static_cast<int>(groups_[group].buttons.size()) : 0;
}

// Common controls 6 show a copy of a bitmap that carries alpha and hand that
// copy back on the next STM_SETIMAGE: it is ours to delete. A bitmap of our
// own coming back is still in use.
void BBControl::ShowImage(const Button& button, HBITMAP image)
{
    auto previous = reinterpret_cast<HBITMAP>(
        SendMessageA(button.window.Get(), STM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(image)));
    if (previous && std::none_of(std::begin(button.images), std::end(button.images),
                                 [previous](const BitmapHandle& own) { return own.Get() == previous; }))
        DeleteObject(previous);
}

// Swaps the shown image only; every image was rendered when the button was added.
void BBControl::SetLook(int groupIndex, int item, ButtonLook look)
{
    if (!ValidItem(groupIndex, item))
        return;
    Group& group = groups_[groupIndex];
    Button& button = group.buttons[item];
    auto show = [](const Button& b, ButtonLook l) { ShowImage(b, b.images[l].Get()); };
    switch (look) {
    case LOOK_RAISED:
        if (item == group.hot || item == group.selected)
            return;
        if (group.hot >= 0)
            show(group.buttons[group.hot], LOOK_NORMAL);
        group.hot = item;
        show(button, LOOK_RAISED);
        button.disabled = 0;
        break;
    case LOOK_PRESSED:
        if (group.selected >= 0 && group.selected != item)
            show(group.buttons[group.selected], LOOK_NORMAL);
        show(button, LOOK_PRESSED);
        if (group.hot == item)
            group.hot = -1;
        button.disabled = 0;
        break;
    case LOOK_DISABLED:
        if (button.disabled)
            return;
        if (group.hot == item)
            group.hot = -1;
        if (group.selected == item)
            group.selected = -1;
        // A disabled button can no longer be released into a command.
        if (group.held == item)
            group.held = -1;
        show(button, LOOK_DISABLED);
        button.disabled = 1;
        break;
    case LOOK_NORMAL:
        if (group.hot == item)
            group.hot = -1;
        if (group.selected == item)
            group.selected = -1;
        show(button, LOOK_NORMAL);
        button.disabled = 0;
        break;
    }
    InvalidateVisibleArrows();
}

void BBControl::InvalidateVisibleArrows()
{
    for (HWND arrow : {upArrow_.Get(), downArrow_.Get()}) {
        if (arrow && IsWindowVisible(arrow))
            InvalidateRect(arrow, nullptr, FALSE);
    }
}

void BBControl::LayoutArea()
{
    RECT bar{};
    GetClientRect(bar_.Get(), &bar);
    MoveWindow(area_.Get(), bar.left, bar.top + (openGroup_ + 1) * HEADER_HEIGHT, bar.right - bar.left,
               bar.bottom - bar.top - GetGroupCount() * HEADER_HEIGHT, TRUE);
}

void BBControl::LayoutHeaders()
{
    RECT bar{};
    GetClientRect(bar_.Get(), &bar);
    const int count = GetGroupCount();
    for (int i = 0; i < count; ++i) {
        HWND header = groups_[i].header.Get();
        const int y = i <= openGroup_ ? bar.top + i * HEADER_HEIGHT : bar.bottom - (count - i) * HEADER_HEIGHT;
        MoveWindow(header, bar.left, y, bar.right - bar.left, HEADER_HEIGHT, TRUE);
        ShowWindow(header, SW_SHOW);
        InvalidateRect(header, nullptr, TRUE);
    }
}

void BBControl::LayoutButtons()
{
    if (!ValidGroup(openGroup_))
        return;
    Group& group = groups_[openGroup_];
    RECT area{};
    GetClientRect(area_.Get(), &area);
    for (int i = 0; i < GetItemCount(openGroup_); ++i) {
        HWND window = group.buttons[i].window.Get();
        if (i < group.firstVisible) {
            ShowWindow(window, SW_HIDE);
            continue;
        }
        MoveWindow(window, area.left, area.top + (i - group.firstVisible) * BUTTON_HEIGHT, area.right, BUTTON_HEIGHT,
                   TRUE);
        ShowWindow(window, SW_SHOW);
    }
    if (group.selected >= 0)
        SetLook(openGroup_, group.selected, LOOK_PRESSED);
}

void BBControl::LayoutArrows()
{
    if (!upArrow_.Get() || !downArrow_.Get())
        return;
    RECT area{};
    GetClientRect(area_.Get(), &area);
    const int rows = (area.bottom - area.top + BUTTON_HEIGHT / 2) / BUTTON_HEIGHT;
    const int count = GetItemCount(openGroup_);
    const int first = ValidGroup(openGroup_) ? groups_[openGroup_].firstVisible : 0;

    MoveWindow(upArrow_.Get(), area.right - 16, area.top + 3, ARROW_SIZE, ARROW_SIZE, FALSE);
    if (area.bottom - 16 > area.top + ARROW_SIZE)
        MoveWindow(downArrow_.Get(), area.right - 16, area.bottom - 16, ARROW_SIZE, ARROW_SIZE, FALSE);
    ShowWindow(downArrow_.Get(), count - first > rows ? SW_SHOW : SW_HIDE);
    ShowWindow(upArrow_.Get(), first >= 1 ? SW_SHOW : SW_HIDE);
    InvalidateVisibleArrows();
}

void BBControl::OpenGroup(int groupIndex)
{
    if (GetItemCount(groupIndex) == 0)
        return;
    SendMessageA(bar_.Get(), WM_SETREDRAW, FALSE, 0);
    if (ValidGroup(openGroup_)) {
        Group& open = groups_[openGroup_];
        for (Button& button : open.buttons)
            ShowWindow(button.window.Get(), SW_HIDE);
        open.held = -1;
    }
    openGroup_ = groupIndex;
    LayoutArea();
    LayoutHeaders();
    LayoutButtons();
    LayoutArrows();
    SendMessageA(bar_.Get(), WM_SETREDRAW, TRUE, 0);
    // Without WS_CLIPCHILDREN this repaints the children as well.
    InvalidateRect(bar_.Get(), nullptr, TRUE);
    Group& group = groups_[groupIndex];
    if (group.latching && group.selected >= 0)
        SetLook(groupIndex, group.selected, LOOK_PRESSED);
    SendMessageA(parent_, WM_COMMAND, LOWORD(group.commandId), 0);
}
