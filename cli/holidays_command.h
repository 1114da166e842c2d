#pragma once
#include <iosfwd>

struct HolidayRules;

// The year argument of "holidays", 1 to 9999; false after printing the usage error.
bool ParseHolidaysYear(const char* yearText, unsigned& year, std::ostream& err);
// Every public holiday (H) of the rules and special day (S) of a year, in
// calendar order.
void PrintHolidays(unsigned year, const HolidayRules& rules, std::ostream& out);
