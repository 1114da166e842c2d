// "init": the first start's settings for scripts, and the current period
// with the opening account.
#include <algorithm>
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
    FirstStartFields fields = FormatFirstStart(settings, values);
    const struct {
        const char* option;
        std::string& field;
    } texts[] = {{"--hours", fields.hours},
                 {"--from", fields.from},
                 {"--account", fields.account},
                 {"--vacation", fields.vacation}};
    for (const auto& text : texts) {
        if (run.args.Has(text.option))
            text.field = Utf8ToCp1252(run.args.Option(text.option));
    }
    if (run.args.Has("--workdays") && !ParseWorkDays(run.args.Option("--workdays"), fields.workDays))
        return run.Usage("--workdays: Wochentage wie Mo,Di,Mi,Do,Fr");
    fields.openMonth = !run.args.Has("--no-open-month");
    if (const char* error = ParseFirstStart(fields, values))
        return run.Usage(error);

    SaveFirstStart(session.frame(), values);
    unsigned month = 0, year = 0;
    session.frame().TodaysPeriod(month, year);
    const bool created = !session.frame().PlanExists(MonthPlanFileName(settings, month, year));
    MonthPlan* plan = OpenTodaysPlan(run);
    if (plan && created)
        SetOpeningAccount(*plan, values.account);
    return run.Result();
}
