#pragma once
// What the program's command handler calls for the commands that open a
// dialog. Every dialog is modal and over when these return.
#include <windows.h>

class FrameCore;
class UserPrompts;
struct FirstStart;
class MonthPlan;
struct Settings;

// The entry and value commands on the active month plan: 40003 (new time
// entry with the selected date), 40006 (change the selected entry), 40007,
// 40015, 40018, 40016, 40005 (day kinds and account correction with the
// selected date), 40017, 40019, 40021 (the day counters). The commands that
// change a day counter save the settings afterwards, whichever button closed
// the dialog, and so does a time entry that booked a flexi day. Returns
// false, doing nothing, for any other command or when a command that needs
// a month plan gets none.
bool RunDialogForCommand(UINT command, HWND frame, FrameCore& core, MonthPlan* plan);

// The time entry dialog on the entry key of the plan with "Gehen" focused:
// an entry left open on an earlier day.
void CompleteOpenEntry(HWND frame, MonthPlan& plan, unsigned key);

// "Willkommen bei Stundwerk" on values; true on OK with the values entered.
bool RunWelcomeDialog(HWND frame, const Settings& settings, UserPrompts& prompts, FirstStart& values);

// 40002 and 40001: the month dialog, proposing the current period when
// month is 0. False when the user cancelled.
bool AskMonthPlan(HWND owner, FrameCore& core, unsigned& month, unsigned& year);

// 155: the options sheet on the settings. Comparing, saving and applying
// the new values is the caller's.
void EditOptions(HWND frame, Settings& settings);
