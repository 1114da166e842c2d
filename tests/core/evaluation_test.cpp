#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>

#include "core/evaluation.h"
#include "period_fixture.h"

namespace {

struct Figures {
    unsigned target, actual;
    HoursValue overtime, missing, balance, total, average;
};

struct EvaluationCase {
    const char* name;
    std::function<void(PeriodTest&)> setup;
    Figures expected;
};

using EvaluationTest = PeriodTest;

// March 2002: 21 weekdays, Good Friday (29th) a holiday on a work day; the
// 4th is a Monday, the 9th a Saturday.
const EvaluationCase Cases[] = {
    {"untouched period", [](PeriodTest&) {}, {20, 0, 0, 0, 0, 0, 0}},
    {"one completed day", [](PeriodTest& f) { f.Add(4, At(8, 0), At(16, 30)); }, {20, 1, 24, 0, 24, 480, 480}},
    {"two entries count as one day with the day's balance",
     [](PeriodTest& f) {
         f.Add(4, At(8, 0), At(12, 0));
         f.Add(4, At(12, 30), At(17, 0));
     },
     {20, 1, 24, 0, 24, 480, 480}},
    {"open entry with a numeric balance counts, but not as actual day",
     [](PeriodTest& f) {
         f.Add(4, At(8, 0), NO_TIME);
         f.Set(4, 1, "Saldo", "-60");
     },
     {20, 0, 0, 60, -60, 396, 0}},
    {"flexi day is missing time on a free day",
     [](PeriodTest& f) { f.Add(4, TimeCode(FlexiDay), TimeCode(FlexiDay)); },
     {20, 0, 0, 456, -456, 0, 0}},
    {"missing day counts its target and its shortfall",
     [](PeriodTest& f) { f.Add(4, TimeCode(MissingDay), TimeCode(MissingDay)); },
     {20, 0, 0, 456, -456, 0, 0}},
    {"vacation adds nothing",
     [](PeriodTest& f) { f.Add(4, TimeCode(Vacation), TimeCode(Vacation)); },
     {20, 0, 0, 0, 0, 0, 0}},
    {"Saturday work is all overtime and counts on a free day",
     [](PeriodTest& f) { f.Add(9, At(10, 0), At(12, 0)); },
     {20, 1, 120, 0, 120, 120, 120}},
    {"direct hours count, but not as actual day",
     [](PeriodTest& f) { f.Add(4, TimeCode(DirectHours), TimeCode(DirectHours), 480); },
     {20, 0, 0, 6, -6, 450, 0}},
    {"no work days configured", [](PeriodTest& f) { f.settings.WorkDays = 0; }, {0, 0, 0, 0, 0, 0, 0}},
    {"average truncates toward zero",
     [](PeriodTest& f) {
         f.Add(4, At(8, 0), At(16, 30));
         f.Add(5, At(8, 0), At(16, 31));
         f.Add(6, At(8, 0), At(16, 31));
     },
     {20, 3, 74, 0, 74, 1442, 480}},
};

class EvaluationCases : public EvaluationTest, public ::testing::WithParamInterface<EvaluationCase> {};

TEST_P(EvaluationCases, Figures)
{
    Open(3, 2002);
    GetParam().setup(*this);
    const MonthEvaluation e = EvaluatePeriod(*plan);
    const Figures& x = GetParam().expected;
    EXPECT_EQ(e.targetDays, x.target);
    EXPECT_EQ(e.actualDays, x.actual);
    EXPECT_EQ(e.overtime, x.overtime);
    EXPECT_EQ(e.missing, x.missing);
    EXPECT_EQ(e.balance, x.balance);
    EXPECT_EQ(e.total, x.total);
    EXPECT_EQ(e.dailyAverage, x.average);
}

INSTANTIATE_TEST_SUITE_P(March2002, EvaluationCases, ::testing::ValuesIn(Cases),
                         [](const ::testing::TestParamInfo<EvaluationCase>& info) {
                             std::string name;
                             for (const char c : std::string(info.param.name))
                                 name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
                             return name;
                         });

TEST_F(EvaluationTest, PeriodWithOtherStartDayReadsBothMonths)
{
    settings.StartDay = 15;
    Open(3, 2002);                 // 15 March .. 14 April 2002
    Add(2, At(8, 0), At(16, 30));  // Tuesday 2 April
    Add(20, At(8, 0), At(16, 30)); // Wednesday 20 March
    const MonthEvaluation e = EvaluatePeriod(*plan);
    EXPECT_EQ(e.actualDays, 2u);
    EXPECT_EQ(e.total, 960);
    // 15..28 March: 10 weekdays, 29 Good Friday; 1 April Easter Monday; 2..12 April: 9.
    EXPECT_EQ(e.targetDays, 19u);
}

TEST_F(EvaluationTest, ExternalCountsEveryBalancedDayWithItsTarget)
{
    settings.Extern = 1;
    Open(3, 2002);
    // HoursPerDay + Saldo for every day with a numeric balance, free or not:
    // the Saturday and Good Friday (Saldo 0) both count.
    Add(9, At(10, 0), At(12, 0));
    const MonthEvaluation e = EvaluatePeriod(*plan);
    EXPECT_EQ(e.total, (456 + 120) + (456 + 0));
    EXPECT_EQ(e.personDayLength, 480);
    EXPECT_FLOAT_EQ(e.personDays, 1032.0f / 480.0f);
}

MonthEvaluation Sample()
{
    MonthEvaluation e;
    e.targetDays = 20;
    e.actualDays = 19;
    e.overtime = 130;
    e.missing = 70;
    e.balance = 60;
    e.total = 9120;
    e.dailyAverage = 480;
    e.personDayLength = 456;
    e.personDays = 20.0f;
    return e;
}

TEST(EvaluationReport, FullReport)
{
    Settings settings;
    EXPECT_EQ(EvaluationReport(settings, Sample()),
              "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 07:36 Stunden.\n\n"
              "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t19 Tage\n\n"
              "\xDC"
              "berstunden:\t2:10 Stunden\nFehlstunden:\t1:10 Stunden\nStundensaldo:\t1:00 Stunden\n\n"
              "Gesamtarbeitszeit:\t152:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t20.00 Tage");
}

TEST(EvaluationReport, ExternalReportHasNoOvertimeLines)
{
    Settings settings;
    settings.Extern = 1;
    MonthEvaluation e = Sample();
    e.personDayLength = 480;
    e.personDays = 19.0f;
    EXPECT_EQ(EvaluationReport(settings, e),
              "Es werden nur abgeschlossene Arbeitstage verrechnet.\nEin Manntag (MT) entspricht 08:00 Stunden.\n\n"
              "Soll-Arbeitstage:\t20 Tage\nIst-Arbeitstage:\t19 Tage\n\n"
              "Gesamtarbeitszeit:\t152:00 Stunden\nTages-Schnitt:\t8:00 Stunden\n\nGesamtzeit in MT:\t19.00 Tage");
}

TEST(EvaluationReport, CommaFormatAndZeroAverage)
{
    Settings settings;
    settings.ComFormat = 1;
    MonthEvaluation e = Sample();
    e.actualDays = 0;
    e.dailyAverage = 0;
    e.balance = -90;
    e.personDays = 1.0f / 3.0f;
    const std::string report = EvaluationReport(settings, e);
    EXPECT_NE(report.find("Stundensaldo:\t-1,500 Stunden"), std::string::npos);
    EXPECT_NE(report.find("Tages-Schnitt:\t0,000 Stunden"), std::string::npos);
    EXPECT_NE(report.find("Gesamtzeit in MT:\t0.33 Tage"), std::string::npos);
}

TEST_F(EvaluationTest, ZeroHoursPerDayGivesZeroPersonDays)
{
    settings.HoursPerDay = 0;
    Open(3, 2002);
    Add(4, At(8, 0), At(16, 30));
    const std::string report = EvaluateMonth(*plan);
    EXPECT_NE(report.find("Gesamtzeit in MT:\t0.00 Tage"), std::string::npos) << report;
}

} // namespace
