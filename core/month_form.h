#pragma once
// The logic of MonthDialog (DLG_GETMONTH, "Monatsplan"): which period it
// proposes and which input it accepts. The list 1009 holds MonthNames in
// order, so the selected index is month - 1.
#include <string>

class Clock;
struct Settings;

inline constexpr const char* MONTH_DIALOG_TITLE = "Monatsplan";

// When month is 0, proposes the period that contains today: today's month
// and year, or the month before when today lies before StartDay. Otherwise
// month and year stay as the caller set them.
void ProposeMonth(const Settings& settings, Clock& clock, unsigned& month, unsigned& year);

// OK: month = selectedIndex + 1 (-1 for no selection gives 0); year = the
// unsigned number in yearText, with years up to 1900 counted from 1900 (99
// is 1999). Both are written as they are read, even when the input is
// refused. False (stay open, no message) for month 0 or beyond 12, a year
// text that is no unsigned number, or a year of 0.
bool AcceptMonth(int selectedIndex, const std::string& yearText, unsigned& month, unsigned& year);

// "Abbrechen": month 0 tells the caller that the dialog was cancelled.
inline void CancelMonth(unsigned& month)
{
    month = 0;
}
