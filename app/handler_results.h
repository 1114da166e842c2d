#pragma once
// Results of the application's message handlers besides the framework's
// MSG_NOT_HANDLED: both reach Windows as the message result.
#include <windows.h>

#include "framework/base_window.h"

constexpr LRESULT MSG_HANDLED = 0x9998;
// A month plan window's answer to SC_CLOSE: the window is gone.
constexpr LRESULT MSG_CHILD_CLOSED = 0x9997;
