#pragma once
// The one Application of a test program, built on first use: a second
// registration of the same class name would end the process.
#include "framework/application.h"

inline Application& TestApplication()
{
    static Application application(GetModuleHandleA(nullptr), nullptr, "FrameworkTestMain", nullptr, nullptr, nullptr,
                                   nullptr);
    return application;
}

// Removes any WM_QUIT waiting in this thread's queue; true if there was one.
inline bool TakeQuitMessage()
{
    MSG message{};
    bool found = false;
    while (PeekMessageA(&message, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
        found = true;
    return found;
}
