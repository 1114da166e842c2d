// The month, day-counter and remark dialogs' logic.
#include "core/counter_forms.h"
#include "core/day_kind_forms.h"
#include "core/month_form.h"
#include "core/remark_form.h"
#include "tests/core/plan_fixture.h"

#include <tuple>

TEST(MonthForm, ProposesThePeriodThatHoldsTodayUnlessChosen)
{
    struct Case {
        unsigned day, month, year, startDay, chosenMonth, chosenYear;
        unsigned wantMonth, wantYear;
    } cases[] = {
        {10, 3, 2002, 15, 0, 0, 2, 2002},
        {15, 3, 2002, 15, 0, 0, 3, 2002},
        {10, 1, 2002, 15, 0, 0, 12, 2001},
        {10, 3, 2002, 1, 7, 1999, 7, 1999},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.StartDay = c.startDay;
        FakeClock clock;
        clock.Set(c.day, c.month, c.year);
        unsigned month = c.chosenMonth, year = c.chosenYear;
        ProposeMonth(settings, clock, month, year);
        EXPECT_EQ(month, c.wantMonth) << c.day << "." << c.month << " start " << c.startDay;
        EXPECT_EQ(year, c.wantYear) << c.day << "." << c.month << " start " << c.startDay;
    }
}

TEST(MonthForm, AcceptsOnlyAMonthAndAYear)
{
    struct Case {
        int index;
        const char* yearText;
        bool accepted;
        unsigned month, year;
    } cases[] = {
        {11, "99", true, 12, 1999},      {0, " 2002 ", true, 1, 2002}, {-1, "2002", false, 0, 2002}, // no selection
        {12, "2002", false, 13, 2002},   {0, "0", false, 1, 0},        {0, "20o2", false, 1, 0},
        {0, "99999999999", false, 1, 0},
    };
    for (const Case& c : cases) {
        unsigned month = 5, year = 1950;
        EXPECT_EQ(AcceptMonth(c.index, c.yearText, month, year), c.accepted) << c.index << " " << c.yearText;
        EXPECT_EQ(month, c.month) << c.yearText;
        EXPECT_EQ(year, c.year) << c.yearText;
    }
    unsigned month = 3;
    CancelMonth(month);
    EXPECT_EQ(month, 0u);
}

TEST(CounterForms, EachVariantEditsItsOwnCounter)
{
    struct Case {
        DayCounter counter;
        const char *title, *label;
        std::uint32_t Settings::*field;
    } cases[] = {
        {DayCounter::Holidays, "Urlaubstage", "Verbleibende Urlaubstage:", &Settings::Holidays},
        {DayCounter::Sickdays, "Krankheitstage", "Bisherige Krankheitstage:", &Settings::Sickdays},
        {DayCounter::GDays, "Gleittage", "Bisherige Gleittage:", &Settings::GDays},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.Holidays = 1;
        settings.Sickdays = 2;
        settings.GDays = 3;
        const std::uint32_t before = settings.*c.field;
        EXPECT_STREQ(DayCountTexts(c.counter).title, c.title);
        EXPECT_STREQ(DayCountTexts(c.counter).label, c.label);
        EXPECT_EQ(InitDayCount(settings, c.counter), std::to_string(before));
        ASSERT_TRUE(AcceptDayCount(settings, c.counter, "17"));
        EXPECT_EQ(settings.*c.field, 17u);
        EXPECT_EQ(settings.Holidays + settings.Sickdays + settings.GDays, 1u + 2u + 3u - before + 17u);
    }
}

TEST(CounterForms, RefusesWhatIsNoUnsignedNumber)
{
    struct Case {
        const char* text;
        bool accepted;
        std::uint32_t value;
    } cases[] = {
        {" 7 ", true, 7},     {"4294967295", true, 4294967295u}, {"-3", false, 0},  {"  ", false, 0},
        {"3 Tage", false, 0}, {"4294967296", false, 0},          {"1 2", false, 0},
    };
    for (const Case& c : cases) {
        Settings settings;
        settings.Holidays = 30;
        EXPECT_EQ(AcceptDayCount(settings, DayCounter::Holidays, c.text), c.accepted) << c.text;
        EXPECT_EQ(settings.Holidays, c.accepted ? c.value : 30u) << c.text;
    }
    Settings settings; // shown as a signed number
    settings.GDays = 4294967295u;
    EXPECT_EQ(InitDayCount(settings, DayCounter::GDays), "-1");
}

TEST_F(PlanTest, RemarkFormChangesOnlyTheRemark)
{
    MonthPlan& plan = Open(3, 2002, 750);
    ASSERT_TRUE(AcceptVacation(plan, {"04.03.2002", "", "Urlaub"}));
    const unsigned key = EntryKey(4, 1);
    EXPECT_EQ(InitRemark(plan, key), "Urlaub");
    const EntryRecord before = Entry(4);
    EXPECT_TRUE(AcceptRemark(plan, key, "Sommerurlaub " + std::string(300, '!')));
    const EntryRecord after = Entry(4);
    EXPECT_EQ(std::string(after.Info), "Sommerurlaub " + std::string(255 - 13, '!'));
    auto values = [](const EntryRecord& e) {
        return std::make_tuple(e.Come, e.Go, e.WorkTime, e.Saldo, e.Account, e.NoSaldo);
    };
    EXPECT_EQ(values(after), values(before));
    EXPECT_EQ(plan.rows()[3].text[ColRemark], after.Info);
    EXPECT_EQ(settings.Holidays, 29u);
    // A key without entry changes nothing.
    const std::string file = Dump();
    EXPECT_EQ(InitRemark(plan, EntryKey(4, 2)), "");
    EXPECT_TRUE(AcceptRemark(plan, EntryKey(4, 2), "neu"));
    EXPECT_EQ(Dump(), file);
}
