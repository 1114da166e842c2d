#pragma once
// The options record and the three day counters, kept in stundwrk.ini.
#include <cstdint>

#include "calendar/holiday_rules.h"

constexpr int WORKING_DIR_SIZE = 256;
constexpr int HEADLINE_SIZE = 70;
constexpr int SETTINGS_PATH_SIZE = 260;

struct Settings {
    std::uint32_t Holidays = 30;
    std::uint32_t Sickdays = 0;
    std::uint32_t GDays = 0;
    std::int32_t HoursPerDay = 456;
    std::int32_t RestPerDay = 30;
    std::int32_t RestTime = 360;
    std::int32_t RestPerDay2 = 0;
    std::int32_t RestTime2 = 0;
    std::int32_t MaxTime = 1440;
    std::int32_t TimeLag = 0;
    std::uint32_t WorkDays = 31;
    std::uint32_t StartDay = 1;
    std::int32_t WWorkTime = 600;
    std::int32_t WAccount = 6000;
    std::uint32_t OpenMonth = 0;
    std::uint32_t SelectDay = 1;
    std::uint32_t AutoTimer = 1;
    std::uint32_t Separate = 1;
    std::uint32_t WarnWorkTime = 0;
    std::uint32_t WarnAccount = 0;
    std::uint32_t CheckMissings = 1;
    std::uint32_t Icons = 1;
    std::uint32_t Extern = 0;
    std::uint32_t ComFormat = 0;
    std::uint32_t WorkTimeRests = 0;
    std::uint32_t ColorStripes = 16773087;
    std::uint32_t ColorFreeDays = 255;
    char WorkingDir[WORKING_DIR_SIZE] = {};
    char HeadLine1[HEADLINE_SIZE] = "Stundwerk - Monatsübersicht";
    char HeadLine2[HEADLINE_SIZE] = "Name:";
    char HeadLine3[HEADLINE_SIZE] = "Personalnummer:";
    std::uint32_t ExportFields = 17;
    // Kept in the file only while set.
    std::uint32_t NoticeRegularTime = 0;
    // "Erfassung ab" as yyyymmdd: no earlier day becomes a missing day (0: none).
    std::uint32_t RecordFrom = 0;
    // The records the Windows session makes by itself, each kept in the file
    // only while it differs from its default: "Kommen" at logon and unlock,
    // "Gehen" at lock and logoff, a lock of at least LockBreakMinutes as a
    // break, and the mark of such records in the remark.
    std::uint32_t AutoArrival = 0;
    std::uint32_t AutoDeparture = 0;
    std::uint32_t LockBreak = 0;
    std::int32_t LockBreakMinutes = 15;
    std::uint32_t MarkAutomatic = 0;
    char SettingsPath[SETTINGS_PATH_SIZE] = "stundwrk.ini";
    // Key Land of section Options and section Feiertage; empty: the built-in table.
    HolidayRules FreeDays;
};

// Nonzero when the weekday (0 = Sunday .. 6 = Saturday) is a regular work
// day; weekday numbers outside 0..6 are no work days.
inline std::uint32_t IsWorkDay(const Settings& settings, int weekday)
{
    static const std::uint32_t bits[7] = {0x40, 0x01, 0x02, 0x04, 0x08, 0x10, 0x20};
    return weekday >= 0 && weekday <= 6 ? settings.WorkDays & bits[weekday] : 0;
}
