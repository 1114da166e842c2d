// The year overview against what each period's own evaluation and list show.
#include "core/year_overview.h"

#include "tests/core/plan_fixture.h"

namespace {

// The figure after "label:\t" in the evaluation report, without its unit.
std::string ReportFigure(const std::string& report, const std::string& label)
{
    const std::size_t start = report.find(label + ":\t") + label.size() + 2;
    return report.substr(start, report.find(' ', start) - start);
}

// The account the list shows last: empty days show ".".
std::string LastListedAccount(const MonthPlan& plan)
{
    std::string account;
    for (const ListRow& row : plan.rows())
        if (row.text[ColAccount] != "." && !row.text[ColAccount].empty())
            account = row.text[ColAccount];
    return account;
}

} // namespace

// A year of generated plans, July without one: each row shows the figures of
// that period's "Monats-Auswertung", its list's last account and its day
// counts; the total adds them up; looking creates no plan for July.
TEST_F(PlanTest, YearOverviewShowsEachPeriodsEvaluation)
{
    settings.Holidays = 17;
    std::vector<std::pair<std::string, std::vector<std::string>>> expected;
    for (unsigned month = 1; month <= 12; ++month) {
        if (month == 7)
            continue;
        MonthPlan& plan = Open(month, 2002, month == 1 ? 300 : 0);
        Add(10, At(8, 0), At(15 + month % 3, month * 4));
        Add(17, At(7, 30), At(12, 0));
        if (month % 2)
            AddKind(11, Vacation);
        if (month % 3 == 0)
            AddKind(12, SickDay);
        if (month % 4 == 1)
            AddKind(14, FlexiDay);
        plan.RefreshList();
        const std::string report = EvaluationReport(settings, EvaluatePeriod(plan));
        const DayCounts& counts = plan.dayCounts();
        expected.push_back({MonthNames[month - 1],
                            {ReportFigure(report, "Soll-Arbeitstage"), ReportFigure(report, "Ist-Arbeitstage"),
                             ReportFigure(report, "Überstunden"), ReportFigure(report, "Fehlstunden"),
                             ReportFigure(report, "Stundensaldo"), LastListedAccount(plan),
                             std::to_string(counts.vacationDays), std::to_string(counts.sickDays),
                             std::to_string(counts.flexiDays)}});
    }
    const YearOverview overview = BuildYearOverview(frame, 2002);
    EXPECT_EQ(ReadBytes(MonthPlanFileName(settings, 7, 2002)), "<missing>");
    ASSERT_EQ(overview.periods.size(), expected.size());
    unsigned targetDays = 0, vacationDays = 0;
    for (std::size_t i = 0; i < expected.size(); ++i) {
        const std::vector<std::string> cells = YearOverviewCells(settings, overview.periods[i]);
        EXPECT_EQ(cells[0], expected[i].first);
        EXPECT_EQ(std::vector<std::string>(cells.begin() + 1, cells.end()), expected[i].second) << cells[0];
        targetDays += overview.periods[i].evaluation.targetDays;
        vacationDays += overview.periods[i].vacationDays;
    }
    EXPECT_EQ(overview.total.evaluation.targetDays, targetDays);
    EXPECT_EQ(overview.total.vacationDays, vacationDays);
    EXPECT_EQ(overview.total.account, overview.periods.back().account);
    EXPECT_EQ(overview.vacationDaysLeft, 17u);
    const std::string text = YearOverviewText(settings, overview);
    EXPECT_EQ(text.substr(0, text.find('\n')), "Zeitraum\tSoll-Arbeitstage\tIst-Arbeitstage\tÜberstunden\tFehlstunden\t"
                                                "Stundensaldo\tKontostand\tUrlaubstage\tKrankheitstage\tGleittage");
    EXPECT_NE(text.find("\n" + expected[0].first + "\t" + expected[0].second[0] + "\t"), std::string::npos);
    EXPECT_NE(text.find("\nSumme\t" + std::to_string(targetDays) + "\t"), std::string::npos);
    EXPECT_EQ(text.substr(text.rfind('\n', text.size() - 2)), "\nResturlaub\t17\n");
    EXPECT_TRUE(BuildYearOverview(frame, 2003).periods.empty());
}
