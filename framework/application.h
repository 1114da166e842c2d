#pragma once
// The first object the program builds: records the instance, registers the
// main window class and runs the message loop.
#include <windows.h>

class Application {
public:
    // iconName, menuName and acceleratorName may be null; background null
    // means the button-face colour. A failing class registration ends the
    // process with exit code 0.
    Application(HINSTANCE instance, HINSTANCE previousInstance, const char* className, const char* iconName,
                const char* menuName, const char* acceleratorName, HBRUSH background);
    ~Application() = default;
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    // Until WM_QUIT; returns its wParam.
    int RunMessageLoop();

    // Optional 3D look for dialogs through CTL3D32.DLL; failure is fatal.
    void InitCtl3d();
    void ExitCtl3d();

private:
    // Reads the accelerator table in tests.
    friend struct ApplicationTestAccess;

    HACCEL accelerators_ = nullptr;
};
