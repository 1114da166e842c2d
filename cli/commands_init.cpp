// "init": the first start's settings for scripts, and the current period
// with the opening account.
#include <cstring>
#include <fstream>
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/first_start.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/settings.h"

namespace {

// "Mo,Di,Mi,Do,Fr" as the WorkDays bits (Monday 1 .. Saturday 32, Sunday 64).
bool ParseWorkDays(const std::string& text, std::uint32_t& bits)
{
    bits = 0;
    std::size_t start = 0;
    while (start <= text.size()) {
        const std::size_t end = std::min(text.find(',', start), text.size());
        const std::string name = text.substr(start, end - start);
        int weekday = 0;
        while (weekday < 7 && name != WeekdayAbbreviations[weekday])
            ++weekday;
        if (weekday == 7)
            return false;
        bits |= weekday == 0 ? 0x40u : 1u << (weekday - 1);
        start = end + 1;
    }
    return true;
}

bool ParseDuration(const std::string& text, HoursValue& value)
{
    char buffer[TEXT_BUFFER_SIZE];
    std::snprintf(buffer, sizeof buffer, "%s", text.c_str());
    value = ParseHours(buffer);
    return value != NO_HOURS && !IsHoursCode(value);
}

} // namespace

int InitCommand(CliRun& run)
{
    CliSession& session = run.Session();
    Settings& settings = session.settings();
    if (std::ifstream(settings.SettingsPath).good() && !run.args.Has("--force")) {
        run.err << Cp1252ToUtf8(std::string("Die Einstellungsdatei \"") + settings.SettingsPath +
                                "\" existiert bereits (--force überschreibt sie).")
                << '\n';
        return 1;
    }
    FirstStart values = FirstStartDefaults(settings, session.frame().clock().Now());
    HoursValue hours = 0;
    if (run.args.Has("--hours")) {
        if (!ParseDuration(run.args.Option("--hours"), hours) || hours < 0)
            return run.Usage("--hours: eine Dauer wie 7:36");
        values.hoursPerDay = hours;
    }
    if (run.args.Has("--workdays") && !ParseWorkDays(run.args.Option("--workdays"), values.workDays))
        return run.Usage("--workdays: Wochentage wie Mo,Di,Mi,Do,Fr");
    if (run.args.Has("--from") && (values.recordFrom = ParseRecordFrom(run.args.Option("--from"))) == 0)
        return run.Usage("--from: ein Datum TT.MM.JJJJ");
    if (run.args.Has("--account") && !ParseDuration(run.args.Option("--account"), values.account))
        return run.Usage("--account: ein Kontostand wie -5:30");
    if (run.args.Has("--vacation") &&
        !ParseCliNumber(run.args.Option("--vacation"), 0, 366, values.vacationDays))
        return run.Usage("--vacation: eine Zahl von 0 bis 366");
    values.openMonth = !run.args.Has("--no-open-month");

    SaveFirstStart(session.frame(), values);
    unsigned month = 0, year = 0;
    session.frame().TodaysPeriod(month, year);
    const bool created = !session.frame().PlanExists(MonthPlanFileName(settings, month, year));
    MonthPlan* plan = OpenTodaysPlan(run);
    if (plan && created)
        SetOpeningAccount(*plan, values.account);
    return run.Result();
}
