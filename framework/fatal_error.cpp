#include "framework/fatal_error.h"

void RaiseFrameworkError(const char* message)
{
    throw FrameworkError(message);
}

void EndProgramWithError(const char* message)
{
    // The box runs a message loop, so the window that failed (or another one)
    // can fail again under it, e.g. a failing OnPaint asked to paint again.
    // The first failure is already being reported: a second one ends the
    // process at once instead of nesting boxes until the stack runs out.
    static bool ending = false;
    if (ending)
        ExitProcess(FATAL_EXIT_CODE);
    ending = true;
    MessageBoxA(nullptr, message, "Error", MB_ICONHAND | MB_TASKMODAL);
    ExitProcess(FATAL_EXIT_CODE);
}
