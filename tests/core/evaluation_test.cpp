// The evaluation of a period: its figures and its report.
#include "core/evaluation.h"

#include <functional>
#include <tuple>

#include "tests/core/plan_fixture.h"

// March 2002: 21 weekdays, Good Friday (29th) a holiday on a work day; the
// 4th is a Monday, the 9th a Saturday.
TEST_F(PlanTest, EvaluationFigures)
{
    const struct {
        const char* name;
        std::function<void()> setup;
        unsigned target, actual;
        HoursValue overtime, missing, balance, total, average;
    } cases[] = {
        {"untouched period", [] {}, 20, 0, 0, 0, 0, 0, 0},
        {"one completed day", [&] { Add(4, At(8, 0), At(16, 30)); }, 20, 1, 24, 0, 24, 480, 480},
        {"two entries count as one day with the day's balance",
         [&] {
             Add(4, At(8, 0), At(12, 0));
             Add(4, At(12, 30), At(17, 0));
         },
         20, 1, 24, 0, 24, 480, 480},
        {"open entry with a numeric balance counts, but not as actual day",
         [&] {
             Add(4, At(8, 0), NO_TIME);
             engine.WriteString("4/1", "Saldo", "-60", Plan().path().c_str());
         },
         20, 0, 0, 60, -60, 396, 0},
        {"flexi day is missing time on a free day", [&] { AddKind(4, FlexiDay); }, 20, 0, 0, 456, -456, 0, 0},
        {"missing day counts its target and its shortfall", [&] { AddKind(4, MissingDay); }, 20, 0, 0, 456, -456, 0, 0},
        {"Saturday work is all overtime and counts on a free day", [&] { Add(9, At(10, 0), At(12, 0)); }, 20, 1, 120, 0,
         120, 120, 120},
        {"direct hours count, but not as actual day",
         [&] { Add(4, TimeCode(DirectHours), TimeCode(DirectHours), 480); }, 20, 0, 0, 6, -6, 450, 0},
        {"no work days configured", [&] { settings.WorkDays = 0; }, 0, 0, 0, 0, 0, 0, 0},
        {"average truncates toward zero",
         [&] {
             Add(4, At(8, 0), At(16, 30));
             Add(5, At(8, 0), At(16, 31));
             Add(6, At(8, 0), At(16, 31));
         },
         20, 3, 74, 0, 74, 1442, 480},
    };
    const Settings defaults;
    for (const auto& c : cases) {
        settings.WorkDays = defaults.WorkDays;
        MonthPlan& plan = Open(3, 2002);
        c.setup();
        const MonthEvaluation e = EvaluatePeriod(plan);
        EXPECT_EQ(
            std::make_tuple(e.targetDays, e.actualDays, e.overtime, e.missing, e.balance, e.total, e.dailyAverage),
            std::make_tuple(c.target, c.actual, c.overtime, c.missing, c.balance, c.total, c.average))
            << c.name;
    }
}

TEST_F(PlanTest, EvaluationOfAnExternalCountsEveryBalancedDayWithItsTarget)
{
    settings.Extern = 1;
    MonthPlan& plan = Open(3, 2002);
    // HoursPerDay + Saldo for every day with a numeric balance, free or not:
    // the Saturday and Good Friday (Saldo 0) both count.
    Add(9, At(10, 0), At(12, 0));
    const MonthEvaluation e = EvaluatePeriod(plan);
    EXPECT_EQ(e.total, (456 + 120) + (456 + 0));
    EXPECT_EQ(e.personDayLength, 480);
    EXPECT_FLOAT_EQ(e.personDays, 1032.0f / 480.0f);
    // Others count their days in their own day length, which may be zero.
    settings.Extern = 0;
    settings.HoursPerDay = 0;
    EXPECT_NE(EvaluateMonth(plan).find("Gesamtzeit in MT:\t0.00 Tage"), std::string::npos);
}

// The full text of the usual report is checked through the CLI's "evaluate".
TEST(EvaluationReport, ExternalFormAndCommaFormat)
{
    Settings settings;
    settings.Extern = 1;
    EXPECT_EQ(EvaluationReport(settings, {20, 19, 130, 70, 60, 9120, 480, 480, 19.0f}),
              "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 08:00 Stunden.\n\n"
              "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t19 Tage\n\n"
              "Gesamtarbeitszeit:\t152:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t19.00 Tage");
    settings.Extern = 0;
    settings.ComFormat = 1;
    const std::string report = EvaluationReport(settings, {20, 0, 130, 70, -90, 9120, 0, 456, 1.0f / 3.0f});
    EXPECT_NE(report.find("Stundensaldo:\t-1,500 Stunden"), std::string::npos);
    EXPECT_NE(report.find("Tages-Schnitt:\t0,000 Stunden"), std::string::npos);
    EXPECT_NE(report.find("Gesamtzeit in MT:\t0.33 Tage"), std::string::npos);
}
