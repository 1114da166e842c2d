#pragma once
// The logic of the dialogs that book whole days or set the account:
// FlexiDayDialog and HolidayEntryDialog (DLG_GETDAY), VacationDialog and
// SickDaysDialog (DLG_GETFEWDAYS), AccountCorrectionDialog (DLG_ACCOUNT).
//
// Each Accept function is the dialog's OK: false keeps the dialog open (the
// user has been told why, unless noted), true lets it close. The counters
// Holidays, Sickdays and GDays change in the Settings record in memory only;
// the command that opened the dialog saves them with SaveSettings.
#include <string>

#include "core/time_values.h"

class MonthPlan;
struct EntryRecord;

inline constexpr const char* FLEXI_DAY_TITLE = "Gleittagerfassung";
inline constexpr const char* HOLIDAY_ENTRY_TITLE = "Feiertagserfassung";
inline constexpr const char* VACATION_TITLE = "Urlaubstageerfassung";
inline constexpr const char* SICK_DAYS_TITLE = "Krankheitstageerfassung";
inline constexpr const char* ACCOUNT_CORRECTION_TITLE = "Zeitkonto korrigieren";

// DLG_GETDAY: 1007 "Datum:", 1014 "Bemerkung:".
struct DayEntryFields {
    std::string date;
    std::string remark;
};

// DLG_GETFEWDAYS: 1007 "Datum:", 1008 "bis:", 1014 "Bemerkung:".
struct DayRangeFields {
    std::string from;
    std::string to; // empty: the from day alone
    std::string remark;
};

// DLG_ACCOUNT: 1007 "Datum:", 1004 "Zeitkontostand:", 1014 "Bemerkung:".
struct AccountCorrectionFields {
    std::string date;
    std::string account;
    std::string remark;
};

// suggestedDate is the selected row's date, empty for today.
DayEntryFields InitDayEntry(MonthPlan& plan, const std::string& suggestedDate);
DayRangeFields InitVacation(MonthPlan& plan, const std::string& suggestedDate);
// Proposes the remark "Krankheitstag".
DayRangeFields InitSickDays(MonthPlan& plan, const std::string& suggestedDate);
AccountCorrectionFields InitAccountCorrection(MonthPlan& plan, const std::string& suggestedDate);

// One flexi day; refused on a day that is free anyway or holds a flexi day.
// GDays + 1.
bool AcceptFlexiDay(MonthPlan& plan, const DayEntryFields& fields);
// One counted day (FlexiDay, Vacation or SickDay) on a date already read and
// checked (ReadEntryDate), as its dialog books that day alone: refused on a
// day that is free anyway or already holds that kind, and a vacation day
// when none is left; otherwise the counter and the entry, at key (day |
// position << 16) or with key 0 at the day's free slot. The time entry
// dialog books "G", "U" and "K" in "Kommen" with it.
bool StoreCountedDay(MonthPlan& plan, const EntryRecord& date, EntryKind kind, const std::string& remark, unsigned key);
// One public holiday; no free-day check, no counter.
bool AcceptHolidayEntry(MonthPlan& plan, const DayEntryFields& fields);
// Vacation on every day of the range that is not free anyway and holds no
// vacation yet; refused when the range ends before it starts, when it holds
// no such day (a range of one day as StoreCountedDay refuses it), or when
// more days are needed than Holidays holds; otherwise Holidays - n.
bool AcceptVacation(MonthPlan& plan, const DayRangeFields& fields);
// Sick days likewise, without a limit; Sickdays + n.
bool AcceptSickDays(MonthPlan& plan, const DayRangeFields& fields);
// Sets the running account to the entered value from the date on; refused
// when the value is no number of hours (ReadHoursField).
bool AcceptAccountCorrection(MonthPlan& plan, const AccountCorrectionFields& fields);
