#pragma once
// What the options sheet edits: a copy of the settings values its pages
// show. The pages fill from it and read back into it; only OK copies it
// into Settings. The day counters are not part of it.
#include <cstdint>

#include "core/settings.h"

struct OptionsWorkingCopy {
    std::uint32_t StartDay;
    std::int32_t HoursPerDay, RestPerDay, RestTime, RestPerDay2, RestTime2, MaxTime, TimeLag;
    std::uint32_t WorkDays;
    std::int32_t WWorkTime, WAccount;
    std::uint32_t OpenMonth, SelectDay, AutoTimer, Separate, WarnWorkTime, WarnAccount, CheckMissings, Icons, Extern,
        ComFormat, WorkTimeRests, NoticeRegularTime;
    std::uint32_t AutoArrival, AutoDeparture, LockBreak, MarkAutomatic;
    std::int32_t LockBreakMinutes;
    std::uint32_t ColorStripes, ColorFreeDays;
    char WorkingDir[WORKING_DIR_SIZE];
    char HeadLine1[HEADLINE_SIZE], HeadLine2[HEADLINE_SIZE], HeadLine3[HEADLINE_SIZE];
    HolidayRules FreeDays;
};

OptionsWorkingCopy CopyOptions(const Settings& settings);
void ApplyOptions(const OptionsWorkingCopy& copy, Settings& settings);

// The colour designs of list 1041: item 0 is a prompt that changes nothing.
struct ColourDesign {
    const char* name;
    std::uint32_t stripes; // COLORREF 0x00BBGGRR
};
constexpr int COLOUR_DESIGN_COUNT = 6;
extern const ColourDesign ColourDesigns[COLOUR_DESIGN_COUNT];

// The regular working time that "externer MA" sets: none for an external
// worker, the default otherwise.
inline std::int32_t ExternHoursPerDay(bool external)
{
    return external ? 0 : Settings().HoursPerDay;
}
