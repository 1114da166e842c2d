#pragma once
// The one Application of a test program, built on first use: a second
// registration of the same class name would end the process.
#include "framework/application.h"

Application& TestApplication();

// Removes any WM_QUIT waiting in this thread's queue; true if there was one.
bool TakeQuitMessage();
