#pragma once
// The logic of the time entry dialog (DLG_GETDATA, "Zeiterfassung"): the
// field values it opens with, the "now" buttons and what OK checks and
// stores. The GUI dialog moves texts between its controls and these
// functions; the CLI calls them directly.
#include <string>

class MonthPlan;

struct TimeEntryFields {
    std::string date;        // 1007 "Datum:"
    bool dateEnabled = true; // an existing entry cannot move to another date
    std::string come;        // 1000 "Kommen:"
    std::string go;          // 1001 "Gehen:"
    std::string hours;       // 1002 "Stunden:"
    std::string remark;      // 1014 "Bemerkung:"
    bool noSaldo = false;    // 1028 "Tag hat keine Regelarbeitszeit"
    bool hoursMode = false;  // 1020 "&Stunden" checked, else 1019 "&Zeiten"
};
// Kommen and Gehen are enabled in times mode, Stunden in hours mode; the
// fields of the other mode are ignored on OK.

// The fields for the entry key (day | position << 16), or for a new entry
// when the key is 0 or names no entry. suggestedDate is the selected row's
// date, empty for today.
TimeEntryFields InitTimeEntry(MonthPlan& plan, unsigned key, const std::string& suggestedDate);

// Button 1003: now minus TimeLag, never before 00:00.
std::string ArrivalNow(MonthPlan& plan);
// Button 1004: now plus TimeLag.
std::string DepartureNow(MonthPlan& plan);

// OK: checks the fields (telling the user what is wrong, title "Fehler"),
// writes the entry at the key (0: the day's free slot) and recomputes the
// period from the entry's day. False keeps the dialog open; nothing is
// written then. Code letters in "Kommen" (either case): F books a public
// holiday, G, U and K a flexi, vacation or sick day exactly as their dialogs
// book that day (StoreCountedDay: the free-day check, the counter); Z, --
// and * are refused in "Kommen" and "Gehen", and "Gehen" takes no day-kind
// letter other than the one in "Kommen". Other text with a letter, "?" in
// "Kommen" and hours that ReadHoursField refuses are refused too.
bool AcceptTimeEntry(MonthPlan& plan, unsigned key, const TimeEntryFields& fields);
