#include "app/system_clock.h"

#include "cli/program_path.h"

LocalTime SystemClock::Now()
{
    return LocalNow();
}
