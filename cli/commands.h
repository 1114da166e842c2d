#pragma once
// The commands of stundwerk-cli: one table, one small file per group.
#include <iosfwd>
#include <memory>
#include <string>

#include "cli/arguments.h"
#include "core/command_lock.h"
#include "core/time_values.h"

class CliSession;
class MonthPlan;

// What a command gets: its arguments, the output streams and the session,
// which is made on first use from the global options (so that usage errors
// are found before any file is touched).
class CliRun {
public:
    CliRun(std::ostream& out, std::ostream& err);
    ~CliRun();

    CommandArguments args;
    std::ostream& out;
    std::ostream& err;
    std::string command;
    std::string iniPath;                        // empty: stundwrk.ini beside the program
    bool systemProfile = false;                 // the Win32 private-profile functions instead of the engine
    unsigned lockWaitMs = COMMAND_LOCK_WAIT_MS; // --wait
    LocalTime now;
    bool sessionStarted() const { return session_ != nullptr; }

    CliSession& Session();
    // Prints the usage error and returns its exit code.
    int Usage(const std::string& message);
    // The positional argument as a date, month or number, or a usage error.
    bool Date(std::size_t index, CliDate& date);
    bool MonthYear(std::size_t index, unsigned& month, unsigned& year);
    // Opens the period (MONTH YEAR at index) or the period of a DATE.
    MonthPlan* OpenPeriodArgument(std::size_t index);
    MonthPlan* OpenDatePlan(const CliDate& date);
    // 0, or 1 when the session refused something.
    int Result();

private:
    std::unique_ptr<CliSession> session_;
    bool usageFailed_ = false;
};

using CommandHandler = int (*)(CliRun& run);

struct CliCommand {
    const char* name;
    const char* synopsis;      // arguments as the help shows them
    const char* description;   // German, UTF-8
    unsigned minArgs, maxArgs; // positional arguments
    const char* valueOptions;  // " --remark --day " style lists
    const char* flagOptions;
    CommandHandler run;
};

// Every command, in the order of the help text.
const CliCommand* Commands(std::size_t& count);

// Today's period, opened as every command opens its plan.
MonthPlan* OpenTodaysPlan(CliRun& run);

// The handlers, by group.
int OpenCommand(CliRun& run);
int ShowCommand(CliRun& run);
int RecomputeCommand(CliRun& run);
int WeekdaysCommand(CliRun& run);
int CarryOverCommand(CliRun& run);
int EvaluateCommand(CliRun& run);
int YearCommand(CliRun& run);
int ExportCommand(CliRun& run);
int ArriveCommand(CliRun& run);
int LeaveCommand(CliRun& run);
int StatusCommand(CliRun& run);
int InitCommand(CliRun& run);
// "gehen DATE HH:MM": the open entry of that day completed as the time entry dialog's OK does.
int CompleteEntryCommand(CliRun& run);
int DeleteCommand(CliRun& run);
int MoveCommand(CliRun& run);
int FillMissingCommand(CliRun& run);
int HolidaysListCommand(CliRun& run);
int EntryCommand(CliRun& run);
int HoursCommand(CliRun& run);
int FlexiCommand(CliRun& run);
int HolidayCommand(CliRun& run);
int VacationCommand(CliRun& run);
int SickCommand(CliRun& run);
int CorrectCommand(CliRun& run);
int RemarkCommand(CliRun& run);
