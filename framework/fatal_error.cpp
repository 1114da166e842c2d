#include "framework/fatal_error.h"

void RaiseFrameworkError(const char* message)
{
    throw FrameworkError(message);
}

void EndProgramWithError(const char* message)
{
    MessageBoxA(nullptr, message, "Error", MB_ICONHAND | MB_TASKMODAL);
    ExitProcess(FATAL_EXIT_CODE);
}
