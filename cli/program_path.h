#pragma once
#include <string>

// The full path of the running executable, empty when it cannot be found.
std::string ProgramPath();

struct LocalTime;
// The local date and time of the machine.
LocalTime LocalNow();
