#include "framework/base_window.h"

#include <shellapi.h>

#include "framework/fatal_error.h"
#include "framework/process_values.h"

BaseWindow::BaseWindow(int showCommand, const char* title, HMENU menu, HWND parent, DWORD style)
{
    if (!title)
        return;
    HWND window = CreateWindowExA(0, Process().mainWindowClassName, title, style, CW_USEDEFAULT, 0, CW_USEDEFAULT, 0,
                                  parent, menu, Process().instance, this);
    if (!window)
        RaiseFrameworkError("Unable to create Window.");
    ShowWindow(window, showCommand);
    UpdateWindow(window);
    DragAcceptFiles(window, TRUE);
}

void BaseWindow::Attach(HWND window)
{
    window_ = window;
    SetWindowLongPtrA(window, 0, reinterpret_cast<LONG_PTR>(this));
}

BaseWindow* BaseWindow::FromHandle(HWND window)
{
    return reinterpret_cast<BaseWindow*>(GetWindowLongPtrA(window, 0));
}

LRESULT CALLBACK BaseWindow::WindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutEscape([&]() -> LRESULT {
        if (BaseWindow* object = FromHandle(window))
            return object->Dispatch(message, wParam, lParam);
        if (message == WM_CREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* object = static_cast<BaseWindow*>(create->lpCreateParams);
            if (!object)
                return DefWindowProcA(window, message, wParam, lParam);
            object->Attach(window);
            return object->Dispatch(message, wParam, lParam);
        }
        return DefWindowProcA(window, message, wParam, lParam);
    });
}

LRESULT BaseWindow::Dispatch(UINT message, WPARAM wParam, LPARAM lParam)
{
    WPARAM* w = &wParam;
    LPARAM* l = &lParam;
    LRESULT result = MSG_NOT_HANDLED;
    switch (message) {
    case WM_TRAY_NOTIFY:
        result = OnTrayNotify(w, l);
        break;
    case WM_WINDOWPOSCHANGED:
        result = OnWindowPosChanged(w, l);
        break;
    case WM_MOUSEMOVE:
        result = OnMouseMove(w, l);
        break;
    case WM_LBUTTONDOWN:
        result = OnLButtonDown(w, l);
        break;
    case WM_LBUTTONUP:
        result = OnLButtonUp(w, l);
        break;
    case WM_COMMAND:
        result = OnCommand(w, l);
        break;
    case WM_PAINT:
        result = OnPaint(w, l);
        break;
    case WM_NCPAINT:
        result = OnNcPaint(w, l);
        break;
    case WM_INITMENU:
        result = OnInitMenu(w, l);
        break;
    case WM_CTLCOLORMSGBOX:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORLISTBOX:
    case WM_CTLCOLORBTN:
    case WM_CTLCOLORDLG:
    case WM_CTLCOLORSCROLLBAR:
    case WM_CTLCOLORSTATIC:
        result = OnCtlColor(w, l);
        break;
    case WM_DESTROY:
        result = OnDestroy(w, l);
        break;
    case WM_NCDESTROY:
        result = OnNcDestroy(w, l);
        break;
    case WM_SHOWWINDOW:
        result = OnShowWindow(w, l);
        break;
    case WM_NCCREATE:
        result = OnNcCreate(w, l);
        break;
    case WM_VSCROLL:
        result = OnVScroll(w, l);
        break;
    case WM_CREATE:
        result = OnCreate(w, l);
        break;
    case WM_MDIACTIVATE:
        result = OnMdiActivate(w, l);
        break;
    case WM_ACTIVATE:
        result = OnActivate(w, l);
        break;
    case WM_ACTIVATEAPP:
        result = OnActivateApp(w, l);
        break;
    case WM_SIZE:
        result = OnSize(w, l);
        break;
    case WM_SIZING:
        result = OnSizing(w, l);
        break;
    case WM_ERASEBKGND:
        result = OnEraseBkgnd(w, l);
        break;
    case WM_SETFOCUS:
        result = OnSetFocus(w, l);
        break;
    case WM_MENUCHAR:
        result = OnMenuChar(w, l);
        break;
    case WM_HOTKEY:
        result = OnHotKey(w, l);
        break;
    case WM_CHILDACTIVATE:
        result = OnChildActivate(w, l);
        break;
    case WM_KEYDOWN:
        result = OnKeyDown(w, l);
        break;
    case WM_SETCURSOR:
        result = OnSetCursor(w, l);
        break;
    case WM_MOUSEACTIVATE:
        result = OnMouseActivate(w, l);
        break;
    case WM_GETMINMAXINFO:
        result = OnGetMinMaxInfo(w, l);
        break;
    case WM_MOVE:
        result = OnMove(w, l);
        break;
    case WM_SYSCOMMAND:
        result = OnSysCommand(w, l);
        break;
    case WM_NOTIFY:
        result = OnNotify(w, l);
        break;
    case WM_TIMER:
        result = OnTimer(w, l);
        break;
    case WM_FONTCHANGE:
        result = OnFontChange(w, l);
        break;
    case WM_RBUTTONUP:
        result = OnRButtonUp(w, l);
        break;
    case WM_RBUTTONDOWN:
    case WM_MENUSELECT:
        result = OnRButtonDown(w, l);
        break;
    case WM_CLOSE:
        result = OnClose(w, l);
        break;
    case WM_DROPFILES:
        result = OnDropFiles(w, l);
        break;
    case WM_DRAWITEM:
        result = OnDrawItem(w, l);
        break;
    case WM_QUIT:
        result = OnQuit(w, l);
        break;
    case WM_DRAWCLIPBOARD:
        result = OnDrawClipboard(w, l);
        break;
    case WM_QUERYENDSESSION:
        result = OnQueryEndSession(w, l);
        break;
    case WM_PALETTECHANGED:
        result = OnPaletteChanged(w, l);
        break;
    case WM_QUERYNEWPALETTE:
        result = OnQueryNewPalette(w, l);
        break;
    default:
        result = OnMessage(message, w, l);
        break;
    }
    if (result != MSG_NOT_HANDLED)
        return result;
    // A handler that destroyed its own window must have returned a result.
    if (!IsWindow(window_))
        RaiseFrameworkError("Incorrect window-handler in WndProc.");
    return DefaultProc(window_, message, wParam, lParam);
}

LRESULT BaseWindow::DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefWindowProcA(window, message, wParam, lParam);
}

LRESULT BaseWindow::OnMessage(UINT, WPARAM*, LPARAM*)
{
    return MSG_NOT_HANDLED;
}

LRESULT BaseWindow::OnDestroy(WPARAM*, LPARAM*)
{
    PostQuitMessage(0);
    return 0;
}

#define NOT_HANDLED_BY_DEFAULT(Handler)                                                                                \
    LRESULT BaseWindow::Handler(WPARAM*, LPARAM*)                                                                      \
    {                                                                                                                  \
        return MSG_NOT_HANDLED;                                                                                        \
    }

NOT_HANDLED_BY_DEFAULT(OnTrayNotify)
NOT_HANDLED_BY_DEFAULT(OnWindowPosChanged)
NOT_HANDLED_BY_DEFAULT(OnMouseMove)
NOT_HANDLED_BY_DEFAULT(OnLButtonDown)
NOT_HANDLED_BY_DEFAULT(OnLButtonUp)
NOT_HANDLED_BY_DEFAULT(OnCommand)
NOT_HANDLED_BY_DEFAULT(OnPaint)
NOT_HANDLED_BY_DEFAULT(OnNcPaint)
NOT_HANDLED_BY_DEFAULT(OnInitMenu)
NOT_HANDLED_BY_DEFAULT(OnCtlColor)
NOT_HANDLED_BY_DEFAULT(OnNcDestroy)
NOT_HANDLED_BY_DEFAULT(OnShowWindow)
NOT_HANDLED_BY_DEFAULT(OnNcCreate)
NOT_HANDLED_BY_DEFAULT(OnVScroll)
NOT_HANDLED_BY_DEFAULT(OnCreate)
NOT_HANDLED_BY_DEFAULT(OnMdiActivate)
NOT_HANDLED_BY_DEFAULT(OnActivate)
NOT_HANDLED_BY_DEFAULT(OnActivateApp)
NOT_HANDLED_BY_DEFAULT(OnSize)
NOT_HANDLED_BY_DEFAULT(OnSizing)
NOT_HANDLED_BY_DEFAULT(OnEraseBkgnd)
NOT_HANDLED_BY_DEFAULT(OnSetFocus)
NOT_HANDLED_BY_DEFAULT(OnMenuChar)
NOT_HANDLED_BY_DEFAULT(OnHotKey)
NOT_HANDLED_BY_DEFAULT(OnChildActivate)
NOT_HANDLED_BY_DEFAULT(OnKeyDown)
NOT_HANDLED_BY_DEFAULT(OnSetCursor)
NOT_HANDLED_BY_DEFAULT(OnMouseActivate)
NOT_HANDLED_BY_DEFAULT(OnGetMinMaxInfo)
NOT_HANDLED_BY_DEFAULT(OnMove)
NOT_HANDLED_BY_DEFAULT(OnSysCommand)
NOT_HANDLED_BY_DEFAULT(OnNotify)
NOT_HANDLED_BY_DEFAULT(OnTimer)
NOT_HANDLED_BY_DEFAULT(OnFontChange)
NOT_HANDLED_BY_DEFAULT(OnRButtonUp)
NOT_HANDLED_BY_DEFAULT(OnRButtonDown)
NOT_HANDLED_BY_DEFAULT(OnClose)
NOT_HANDLED_BY_DEFAULT(OnDropFiles)
NOT_HANDLED_BY_DEFAULT(OnDrawItem)
NOT_HANDLED_BY_DEFAULT(OnQuit)
NOT_HANDLED_BY_DEFAULT(OnDrawClipboard)
NOT_HANDLED_BY_DEFAULT(OnQueryEndSession)
NOT_HANDLED_BY_DEFAULT(OnPaletteChanged)
NOT_HANDLED_BY_DEFAULT(OnQueryNewPalette)

#undef NOT_HANDLED_BY_DEFAULT
