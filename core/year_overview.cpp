#include "core/year_overview.h"

#include <cstdint>

#include "calendar/calendar.h"
#include "core/frame_core.h"
#include "core/month_plan.h"
#include "core/period.h"
#include "core/plan_keys.h"
#include "core/settings.h"

const char* const YearOverviewColumns[YEAR_OVERVIEW_COLUMNS] = {
    "Zeitraum",     "Soll-Arbeitstage", "Ist-Arbeitstage", "Überstunden", "Fehlstunden",
    "Stundensaldo", "Kontostand",       "Urlaubstage",     "Krankheitstage", "Gleittage",
};

namespace {

// The plans are only read: nothing is shown.
class UnseenPlanView : public PlanView {
public:
    void ShowRows(const std::vector<ListRow>&) override {}
    void UpdateRow(int, const ListRow&) override {}
    int SelectedRow() override { return -1; }
    void SelectRow(int) override {}
};

// The days of the period on which an entry books the kind.
unsigned DaysOfKind(MonthPlan& plan, EntryKind kind)
{
    unsigned days = 0;
    for (const unsigned day : PeriodDays::All(EffectiveStartDay(plan.settings()))) {
        EntryRecord entry;
        for (unsigned position = 1; position <= MAX_POSITION && plan.ReadEntry(day, position, entry); ++position) {
            if (entry.Come == TimeCode(kind)) {
                ++days;
                break;
            }
        }
    }
    return days;
}

HoursValue Sum(HoursValue a, HoursValue b)
{
    return static_cast<HoursValue>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b));
}

std::string Hours(const Settings& settings, HoursValue value)
{
    char text[TEXT_BUFFER_SIZE];
    FormatHours(settings, value, text);
    return text;
}

} // namespace

YearOverview BuildYearOverview(FrameCore& frame, unsigned year)
{
    YearOverview overview;
    overview.year = year;
    overview.vacationDaysLeft = frame.settings().Holidays;
    UnseenPlanView view;
    YearOverviewRow& total = overview.total;
    for (unsigned month = 1; month <= 12; ++month) {
        if (!frame.PlanExists(MonthPlanFileName(frame.settings(), month, year)))
            continue;
        MonthPlan plan(frame, view, month, year);
        YearOverviewRow row;
        row.month = month;
        row.evaluation = EvaluatePeriod(plan);
        row.account = frame.ReadClosingAccount(plan.path());
        row.vacationDays = DaysOfKind(plan, Vacation);
        row.sickDays = DaysOfKind(plan, SickDay);
        row.flexiDays = DaysOfKind(plan, FlexiDay);
        overview.periods.push_back(row);

        MonthEvaluation& sums = total.evaluation;
        sums.targetDays += row.evaluation.targetDays;
        sums.actualDays += row.evaluation.actualDays;
        sums.overtime = Sum(sums.overtime, row.evaluation.overtime);
        sums.missing = Sum(sums.missing, row.evaluation.missing);
        sums.balance = Sum(sums.balance, row.evaluation.balance);
        total.account = row.account;
        total.vacationDays += row.vacationDays;
        total.sickDays += row.sickDays;
        total.flexiDays += row.flexiDays;
    }
    return overview;
}

std::vector<std::string> YearOverviewCells(const Settings& settings, const YearOverviewRow& row)
{
    const MonthEvaluation& e = row.evaluation;
    return {
        row.month == 0 ? std::string("Summe") : std::string(MonthNames[row.month - 1]),
        std::to_string(e.targetDays),
        std::to_string(e.actualDays),
        Hours(settings, e.overtime),
        Hours(settings, e.missing),
        Hours(settings, e.balance),
        row.account == NO_HOURS ? std::string() : Hours(settings, row.account),
        std::to_string(row.vacationDays),
        std::to_string(row.sickDays),
        std::to_string(row.flexiDays),
    };
}

std::string YearOverviewText(const Settings& settings, const YearOverview& overview)
{
    std::string text;
    auto line = [&text](const std::vector<std::string>& cells) {
        for (std::size_t i = 0; i < cells.size(); ++i)
            text += (i ? "\t" : "") + cells[i];
        text += '\n';
    };
    line(std::vector<std::string>(YearOverviewColumns, YearOverviewColumns + YEAR_OVERVIEW_COLUMNS));
    for (const YearOverviewRow& row : overview.periods)
        line(YearOverviewCells(settings, row));
    line(YearOverviewCells(settings, overview.total));
    text += "Resturlaub\t" + std::to_string(overview.vacationDaysLeft) + "\n";
    return text;
}
