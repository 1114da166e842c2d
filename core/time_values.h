#pragma once
// Times are whole minutes in a signed 32-bit integer. Two value domains share
// the unit and reserve different values for "no value" and the entry-kind codes.
#include <cstdint>
#include <string_view>

struct Settings;

using TimeValue = std::int32_t;  // clock time (Come, Go), stored with "%u"
using HoursValue = std::int32_t; // duration, balance, account, stored with "%li"

enum EntryKind : std::int32_t {
    DirectHours = 0,
    FlexiDay = 1,
    AccountCorrection = 2,
    EmptyDay = 3,
    Vacation = 4,
    MissingDay = 5,
    PublicHoliday = 6,
    SickDay = 7,
};
constexpr int ENTRY_KIND_COUNT = 8;

constexpr TimeValue NO_TIME = 32767;
constexpr TimeValue TIME_CODE_BASE = 32768;
constexpr HoursValue NO_HOURS = 2147483647;
constexpr HoursValue HOURS_CODE_BASE = INT32_MIN;

constexpr TimeValue TimeCode(EntryKind kind)
{
    return TIME_CODE_BASE + kind;
}
constexpr HoursValue HoursCode(EntryKind kind)
{
    return HOURS_CODE_BASE + kind;
}
constexpr bool IsTimeCode(TimeValue v)
{
    return v >= TIME_CODE_BASE && v < TIME_CODE_BASE + ENTRY_KIND_COUNT;
}
constexpr bool IsHoursCode(HoursValue v)
{
    return v >= HOURS_CODE_BASE && v < HOURS_CODE_BASE + ENTRY_KIND_COUNT;
}
constexpr EntryKind TimeCodeKind(TimeValue v)
{
    return static_cast<EntryKind>(v - TIME_CODE_BASE);
}
constexpr EntryKind HoursCodeKind(HoursValue v)
{
    return static_cast<EntryKind>(v - HOURS_CODE_BASE);
}

constexpr TimeValue MINUTES_PER_DAY = 24 * 60;

// A clock time moved by the travel-time correction (TimeLag) stays in its
// day: an arrival shortly after midnight is stored as 00:00, a departure
// shortly before it as 24:00.
constexpr TimeValue WithinDay(TimeValue minutes)
{
    return minutes < 0 ? 0 : minutes > MINUTES_PER_DAY ? MINUTES_PER_DAY : minutes;
}

// Text of each kind's code ("**.**", "GT", ...), indexed by EntryKind.
extern const char* const EntryKindTexts[ENTRY_KIND_COUNT];

// "So" .. "Sa" by weekday number (0 = Sunday), index 7 "??".
extern const char WeekdayAbbreviations[8][3];

// Every caller buffer holds at least this many characters.
constexpr int TEXT_BUFFER_SIZE = 256;

struct EntryRecord;

// The local date and time, as GetLocalTime gives it (only the fields used).
struct LocalTime {
    unsigned year = 0;
    unsigned month = 0;
    unsigned dayOfWeek = 0;
    unsigned day = 0;
    unsigned hour = 0;
    unsigned minute = 0;
    unsigned second = 0;
};

// Each returns the length written into buffer (at least TEXT_BUFFER_SIZE chars).
int FormatTime(TimeValue value, char* buffer);
int FormatHours(const Settings& settings, HoursValue value, char* buffer);
// Both may write into text: a leading "-" becomes "0".
TimeValue ParseTime(char* text);
HoursValue ParseHours(char* text);
// The year part of a date text: four characters as they are, anything else
// as a year of the 1900s from its first two characters ("02" is 1902), no
// year as 1900.
unsigned ParseDateYear(std::string_view text);
// Fills day, month and year of record; returns the year.
unsigned ParseDate(const char* text, EntryRecord& record);
int FormatEntryDate(const EntryRecord& record, char* buffer);
int FormatSystemTimeDate(const LocalTime& time, char* buffer);
// yyyymmdd; 0 for null.
long long DateKey(const EntryRecord* record);
