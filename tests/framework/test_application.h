#pragma once
// The one Application of a test program, built on first use: a second
// registration of the same class name would end the process.
#include <functional>
#include <string>

#include "framework/application.h"

Application& TestApplication();

struct ApplicationTestAccess {
    static HACCEL Accelerators(const Application& application) { return application.accelerators_; }
};

// Removes any WM_QUIT waiting in this thread's queue; true if there was one.
bool TakeQuitMessage();

// The text of the FrameworkError that run raises; "no error" when none.
std::string FrameworkErrorOf(const std::function<void()>& run);
