#pragma once
// The in-memory form of one month plan entry.
#include <cstdint>

#include "core/time_values.h"

constexpr int INFO_SIZE = 256;

struct EntryRecord {
    std::int32_t weekday = 8;
    std::uint32_t day = 0;
    std::uint32_t month = 0;
    std::uint32_t year = 0;
    TimeValue Come = NO_TIME;
    TimeValue Go = NO_TIME;
    HoursValue WorkTime = NO_HOURS;
    HoursValue Saldo = NO_HOURS;
    HoursValue Account = NO_HOURS;
    char Info[INFO_SIZE] = {};
    std::int32_t NoSaldo = 0;
};
