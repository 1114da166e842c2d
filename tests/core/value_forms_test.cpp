// The month, day-counter, remark and own-day dialogs' logic.
#include "core/counter_forms.h"
#include "core/day_kind_forms.h"
#include "core/month_form.h"
#include "core/own_day_form.h"
#include "core/remark_form.h"
#include "tests/core/plan_fixture.h"

#include <tuple>

TEST(MonthForm, ProposesThePeriodOfTodayAndAcceptsOnlyAMonthAndAYear)
{
    const struct {
        unsigned day, month, startDay, chosenMonth; // today in 2002; a chosen month stands in 1999
        unsigned wantMonth, wantYear;
    } proposals[] = {
        {10, 3, 15, 0, 2, 2002},
        {15, 3, 15, 0, 3, 2002},
        {10, 1, 15, 0, 12, 2001},
        {10, 3, 1, 7, 7, 1999},
    };
    for (const auto& c : proposals) {
        Settings settings;
        settings.StartDay = c.startDay;
        FakeClock clock;
        clock.Set(c.day, c.month, 2002);
        unsigned month = c.chosenMonth, year = 1999;
        ProposeMonth(settings, clock, month, year);
        EXPECT_EQ(std::make_pair(month, year), std::make_pair(c.wantMonth, c.wantYear)) << c.day << "." << c.month;
    }
    const struct {
        int index;
        const char* yearText;
        bool accepted;
        unsigned month, year;
    } typed[] = {
        {11, "99", true, 12, 1999},    {0, " 2002 ", true, 1, 2002}, {-1, "2002", false, 0, 2002}, // no selection
        {12, "2002", false, 13, 2002}, {0, "0", false, 1, 0},        {0, "99999999999", false, 1, 0},
    };
    for (const auto& c : typed) {
        unsigned month = 5, year = 1950;
        EXPECT_EQ(AcceptMonth(c.index, c.yearText, month, year), c.accepted) << c.index << " " << c.yearText;
        EXPECT_EQ(std::make_pair(month, year), std::make_pair(c.month, c.year)) << c.yearText;
    }
}

TEST(CounterForms, EachVariantEditsItsOwnCounterWithAnUnsignedNumber)
{
    const char* const holidays = "Verbleibende Urlaubstage:";
    const struct {
        DayCounter counter;
        const char *label, *text;
        bool accepted;
        const char* shown;                       // as a signed number
        std::uint32_t holidays, sickdays, gdays; // after: 1, 2 and 3 before
    } cases[] = {
        {DayCounter::Holidays, holidays, " 7 ", true, "7", 7, 2, 3},
        {DayCounter::Sickdays, "Bisherige Krankheitstage:", "4294967295", true, "-1", 1, 4294967295u, 3},
        {DayCounter::GDays, "Bisherige Gleittage:", "17", true, "17", 1, 2, 17},
        {DayCounter::Holidays, holidays, "-3", false, "1", 1, 2, 3},
        {DayCounter::Holidays, holidays, "3 Tage", false, "1", 1, 2, 3},
        {DayCounter::Holidays, holidays, "4294967296", false, "1", 1, 2, 3},
    };
    for (const auto& c : cases) {
        Settings settings;
        settings.Holidays = 1;
        settings.Sickdays = 2;
        settings.GDays = 3;
        EXPECT_STREQ(DayCountTexts(c.counter).label, c.label);
        EXPECT_EQ(AcceptDayCount(settings, c.counter, c.text), c.accepted) << c.text;
        EXPECT_EQ(InitDayCount(settings, c.counter), c.shown) << c.text;
        EXPECT_EQ(std::make_tuple(settings.Holidays, settings.Sickdays, settings.GDays),
                  std::make_tuple(c.holidays, c.sickdays, c.gdays))
            << c.text;
    }
}

TEST_F(PlanTest, RemarkFormChangesOnlyTheRemark)
{
    MonthPlan& plan = Open(3, 2002, 750);
    ASSERT_TRUE(AcceptVacation(plan, {"04.03.2002", "", "Urlaub"}));
    const unsigned key = EntryKey(4, 1);
    EXPECT_EQ(InitRemark(plan, key), "Urlaub");
    const auto before = std::make_tuple(Values(4), Entry(4).NoSaldo);
    EXPECT_TRUE(AcceptRemark(plan, key, "Sommerurlaub " + std::string(300, '!')));
    EXPECT_EQ(std::make_tuple(Values(4), Entry(4).NoSaldo), before);
    EXPECT_EQ(plan.rows()[3].text[ColRemark], "Sommerurlaub " + std::string(255 - 13, '!'));
    EXPECT_EQ(settings.Holidays, 29u);
    // A key without entry changes nothing.
    const std::string file = Dump();
    EXPECT_EQ(InitRemark(plan, EntryKey(4, 2)), "");
    EXPECT_TRUE(AcceptRemark(plan, EntryKey(4, 2), "neu"));
    EXPECT_EQ(Dump(), file);
}

// What the "Feiertage" page shows for a typed own day.
TEST(OwnDayForm, DayOfTheYearOrWhyNot)
{
    // A date longer than an own day may be (typed past the field's limit).
    const std::string longDate = std::string(90, '0') + "1.01.2027 :x";
    const struct {
        const char* text;
        bool valid;
        const char* shown; // the start of the text shown
    } cases[] = {
        {"ostersonntag-48 :Rosenmontag", true, "Mo 16.02.2026"},
        {"12.06.2027 :Betriebsausflug", true, "Sa 12.06.2027"},
        {"01.05 +mo :Brückentag", true, "Mo 04.05.2026"},
        {"31.12+1 :Nie", true, "fällt 2026 auf keinen Tag"},
        {"24.12 :  ", false, "Nach dem Doppelpunkt"},
        {"24.12 Heiligabend", false, "\"24.12 Heiligabend\" ist kein Tagesausdruck"},
        {"", false, "\"\" ist kein"},
        {longDate.c_str(), false, "\"000"},
    };
    for (const auto& c : cases) {
        const OwnDayCheck check = CheckOwnDay(c.text, 2026);
        EXPECT_EQ(check.valid, c.valid) << c.text;
        EXPECT_EQ(check.text.rfind(c.shown, 0), 0u) << c.text << ": " << check.text;
    }
}
