#include "framework/application.h"

#include <cstdio>
#include <cstdlib>

#include "framework/base_window.h"
#include "framework/fatal_error.h"
#include "framework/process_values.h"

namespace {

using Ctl3dCall = BOOL(WINAPI*)(HINSTANCE);

Ctl3dCall FindCtl3dCall(HMODULE module, const char* name)
{
    return reinterpret_cast<Ctl3dCall>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

[[noreturn]] void RaiseCtl3dFailure(const char* line)
{
    char message[256];
    std::snprintf(message, sizeof message, "%s%s%s%s", line, "There'll be no 3D-effect for dialogs.\n\n",
                  "Please copy the delivered CTL3D-files\n", "in your windows-system-directory.");
    RaiseFrameworkError(message);
}

} // namespace

Application::Application(HINSTANCE instance, HINSTANCE previousInstance, const char* className, const char* iconName,
                         const char* menuName, const char* acceleratorName, HBRUSH background)
{
    ProcessValues& process = Process();
    process.previousInstance = previousInstance;
    if (previousInstance)
        return;
    process.instance = instance;

    // A longer name is cut to the buffer rather than overrunning it.
    lstrcpynA(process.mainWindowClassName, className, CLASS_NAME_SIZE);

    WNDCLASSA windowClass{};
    windowClass.style = CS_BYTEALIGNCLIENT | CS_BYTEALIGNWINDOW;
    windowClass.lpfnWndProc = BaseWindow::WindowProcedure;
    windowClass.cbClsExtra = 0;
    windowClass.cbWndExtra = sizeof(LONG_PTR); // the owning BaseWindow
    windowClass.hInstance = instance;
    windowClass.hIcon = iconName ? LoadIconA(instance, iconName) : LoadIconA(nullptr, IDI_APPLICATION);
    windowClass.hCursor = LoadCursorA(nullptr, IDC_ARROW);
    // The system deletes a class background brush when the class goes away.
    windowClass.hbrBackground = background ? background : CreateSolidBrush(GetSysColor(COLOR_BTNFACE));
    windowClass.lpszMenuName = menuName;
    windowClass.lpszClassName = process.mainWindowClassName;
    if (!RegisterClassA(&windowClass))
        std::exit(0);

    accelerators_ = acceleratorName ? LoadAcceleratorsA(instance, acceleratorName) : nullptr;
}

int Application::RunMessageLoop()
{
    MSG message{};
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        if (accelerators_ && TranslateAcceleratorA(GetActiveWindow(), accelerators_, &message))
            continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
    return static_cast<int>(message.wParam);
}

void Application::InitCtl3d()
{
    ProcessValues& process = Process();
    process.ctl3dModule = LoadLibraryA("CTL3D32.DLL");
    if (!process.ctl3dModule)
        RaiseCtl3dFailure("Failed to load CTL3D.DLL\n");

    Ctl3dCall registerCall = FindCtl3dCall(process.ctl3dModule, "Ctl3dRegister");
    if (!registerCall)
        RaiseCtl3dFailure("Failed to find CTL3D Register.\n");
    if (!registerCall(process.instance))
        RaiseCtl3dFailure("Failed to register CTL3D.\n");

    Ctl3dCall autoSubclass = FindCtl3dCall(process.ctl3dModule, "Ctl3dAutoSubclass");
    if (!autoSubclass)
        RaiseCtl3dFailure("Failed to find CTL3D AutoSubclass.\n");
    if (!autoSubclass(process.instance))
        RaiseCtl3dFailure("Failed to activate CTL3D AutoSubclass.\n");
}

void Application::ExitCtl3d()
{
    ProcessValues& process = Process();
    if (!process.ctl3dModule)
        return;
    if (Ctl3dCall unregisterCall = FindCtl3dCall(process.ctl3dModule, "Ctl3dUnregister"))
        unregisterCall(process.instance);
    FreeLibrary(process.ctl3dModule);
    process.ctl3dModule = nullptr;
}
