#pragma once
// An entry left without "Gehen" on an earlier day: every later account of
// its period reads "??:??" until it is completed, so the program points the
// user to it once a day.
#include <optional>
#include <string>
#include <vector>

#include "core/time_values.h"

class FrameCore;
class ProfileStore;

// Position (from 1) of the first entry of the day that has a "Kommen" time
// and no "Gehen", 0 when there is none.
unsigned FindOpenEntryIn(ProfileStore& store, const std::string& file, unsigned day);
// Whether the day has an entry besides its empty or missing-day placeholder.
bool DayHasEntryIn(ProfileStore& store, const std::string& file, unsigned day);

struct OpenEarlierEntry {
    unsigned periodMonth = 0, periodYear = 0;
    unsigned day = 0, position = 0;
    TimeValue come = NO_TIME;
    std::string date; // "04.03.2002"
};

// The earliest open entry before today in the period before today's and in
// today's period (files that exist only).
std::optional<OpenEarlierEntry> FindOpenEarlierEntry(FrameCore& frame);

// "Am 04.03.2002 wurde kein "Gehen" erfasst ("Kommen" 08:00). ..."
std::string ForgottenDepartureNote(const OpenEarlierEntry& entry);

// Asks about each open entry once a day: at "Kommen", at the start and at
// the first computation of a new day, never at every tick.
class ForgottenDepartureCheck {
public:
    // The entry to point to now, remembered as asked for today.
    std::optional<OpenEarlierEntry> NextToAsk(FrameCore& frame);
    // True the first time it is called on each day.
    bool FirstOfDay(const LocalTime& now);

private:
    std::vector<std::string> asked_;
    long long lastDay_ = 0;
};
