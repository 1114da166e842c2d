#pragma once
#include <iosfwd>

// Every public holiday (H) and special day (S) of a year, in calendar order.
int HolidaysCommand(const char* yearText, std::ostream& out, std::ostream& err);
