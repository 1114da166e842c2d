#pragma once
// The machine's local date and time.
#include "core/shell.h"

class SystemClock : public Clock {
public:
    LocalTime Now() override;
};
