// The OK of the entry dialogs: a new time entry, day kinds, the account
// correction and a changed remark. The fields are filled as the dialog opens
// them for the DATE (as if its row were selected), then the arguments are
// typed over them.
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/day_kind_forms.h"
#include "core/forgotten_departure.h"
#include "core/month_plan.h"
#include "core/plan_keys.h"
#include "core/remark_form.h"
#include "core/time_entry_form.h"

namespace {

// The date as the dialog's date field reads it: DD.MM.YYYY.
std::string DateText(const CliDate& date)
{
    char text[16];
    std::snprintf(text, sizeof text, "%02u.%02u.%u", date.day, date.month, date.year);
    return text;
}

std::string Remark(const CliRun& run)
{
    return Utf8ToCp1252(run.args.Option("--remark"));
}

int TimeEntry(CliRun& run, bool hoursMode)
{
    CliDate date;
    if (!run.Date(0, date))
        return run.Result();
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan == nullptr)
        return run.Result();
    TimeEntryFields fields = InitTimeEntry(*plan, 0, DateText(date));
    fields.hoursMode = hoursMode;
    if (hoursMode) {
        fields.hours = run.args.positional[1];
    } else {
        fields.come = run.args.positional[1];
        fields.go = run.args.positional.size() > 2 ? run.args.positional[2] : std::string();
    }
    if (run.args.Has("--remark"))
        fields.remark = Remark(run);
    // On a day without regular working time the box starts ticked.
    if (run.args.Has("--no-saldo"))
        fields.noSaldo = true;
    CliSession& session = run.Session();
    const DayCounters before(session.settings());
    AcceptTimeEntry(*plan, 0, fields);
    // "G", "U" and "K" in Kommen book counted days.
    session.SaveChangedCounters(before);
    return run.Result();
}

} // namespace

int CompleteEntryCommand(CliRun& run)
{
    CliDate date;
    if (!run.Date(0, date))
        return run.Result();
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan == nullptr)
        return run.Result();
    const unsigned position = FindOpenEntryIn(plan->store(), plan->path(), date.day);
    if (position == 0) {
        run.err << Cp1252ToUtf8("Am " + DateText(date) + " gibt es keinen Eintrag ohne \"Gehen\"-Zeit.") << '\n';
        return 1;
    }
    const unsigned key = EntryKey(date.day, position);
    TimeEntryFields fields = InitTimeEntry(*plan, key, std::string());
    fields.go = run.args.positional[1];
    AcceptTimeEntry(*plan, key, fields);
    return run.Result();
}

namespace {

// Flexi, vacation and sick days change the counters, which the settings
// file keeps; the GUI saves them however the dialog was closed.
int SaveCountersAndFinish(CliRun& run)
{
    run.Session().SaveSettingsFile();
    return run.Result();
}

// A range FROM [TO]: the plan is that of FROM.
MonthPlan* OpenRange(CliRun& run, DayRangeFields (*init)(MonthPlan&, const std::string&), DayRangeFields& fields)
{
    CliDate from, to;
    if (!run.Date(0, from) || (run.args.positional.size() > 1 && !run.Date(1, to)))
        return nullptr;
    MonthPlan* plan = run.OpenDatePlan(from);
    if (plan == nullptr)
        return nullptr;
    fields = init(*plan, DateText(from));
    fields.from = DateText(from);
    fields.to = run.args.positional.size() > 1 ? DateText(to) : std::string();
    if (run.args.Has("--remark"))
        fields.remark = Remark(run);
    return plan;
}

MonthPlan* OpenDay(CliRun& run, DayEntryFields& fields)
{
    CliDate date;
    if (!run.Date(0, date))
        return nullptr;
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan == nullptr)
        return nullptr;
    fields = InitDayEntry(*plan, DateText(date));
    fields.date = DateText(date);
    if (run.args.Has("--remark"))
        fields.remark = Remark(run);
    return plan;
}

} // namespace

int EntryCommand(CliRun& run)
{
    return TimeEntry(run, false);
}

int HoursCommand(CliRun& run)
{
    return TimeEntry(run, true);
}

int FlexiCommand(CliRun& run)
{
    DayEntryFields fields;
    MonthPlan* plan = OpenDay(run, fields);
    if (plan == nullptr)
        return run.Result();
    AcceptFlexiDay(*plan, fields);
    return SaveCountersAndFinish(run);
}

int HolidayCommand(CliRun& run)
{
    DayEntryFields fields;
    if (MonthPlan* plan = OpenDay(run, fields))
        AcceptHolidayEntry(*plan, fields);
    return run.Result();
}

// A vacation or sick-day range: the dialog's OK, then the counters saved.
static int RangeCommand(CliRun& run, DayRangeFields (*init)(MonthPlan&, const std::string&),
                        bool (*accept)(MonthPlan&, const DayRangeFields&))
{
    DayRangeFields fields;
    MonthPlan* plan = OpenRange(run, init, fields);
    if (plan == nullptr)
        return run.Result();
    accept(*plan, fields);
    return SaveCountersAndFinish(run);
}

int VacationCommand(CliRun& run)
{
    return RangeCommand(run, InitVacation, AcceptVacation);
}

int SickCommand(CliRun& run)
{
    return RangeCommand(run, InitSickDays, AcceptSickDays);
}

int CorrectCommand(CliRun& run)
{
    CliDate date;
    if (!run.Date(0, date))
        return run.Result();
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan == nullptr)
        return run.Result();
    AccountCorrectionFields fields = InitAccountCorrection(*plan, DateText(date));
    fields.date = DateText(date);
    fields.account = run.args.positional[1];
    if (run.args.Has("--remark"))
        fields.remark = Remark(run);
    AcceptAccountCorrection(*plan, fields);
    return run.Result();
}

int RemarkCommand(CliRun& run)
{
    CliDate date;
    unsigned position = 0;
    if (!run.Date(0, date))
        return run.Result();
    if (!ParseCliNumber(run.args.positional[1], 1, MAX_POSITION, position))
        return run.Usage("die Position muss eine Zahl ab 1 sein.");
    MonthPlan* plan = run.OpenDatePlan(date);
    if (plan != nullptr && run.Session().SelectEntry(*plan, date.day, position))
        AcceptRemark(*plan, EntryKey(date.day, position), Utf8ToCp1252(run.args.positional[2]));
    return run.Result();
}
