#pragma once
// The day counters (vacation left, sick days, flexi days) as they were before
// a command changed them. The counters live in memory until the next save of
// the settings; when the command's month plan could not be written they go
// back, so that they count only days the files hold.
#include <cstdint>

#include "core/settings.h"

class DayCountersBefore {
public:
    explicit DayCountersBefore(Settings& settings)
        : settings_(settings), holidays_(settings.Holidays), sickdays_(settings.Sickdays), flexiDays_(settings.GDays)
    {
    }
    DayCountersBefore(const DayCountersBefore&) = delete;
    DayCountersBefore& operator=(const DayCountersBefore&) = delete;

    bool Changed() const
    {
        return settings_.Holidays != holidays_ || settings_.Sickdays != sickdays_ || settings_.GDays != flexiDays_;
    }

    void RestoreUnless(bool saved)
    {
        if (saved)
            return;
        settings_.Holidays = holidays_;
        settings_.Sickdays = sickdays_;
        settings_.GDays = flexiDays_;
    }

private:
    Settings& settings_;
    std::uint32_t holidays_, sickdays_, flexiDays_;
};
