#pragma once
// The first start: the few settings a new user gives before anything else,
// and the current period created with the account carried over from the
// time recording used so far.
#include <cstdint>
#include <string>

#include "core/time_values.h"

class FrameCore;
class MonthPlan;
struct Settings;

struct FirstStart {
    std::int32_t hoursPerDay = 0;
    std::uint32_t workDays = 0;
    // "Erfassung ab" as yyyymmdd.
    std::uint32_t recordFrom = 0;
    // "Übertrag aus der bisherigen Zeiterfassung".
    HoursValue account = 0;
    std::uint32_t vacationDays = 0;
    bool openMonth = true;
};

// The settings' values, recording from today.
FirstStart FirstStartDefaults(const Settings& settings, const LocalTime& today);
// "DD.MM.YYYY" for a yyyymmdd date, and back (0 when the text is no date).
std::string RecordFromText(std::uint32_t recordFrom);
std::uint32_t ParseRecordFrom(const std::string& text);

// The welcome dialog's text fields and check boxes.
struct FirstStartFields {
    std::string hours, from, account, vacation;
    std::uint32_t workDays = 0;
    bool openMonth = true;
};
FirstStartFields FormatFirstStart(const Settings& settings, const FirstStart& values);
// nullptr and the values, or the note that names the field in error.
const char* ParseFirstStart(const FirstStartFields& fields, FirstStart& values);

// Takes the values into the settings and saves them; false when the file
// could not be written.
bool SaveFirstStart(FrameCore& frame, const FirstStart& values);
// The opening account of a period just created, and its recomputation.
void SetOpeningAccount(MonthPlan& plan, HoursValue account);
