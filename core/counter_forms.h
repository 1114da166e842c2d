#pragma once
// The logic of DayCountDialog (DLG_DAYS) in its three variants, each editing
// one day counter of the settings. The counter changes in the Settings
// record in memory; the command that opened the dialog saves the settings
// with SaveSettings afterwards, after OK and after "Abbrechen" alike.
#include <cstdint>
#include <string>

struct Settings;

enum class DayCounter { Holidays, Sickdays, GDays };

struct DayCounterTexts {
    const char* title; // the dialog's title
    const char* label; // static 178
};

DayCounterTexts DayCountTexts(DayCounter counter);
std::uint32_t& DayCountOf(Settings& settings, DayCounter counter);
std::uint32_t DayCountOf(const Settings& settings, DayCounter counter);

// Edit 1032 as the dialog opens: the counter as a signed number ("%i").
std::string InitDayCount(const Settings& settings, DayCounter counter);
// OK: stores the number; false (stay open, no message) when the text is no
// unsigned number, such as "-3".
bool AcceptDayCount(Settings& settings, DayCounter counter, const std::string& text);
