#pragma once
// Framework failures that cannot be handled ("Unable to create Window." and
// the others) travel as FrameworkError to the nearest boundary where Windows
// called us (a window or dialog procedure) or to the program entry. There the
// text is shown in a message box titled "Error" and the process ends with
// FATAL_EXIT_CODE. No exception may unwind through user32's own frames.
#include <windows.h>
#include <exception>
#include <stdexcept>

constexpr int FATAL_EXIT_CODE = 3;

class FrameworkError : public std::runtime_error {
public:
    explicit FrameworkError(const char* message) : std::runtime_error(message) {}
};

[[noreturn]] void RaiseFrameworkError(const char* message);

// Shows message in a box titled "Error", then ends the process. Called again
// while that box is open, it ends the process without a second box.
[[noreturn]] void EndProgramWithError(const char* message);

// Runs body and returns its result; any exception ends the program with its
// text instead of leaving the function.
template <typename Body>
auto CallWithoutEscape(Body&& body) noexcept -> decltype(body())
{
    try {
        return body();
    } catch (const std::exception& error) {
        EndProgramWithError(error.what());
    } catch (...) {
        EndProgramWithError("Unknown failure.");
    }
}
