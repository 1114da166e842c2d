#pragma once
// The frame's registration for the session's messages (WM_WTSSESSION_CHANGE:
// locked, unlocked, logged on). wtsapi32 is loaded at run time: where it or
// the registration is missing (an old system, Wine), the program runs on
// without them, and only its start and the end of the session record
// anything by themselves. The registration ends with this object.
#include <windows.h>

class SessionNotifications {
public:
    // library: the module that holds the registration functions.
    SessionNotifications(HWND window, const char* library);
    ~SessionNotifications();
    SessionNotifications(const SessionNotifications&) = delete;
    SessionNotifications& operator=(const SessionNotifications&) = delete;

    bool Registered() const { return registered_; }

private:
    HMODULE module_ = nullptr;
    HWND window_ = nullptr;
    bool registered_ = false;
};
