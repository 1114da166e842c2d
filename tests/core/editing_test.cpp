// Deleting, copying, pasting and moving entries; missing days; period checks.
#include "tests/core/plan_fixture.h"

#include <tuple>

TEST_F(PlanTest, DeleteAsksClosesTheGapAndLeavesThePlaceholder)
{
    MonthPlan& plan = Open(3, 2002);
    Add(4, 480, 600);
    Add(4, 630, 720);
    Add(4, 750, 990);
    const std::string before = Dump();
    Select(4, 1);
    prompts.answers = {false};
    plan.DeleteEntry();
    EXPECT_EQ(Texts(Kind::Ask),
              std::vector<std::string>{"Soll der Eintrag für den 04.03.2002 wirklich gelöscht werden?"});
    EXPECT_EQ(Dump(), before);
    plan.DeleteEntry();
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(Entry(4, 1).Come, 630);
    EXPECT_EQ(Entry(4, 2).Come, 750);
    EXPECT_EQ(Entry(4, 2).Saldo, 330 - 456);
    Select(4, 2);
    plan.DeleteEntry();
    EXPECT_EQ(Entry(4).Account, 90 - 456);
    Select(4, 1);
    plan.DeleteEntry();
    EXPECT_EQ(plan.EntryCount(4), 1u);
    EXPECT_EQ(Entry(4).Come, TimeCode(EmptyDay));
    EXPECT_EQ(View().rows[3].text[ColCome], ".");
    // On a holiday the holiday comes back.
    EntryRecord e = Entry(29); // Good Friday
    e.Come = e.Go = 480;
    plan.WriteEntry(29, 1, e);
    Select(29, 1);
    plan.DeleteEntry();
    EXPECT_EQ(Entry(29).Come, TimeCode(PublicHoliday));
    EXPECT_STREQ(Entry(29).Info, "Karfreitag");
    EXPECT_EQ(Entry(29).Saldo, 0);
}

TEST_F(PlanTest, DeleteGivesBackCountedDays)
{
    const struct {
        EntryKind kind;
        std::uint32_t sickdays; // before
        std::uint32_t holidays, sickdaysAfter, gdays;
    } cases[] = {
        {Vacation, 2, 31, 2, 2},
        {SickDay, 2, 30, 1, 2},
        {FlexiDay, 2, 30, 2, 1},
        {SickDay, 0, 30, 0, 2}, // never below zero
    };
    for (const auto& c : cases) {
        settings.Holidays = 30;
        settings.Sickdays = c.sickdays;
        settings.GDays = 2;
        MonthPlan& plan = Open(3, 2002);
        AddKind(5, c.kind);
        Select(5, 1);
        plan.DeleteEntry();
        EXPECT_EQ(settings.Holidays, c.holidays) << c.kind;
        EXPECT_EQ(settings.Sickdays, c.sickdaysAfter) << c.kind;
        EXPECT_EQ(settings.GDays, c.gdays) << c.kind;
    }
}

TEST_F(PlanTest, CopyAndPaste)
{
    const std::string nothingToPaste = "Es ist kein gültiger Eintrag zum Einfügen vorhanden.";
    MonthPlan& plan = Open(3, 2002);
    Select(4, 1);
    plan.PasteEntry();
    plan.CopyEntry(); // a placeholder is no valid entry either
    plan.PasteEntry();
    EXPECT_EQ(Texts(), (std::vector<std::string>{nothingToPaste, nothingToPaste}));
    Add(4, 480, 990);
    Add(11, 480, 990);
    Select(4, 1);
    plan.CopyEntry();
    Select(9, 1); // a Saturday placeholder
    plan.PasteEntry();
    EXPECT_EQ(Entry(9).Come, 480);
    EXPECT_EQ(Entry(9).Go, 990);
    EXPECT_EQ(Entry(9).weekday, 6);
    EXPECT_EQ(Entry(9).Saldo, 24);        // the copied NoSaldo travels with the entry
    EXPECT_EQ(Entry(11).Account, 3 * 24); // later days follow at once
    View().selected = NO_SELECTION;
    prompts.messages.clear();
    plan.CopyEntry();
    plan.PasteEntry();
    EXPECT_EQ(Texts(), (std::vector<std::string>{"Es ist kein Eintrag zum Kopieren markiert.",
                                                 "Es ist kein Tag zum Einfügen markiert."}));
}

TEST_F(PlanTest, MoveWithinTheDay)
{
    MonthPlan& plan = Open(3, 2002);
    Add(4, 480, 720);
    Add(4, 750, 990);
    Select(4, 1);
    plan.MoveEntry(-1);
    ExpectOnly("Ein Eintrag kann nur innerhalb eines Tages verschoben werden.\n"
               "Für andere Tage benutzen Sie bitte Kopieren + Einfügen.",
               "Hinweis");
    plan.MoveEntry(+1);
    EXPECT_EQ(Entry(4, 1).Come, 750);
    EXPECT_EQ(Entry(4, 2).Come, 480);
    EXPECT_EQ(plan.SelectedEntry(), static_cast<long>(EntryKey(4, 2)));
    EXPECT_EQ(Entry(4, 2).Saldo, -6);
    plan.MoveEntry(+1);
    EXPECT_EQ(prompts.messages.size(), 1u);
    plan.MoveEntry(-1);
    EXPECT_EQ(Entry(4, 1).Come, 480);
}

TEST_F(PlanTest, FillMissingDaysUpToTheDay)
{
    MonthPlan& plan = Open(3, 2002);
    Add(5, 480, 990);
    plan.FillMissingDays(10);
    const struct {
        unsigned day;
        TimeValue come;
    } cases[] = {{1, TimeCode(MissingDay)}, {2, TimeCode(EmptyDay)},  {5, 480},
                 {8, TimeCode(MissingDay)}, {10, TimeCode(EmptyDay)}, {11, TimeCode(EmptyDay)}};
    for (const auto& c : cases) {
        const EntryRecord e = Entry(c.day);
        EXPECT_EQ(e.Come, c.come) << c.day;
        if (c.come == TimeCode(MissingDay)) {
            EXPECT_STREQ(e.Info, "Fehltag");
            EXPECT_EQ(e.Saldo, -456);
        }
    }
    EXPECT_EQ(Entry(8).Account, 24 - 5 * 456); // 1, 4, 6, 7 and 8 March
    settings.Extern = 1;
    plan.FillMissingDays(13);
    EXPECT_STREQ(Entry(11).Info, "");
    // A day outside 1..31 names no day of the period: the empty work days
    // from the 13th on stay as they are.
    const std::string before = Dump();
    for (const unsigned outside : {0u, 32u, 4000000000u}) {
        plan.FillMissingDays(outside);
        EXPECT_EQ(Dump(), before) << outside;
    }
}

TEST_F(PlanTest, RecomputeMonthTimesEntersMissingDaysUpToTheSelection)
{
    settings.CheckMissings = 0;
    const struct {
        unsigned today, selectDay, selected; // selected: day selected before, 0 none
        int missing;
    } cases[] = {
        {6, 1, 0, 3}, // the refresh selects today: 1, 4 and 5 March
        {0, 0, 8, 5}, // the user's row: 1 and 4 to 7 March
        {0, 1, 0, 0}, // no row (today lies in another period): the recomputation alone
    };
    for (const auto& c : cases) {
        clock.Set(c.today ? c.today : 15, c.today ? 3 : 6, c.today ? 2002 : 2001, 9, 0);
        settings.SelectDay = c.selectDay;
        MonthPlan& plan = Open(3, 2002);
        if (c.selected)
            Select(c.selected);
        plan.RecomputeMonthTimes();
        int missing = 0;
        for (unsigned day = 1; day <= 31; ++day)
            missing += Entry(day).Come == TimeCode(MissingDay);
        EXPECT_EQ(missing, c.missing) << c.today << " " << c.selected;
    }
}

TEST_F(PlanTest, CheckDateInPeriod)
{
    const struct {
        unsigned startDay, planMonth, planYear, day, month, year;
        const char* message; // nullptr: accepted
    } cases[] = {
        {1, 3, 2002, 5, 4, 2002, "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen."},
        {1, 3, 2002, 31, 3, 2002, nullptr},
        {15, 3, 2002, 14, 4, 2002, nullptr},
        {15, 3, 2002, 15, 4, 2002, "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {15, 3, 2002, 14, 3, 2002, "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {1, 3, 2002, 1, 2, 2003, ""}, // refused silently
        {15, 12, 2002, 14, 1, 2003, nullptr},
        {1, 2, 2004, 30, 3, 2004, "Das Datum muß zwischen 01.02.2004 und 29.02.2004 liegen."},
    };
    for (const auto& c : cases) {
        settings.StartDay = c.startDay;
        MonthPlan& plan = Open(c.planMonth, c.planYear);
        EntryRecord r;
        r.day = c.day;
        r.month = c.month;
        r.year = c.year;
        EXPECT_EQ(plan.CheckDateInPeriod(r), c.message ? 0 : 1) << c.startDay << " " << c.day << "." << c.month;
        if (c.message && *c.message)
            ExpectOnly(c.message);
    }
}

TEST_F(PlanTest, ListRowsShowSaldoOnTheLastRowOfADay)
{
    MonthPlan& plan = Open(3, 2002);
    Add(4, 480, 720);
    Add(4, 750, 990);
    Correct(5, 600);
    Add(5, 480, 990);
    const std::vector<ListRow>& rows = View().rows;
    ASSERT_EQ(rows.size(), 33u);
    const struct {
        std::size_t row;
        const char *day, *date, *saldo, *account, *remark;
        int icon; // -1: not checked
    } cases[] = {
        {0, "Fr", "01.03.2002", ".", ".", " ", -1},
        {1, "Sa", "02.03.2002", ".", ".", " ", 8}, // Saturday placeholder
        {3, "Mo", "04.03.2002", " ", " ", " ", 7},
        {4, " ", " ", "-0:06", "-0:06", " ", -1},
        {5, "Di", "05.03.2002", "ZK", "10:00", " ", 3}, // the correction row keeps both
        {6, " ", " ", "0:24", "10:24", " ", -1},
        {30, "Fr", "29.03.2002", "0:00", "10:24", "Karfreitag", -1},
    };
    for (const auto& c : cases) {
        const ListRow& r = rows[c.row];
        EXPECT_EQ(std::tie(r.text[ColDay], r.text[ColDate], r.text[ColSaldo], r.text[ColAccount], r.text[ColRemark]),
                  std::make_tuple(c.day, c.date, c.saldo, c.account, c.remark));
        EXPECT_TRUE(c.icon < 0 || r.icon == c.icon) << c.row;
    }
    EXPECT_EQ(rows[4].key, EntryKey(4, 2));
    EXPECT_EQ(plan.dayCounts().workDays, 2u);
    // Editing a row opens the dialog of its kind.
    EXPECT_EQ(plan.EditEntry(), MonthPlan::EditTarget::Nothing);
    Select(29, 1);
    EXPECT_EQ(plan.EditEntry(), MonthPlan::EditTarget::Remark);
    View().selected = 4;
    EXPECT_EQ(plan.SelectedRowDate(), "04.03.2002");
    EXPECT_EQ(plan.EditEntry(), MonthPlan::EditTarget::TimeEntry);
}
