#include "framework/dialog.h"

#include "framework/fatal_error.h"

Dialog* Dialog::head_ = nullptr;
int Dialog::count_ = 0;
DLGPROC Dialog::procedure_ = nullptr;

Dialog::Dialog(HINSTANCE module) : module_(module)
{
    next_ = head_;
    previous_ = nullptr;
    if (head_)
        head_->previous_ = this;
    head_ = this;
    if (count_++ == 0)
        procedure_ = DialogProcedure;
}

Dialog::~Dialog()
{
    --count_;
    if (previous_)
        previous_->next_ = next_;
    if (next_)
        next_->previous_ = previous_;
    if (head_ == this)
        head_ = next_;
    if (count_ == 0)
        head_ = nullptr;
}

INT_PTR CALLBACK Dialog::DialogProcedure(HWND dialog, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutEscape([&]() -> INT_PTR {
        Dialog* object = head_;
        while (object && object->dialog_ != dialog)
            object = object->next_;
        if (!object) {
            // Messages before WM_INITDIALOG (WM_SETFONT ...) never reach an object.
            if (message != WM_INITDIALOG || !lParam)
                return 0;
            object = reinterpret_cast<Dialog*>(lParam);
        }
        object->dialog_ = dialog;
        return object->CallHandler(message, wParam, lParam);
    });
}

INT_PTR Dialog::CallHandler(UINT message, WPARAM wParam, LPARAM lParam)
{
    HWND dialog = dialog_;
    switch (message) {
    case WM_INITDIALOG:
        return OnInitDialog(dialog);
    case WM_PAINT:
        return OnPaint(dialog);
    case WM_ACTIVATE:
        return LOWORD(wParam) == WA_INACTIVE ? OnDeactivate(dialog) : OnActivate(dialog);
    case WM_COMMAND:
        return OnCommand(&dialog, &wParam, &lParam);
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        return OnCtlColor(&dialog, &wParam, &lParam);
    case WM_SETFONT:
        return OnSetFont(&dialog, &wParam, &lParam);
    case WM_NOTIFY:
        return OnNotify(&dialog, &wParam, &lParam);
    case WM_MOVE:
        return OnMove(&dialog, &wParam, &lParam);
    case WM_LBUTTONDOWN:
        return OnLButtonDown(&dialog, &wParam, &lParam);
    case WM_RBUTTONDOWN:
        return OnRButtonDown(&dialog, &wParam, &lParam);
    case WM_DRAWITEM:
        return OnDrawItem(&dialog, &wParam, &lParam);
    case WM_KEYDOWN:
        return OnKeyDown(&dialog, &wParam, &lParam);
    case WM_SETCURSOR:
        return OnSetCursor(&dialog, &wParam, &lParam);
    case WM_MOUSEACTIVATE:
        return OnMouseActivate(&dialog, &wParam, &lParam);
    case WM_SIZE:
        return OnSize(&dialog, &wParam, &lParam);
    case WM_SIZING:
        return OnSizing(&dialog, &wParam, &lParam);
    case WM_CLOSE:
        return OnClose(dialog);
    case WM_NCDESTROY:
        return OnNcDestroy();
    default:
        return 0;
    }
}

INT_PTR Dialog::OnNcDestroy()
{
    if (deleted_)
        return 1;
    deleted_ = 1;
    delete this;
    return 1;
}

INT_PTR Dialog::OnInitDialog(HWND)
{
    return 0;
}
INT_PTR Dialog::OnPaint(HWND)
{
    return 0;
}
INT_PTR Dialog::OnActivate(HWND)
{
    return 0;
}
INT_PTR Dialog::OnDeactivate(HWND)
{
    return 0;
}
INT_PTR Dialog::OnClose(HWND)
{
    return 0;
}
INT_PTR Dialog::OnCommand(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnCtlColor(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnSetFont(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnNotify(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnMove(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnLButtonDown(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnRButtonDown(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnDrawItem(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnKeyDown(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnSetCursor(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnMouseActivate(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnSize(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}
INT_PTR Dialog::OnSizing(HWND*, WPARAM*, LPARAM*)
{
    return 0;
}

int CenterWindow(HWND window)
{
    RECT desktop{};
    GetWindowRect(GetDesktopWindow(), &desktop);
    RECT reference = desktop;
    if (HWND owner = GetWindow(window, GW_OWNER))
        GetWindowRect(owner, &reference);
    RECT own{};
    GetWindowRect(window, &own);
    const int width = own.right - own.left;
    const int height = own.bottom - own.top;

    int x = reference.left + (reference.right - reference.left - width) / 2;
    if (x > desktop.right - width)
        x = (desktop.right - desktop.left - width) / 2;
    int y = reference.top + (reference.bottom - reference.top - height) / 2;
    if (y > desktop.bottom - height)
        y = (desktop.bottom - desktop.top - height) / 2;
    MoveWindow(window, x, y, width, height, TRUE);
    return 1;
}
