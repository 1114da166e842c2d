// Commands on a whole period: open, list, recompute, evaluate, export; the year overview.
#include <ostream>

#include "cli/commands.h"
#include "cli/session.h"
#include "cli/text_output.h"
#include "core/clipboard_export.h"
#include "core/evaluation.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/year_overview.h"

int OpenCommand(CliRun& run)
{
    run.OpenPeriodArgument(0);
    return run.Result();
}

int ShowCommand(CliRun& run)
{
    MonthPlan* plan = run.OpenPeriodArgument(0);
    if (plan == nullptr)
        return run.Result();
    for (const ListRow& row : plan->rows()) {
        for (int column = 0; column < LIST_COLUMNS; ++column) {
            if (column > 0)
                run.out << '\t';
            run.out << Cp1252ToUtf8(row.text[column]);
        }
        run.out << '\n';
    }
    return run.Result();
}

int RecomputeCommand(CliRun& run)
{
    if (MonthPlan* plan = run.OpenPeriodArgument(0))
        plan->RecomputeMonthTimes();
    return run.Result();
}

int WeekdaysCommand(CliRun& run)
{
    if (MonthPlan* plan = run.OpenPeriodArgument(0))
        plan->RecomputeWeekdays();
    return run.Result();
}

int CarryOverCommand(CliRun& run)
{
    if (MonthPlan* plan = run.OpenPeriodArgument(0))
        plan->RetakeCarryOver();
    return run.Result();
}

int EvaluateCommand(CliRun& run)
{
    if (MonthPlan* plan = run.OpenPeriodArgument(0))
        run.out << Cp1252ToUtf8(EvaluateMonth(*plan)) << '\n';
    return run.Result();
}

int YearCommand(CliRun& run)
{
    unsigned year = 0;
    if (!ParseCliNumber(run.args.positional[0], 1, 9999, year))
        return run.Usage("das Jahr muss eine ganze Zahl von 1 bis 9999 sein.");
    CliSession& session = run.Session();
    if (!session.refused())
        run.out << Cp1252ToUtf8(YearOverviewText(session.settings(), BuildYearOverview(session.frame(), year)));
    return run.Result();
}

int ExportCommand(CliRun& run)
{
    unsigned day = 0, fields = 0;
    const bool marked = run.args.Has("--day");
    if (marked && !ParseCliNumber(run.args.Option("--day"), 1, 31, day))
        return run.Usage("--day erwartet einen Tag von 1 bis 31.");
    const bool ownFields = run.args.Has("--fields");
    if (ownFields && !ParseCliNumber(run.args.Option("--fields"), 0, 31, fields))
        return run.Usage("--fields erwartet eine Zahl von 0 bis 31 (1 Datum, 2 Kommen, 4 Gehen, 8 Stunden, 16 Saldo).");
    MonthPlan* plan = run.OpenPeriodArgument(0);
    if (plan == nullptr)
        return run.Result();
    CliSession& session = run.Session();
    if (!ownFields)
        fields = session.settings().ExportFields;
    // "Nur markierten Eintrag" with a row of that day selected.
    if (marked && !plan->SelectEntryRow(day, 1)) {
        session.Refuse(EXPORT_NOTHING_MARKED);
        return run.Result();
    }
    const std::string text = ExportText(*plan, fields, marked ? day : 0);
    if (text.empty())
        session.Refuse(EXPORT_NOTHING);
    else
        run.out << Cp1252ToUtf8(text);
    return run.Result();
}
