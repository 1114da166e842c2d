#include "app/session_notifications.h"

namespace {

constexpr DWORD NOTIFY_THIS_SESSION = 0;

using RegisterFunction = BOOL(WINAPI*)(HWND, DWORD);
using UnregisterFunction = BOOL(WINAPI*)(HWND);

// GetProcAddress returns a generic function pointer; the cast through void
// keeps the compiler from warning about the changed type.
template <typename Function>
Function Lookup(HMODULE module, const char* name)
{
    return reinterpret_cast<Function>(reinterpret_cast<void*>(GetProcAddress(module, name)));
}

} // namespace

SessionNotifications::SessionNotifications(HWND window, const char* library)
    : module_(LoadLibraryA(library)), window_(window)
{
    if (!module_)
        return;
    if (auto registerWindow = Lookup<RegisterFunction>(module_, "WTSRegisterSessionNotification"))
        registered_ = registerWindow(window_, NOTIFY_THIS_SESSION) != FALSE;
}

SessionNotifications::~SessionNotifications()
{
    if (registered_) {
        if (auto unregister = Lookup<UnregisterFunction>(module_, "WTSUnRegisterSessionNotification"))
            unregister(window_);
    }
    if (module_)
        FreeLibrary(module_);
}
