#pragma once
// Which days are public holidays: the built-in table, or the statutory
// holidays of one German state, and the user's own free days after either.
#include <cstdint>

constexpr int STATE_CODE_SIZE = 3;
constexpr int OWN_DAY_COUNT = 32;
constexpr int OWN_DAY_SIZE = 80;

struct HolidayRules {
    char state[STATE_CODE_SIZE] = {};               // a code of States, or empty: the built-in table
    char ownDays[OWN_DAY_COUNT][OWN_DAY_SIZE] = {}; // own day texts; the first empty one ends the list
};

// A German state: its two-letter code and its name (Windows-1252).
struct State {
    const char* code;
    const char* name;
};
constexpr int STATE_COUNT = 16;
extern const State States[STATE_COUNT]; // in the order of their names

// The index into States of a code (either case), or -1.
int StateIndex(const char* code);

// One day of the state tables: the states it holds in (codes separated by
// blanks, "*" for all), a day expression with its name, and the years it
// holds in (0: no limit on that side).
struct StateHoliday {
    const char* states;
    const char* expression;
    std::int32_t firstYear;
    std::int32_t lastYear;
};
constexpr int STATE_HOLIDAY_COUNT = 25;
extern const StateHoliday StateHolidayTable[STATE_HOLIDAY_COUNT];

// Whether the row holds in the state (a code of States) in the year.
bool StateHolidayHolds(const StateHoliday& row, const char* state, std::int32_t year);

// An own day: a day expression, whose date may carry a year
// ("12.06.2027 :Betriebsausflug"); such a day holds in that year only.
struct OwnDay {
    char expression[OWN_DAY_SIZE]; // the text without the year
    std::int32_t year;             // 0: every year
};
OwnDay SplitOwnDay(const char* text);
