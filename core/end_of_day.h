#pragma once
// When today's open entry ends the working day: the clock time at which the
// day's balance reaches 0:00 and the one at which the daily maximum is
// reached, from the same values as the live "T" row.
#include <cstdint>
#include <string>

#include "core/time_values.h"

struct Settings;

// The day's net work time for a gross sum of its entries: both break rules
// (in full, or only as far as the sum runs into them with WorkTimeRests)
// and the daily cap, as the day balance counts it.
std::int64_t NetWorkTime(const Settings& settings, std::int64_t gross);

// The first gross sum from `from` on whose net work time reaches `target`;
// -1 when none does within one day past `from`.
std::int64_t FirstGrossReaching(const Settings& settings, std::int64_t from, std::int64_t target);

struct EndOfDay {
    // Clock time at which the balance reaches 0:00; NO_TIME when not today.
    TimeValue leave = NO_TIME;
    // Clock time at which MaxTime is reached; NO_TIME when not today.
    TimeValue cap = NO_TIME;
};

// come: the open entry's arrival; before: the gross sum of the day's earlier
// entries as the day balance adds them (a flexi or missing day counts
// -HoursPerDay, a correction starts again from 0). A day without a balance
// (NoSaldo) has no end.
EndOfDay ComputeEndOfDay(const Settings& settings, TimeValue come, std::int64_t before, bool noSaldo);

// The text of the status bar's live part at clock time now: "Feierabend um
// 16:21", "Saldo heute +0:42" once that time has passed (or the day has no
// end), "Höchstarbeitszeit um 18:45" once the cap is less than an hour away.
std::string EndOfDayText(const Settings& settings, const EndOfDay& end, TimeValue now, HoursValue saldo);
