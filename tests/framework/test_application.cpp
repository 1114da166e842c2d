#include "tests/framework/test_application.h"

Application& TestApplication()
{
    static Application application(GetModuleHandleA(nullptr), nullptr, "FrameworkTestMain", nullptr, nullptr, nullptr,
                                   nullptr);
    return application;
}

bool TakeQuitMessage()
{
    MSG message{};
    bool found = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        found = true;
    return found;
}
