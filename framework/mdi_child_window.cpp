#include "framework/mdi_child_window.h"

#include <cstdlib>

#include "framework/fatal_error.h"
#include "framework/frame_window.h"
#include "framework/process_values.h"

void RegisterChildWindowClass(const char* className, const char* iconName)
{
    ProcessValues& process = Process();
    // A second frame in one process reuses the class instead of failing.
    WNDCLASSA existing{};
    if (GetClassInfoA(process.instance, className, &existing) &&
        existing.lpfnWndProc == MdiChildWindow::ChildWindowProcedure) {
        lstrcpynA(process.childWindowClassName, className, CLASS_NAME_SIZE);
        return;
    }
    lstrcpynA(process.childWindowClassName, className, CLASS_NAME_SIZE);

    WNDCLASSA windowClass{};
    windowClass.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = MdiChildWindow::ChildWindowProcedure;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = sizeof(LONG_PTR); // the owning BaseWindow
    windowClass.hInstance = process.instance;
    windowClass.hIcon = iconName ? LoadIconA(process.instance, iconName) : LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The system deletes a class background brush when the class goes away.
    windowClass.hbrBackground = CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    windowClass.lpszMenuName = nullptr;
    windowClass.lpszClassName = process.childWindowClassName;
    if (!RegisterClassA(&windowClass))
        std::exit(0);
}

MdiChildWindow::MdiChildWindow(const char* title, FrameWindow* frame, DWORD style, const RECT* rect)
{
    HWND client = frame->MdiClient();
    auto active = reinterpret_cast<HWND>(SendMessageA(client, WM_MDIGETACTIVE, 0, 0));

    MDICREATESTRUCTA create{};
    create.szClass = Process().childWindowClassName;
    create.szTitle = title;
    create.hOwner = Process().instance;
    if (rect) {
        create.x = rect->left;
        create.y = rect->top;
        create.cx = rect->right - rect->left;
        create.cy = rect->bottom - rect->top;
    } else {
        create.x = create.y = create.cx = create.cy = CW_USEDEFAULT;
    }
    create.style = style;
    if (active && IsZoomed(active))
        create.style |= WS_MAXIMIZE;
    create.lParam = reinterpret_cast<LPARAM>(static_cast<BaseWindow*>(this));

    SetFocus(nullptr);
    // The window is attached to this object during its WM_CREATE.
    SendMessageA(client, WM_MDICREATE, 0, reinterpret_cast<LPARAM>(&create));
}

LRESULT MdiChildWindow::DefaultProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return DefMDIChildProcA(window, message, wParam, lParam);
}

LRESULT MdiChildWindow::OnDestroy(WPARAM*, LPARAM*)
{
    return MSG_NOT_HANDLED;
}

LRESULT CALLBACK MdiChildWindow::ChildWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    return CallWithoutEscape([&]() -> LRESULT {
        if (BaseWindow* object = FromHandle(window))
            return object->Dispatch(message, wParam, lParam);
        if (message == WM_CREATE) {
            auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
            auto* mdiCreate = static_cast<MDICREATESTRUCTA*>(create->lpCreateParams);
            auto* object = mdiCreate ? reinterpret_cast<BaseWindow*>(mdiCreate->lParam) : nullptr;
            if (!object)
                return DefMDIChildProcA(window, message, wParam, lParam);
            object->Attach(window);
            return object->Dispatch(message, wParam, lParam);
        }
        return DefMDIChildProcA(window, message, wParam, lParam);
    });
}
