// Deleting, copying, pasting and moving entries; missing days; period checks.
#include "tests/core/plan_fixture.h"

TEST_F(PlanTest, DeleteOnlyEntryLeavesThePlaceholder)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 990);
    Select(plan, 4, 1);
    plan.DeleteEntry();
    ASSERT_EQ(Asked().size(), 1u);
    EXPECT_EQ(Asked()[0].text, "Soll der Eintrag für den 04.03.2002 wirklich gelöscht werden?");
    const EntryRecord e = Entry(plan, 4, 1);
    EXPECT_EQ(e.Come, TimeCode(EmptyDay));
    EXPECT_EQ(e.WorkTime, HoursCode(EmptyDay));
    EXPECT_EQ(plan.EntryCount(4), 1u);
    const ListRow& row = ViewOf(plan).rows[3];
    EXPECT_EQ(row.text[ColCome], ".");
    EXPECT_EQ(row.text[ColAccount], ".");
}

TEST_F(PlanTest, DeleteAnsweredNoChangesNothing)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 990);
    const std::string before = ReadBytes(plan.path());
    Select(plan, 4, 1);
    prompts.answers = {false};
    plan.DeleteEntry();
    EXPECT_EQ(ReadBytes(plan.path()), before);
}

TEST_F(PlanTest, DeleteClosesTheGap)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 600);
    AddTimes(plan, 4, 630, 720);
    AddTimes(plan, 4, 750, 990);
    Select(plan, 4, 1);
    plan.DeleteEntry();
    EXPECT_EQ(plan.EntryCount(4), 2u);
    EXPECT_EQ(Entry(plan, 4, 1).Come, 630);
    EXPECT_EQ(Entry(plan, 4, 2).Come, 750);
    EXPECT_EQ(Entry(plan, 4, 2).Saldo, 330 - 456);
    Select(plan, 4, 2);
    plan.DeleteEntry();
    EXPECT_EQ(plan.EntryCount(4), 1u);
    EXPECT_EQ(Entry(plan, 4, 1).Account, 90 - 456);
}

TEST_F(PlanTest, DeleteOnAHolidayRestoresIt)
{
    MonthPlan& plan = Open(3, 2002);
    EntryRecord e = Entry(plan, 29, 1); // Good Friday
    e.Come = e.Go = 480;
    plan.WriteEntry(29, 1, e);
    Select(plan, 29, 1);
    plan.DeleteEntry();
    e = Entry(plan, 29, 1);
    EXPECT_EQ(e.Come, TimeCode(PublicHoliday));
    EXPECT_STREQ(e.Info, "Karfreitag");
    EXPECT_EQ(e.Saldo, 0);
}

TEST_F(PlanTest, DeleteGivesBackCountedDays)
{
    const struct {
        EntryKind kind;
        std::uint32_t holidays, sickdays, gdays;
    } cases[] = {{Vacation, 31, 2, 2}, {SickDay, 30, 1, 2}, {FlexiDay, 30, 2, 1}};
    for (const auto& c : cases) {
        settings.Holidays = 30;
        settings.Sickdays = 2;
        settings.GDays = 2;
        MonthPlan& plan = Open(3, 2002);
        EntryRecord e = Entry(plan, 5, 1);
        e.Come = e.Go = TimeCode(c.kind);
        e.WorkTime = HoursCode(c.kind);
        e.Saldo = 0;
        plan.WriteEntry(5, 1, e);
        plan.Recompute(5);
        Select(plan, 5, 1);
        plan.DeleteEntry();
        EXPECT_EQ(settings.Holidays, c.holidays) << c.kind;
        EXPECT_EQ(settings.Sickdays, c.sickdays) << c.kind;
        EXPECT_EQ(settings.GDays, c.gdays) << c.kind;
        std::remove(plan.path().c_str());
    }
    // Counters never drop below zero.
    settings.Sickdays = 0;
    MonthPlan& plan = Open(4, 2002);
    EntryRecord e = Entry(plan, 2, 1);
    e.Come = e.Go = TimeCode(SickDay);
    plan.WriteEntry(2, 1, e);
    plan.Recompute(2);
    Select(plan, 2, 1);
    plan.DeleteEntry();
    EXPECT_EQ(settings.Sickdays, 0u);
}

TEST_F(PlanTest, CopyAndPaste)
{
    MonthPlan& plan = Open(3, 2002);
    Select(plan, 4, 1);
    plan.PasteEntry();
    EXPECT_EQ(Told().back().text, "Es ist kein gültiger Eintrag zum Einfügen vorhanden.");
    plan.CopyEntry(); // a placeholder is no valid entry either
    plan.PasteEntry();
    EXPECT_EQ(Told().back().text, "Es ist kein gültiger Eintrag zum Einfügen vorhanden.");
    AddTimes(plan, 4, 480, 990);
    Select(plan, 4, 1);
    plan.CopyEntry();
    Select(plan, 9, 1); // a Saturday placeholder
    plan.PasteEntry();
    const EntryRecord pasted = Entry(plan, 9, 1);
    EXPECT_EQ(pasted.Come, 480);
    EXPECT_EQ(pasted.Go, 990);
    EXPECT_EQ(pasted.weekday, 6);
    EXPECT_EQ(pasted.Saldo, 24); // the copied NoSaldo travels with the entry
    ViewOf(plan).selected = NO_SELECTION;
    prompts.messages.clear();
    plan.CopyEntry();
    plan.PasteEntry();
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[0].text, "Es ist kein Eintrag zum Kopieren markiert.");
    EXPECT_EQ(Told()[1].text, "Es ist kein Tag zum Einfügen markiert.");
}

TEST_F(PlanTest, MoveWithinTheDay)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 720);
    AddTimes(plan, 4, 750, 990);
    Select(plan, 4, 1);
    plan.MoveEntry(-1);
    EXPECT_EQ(Told().back().text, "Ein Eintrag kann nur innerhalb eines Tages verschoben werden.\n"
                                  "Für andere Tage benutzen Sie bitte Kopieren + Einfügen.");
    plan.MoveEntry(+1);
    EXPECT_EQ(Entry(plan, 4, 1).Come, 750);
    EXPECT_EQ(Entry(plan, 4, 2).Come, 480);
    EXPECT_EQ(plan.SelectedEntry(), static_cast<long>(EntryKey(4, 2)));
    EXPECT_EQ(Entry(plan, 4, 2).Saldo, -6);
    plan.MoveEntry(+1);
    EXPECT_EQ(Told().size(), 2u);
    plan.MoveEntry(-1);
    EXPECT_EQ(Entry(plan, 4, 1).Come, 480);
}

TEST_F(PlanTest, FillMissingDaysUpToTheDay)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 5, 480, 990);
    plan.FillMissingDays(10);
    const struct {
        unsigned day;
        EntryKind kind;
    } cases[] = {{1, MissingDay}, {2, EmptyDay}, {3, EmptyDay},  {4, MissingDay}, {5, DirectHours},
                 {8, MissingDay}, {9, EmptyDay}, {10, EmptyDay}, {11, EmptyDay}};
    for (const auto& c : cases) {
        const EntryRecord e = Entry(plan, c.day, 1);
        if (c.kind == DirectHours) {
            EXPECT_EQ(e.Come, 480);
            continue;
        }
        EXPECT_EQ(e.Come, TimeCode(c.kind)) << c.day;
        if (c.kind == MissingDay) {
            EXPECT_STREQ(e.Info, "Fehltag");
            EXPECT_EQ(e.Saldo, -456);
        }
    }
    EXPECT_EQ(Entry(plan, 8, 1).Account, 24 - 5 * 456); // 1, 4, 6, 7 and 8 March
    settings.Extern = 1;
    plan.FillMissingDays(13);
    EXPECT_STREQ(Entry(plan, 11, 1).Info, "");
    // Days outside 1..31 never loop or index out of range.
    plan.FillMissingDays(0);
    plan.FillMissingDays(4000000000u);
}

TEST_F(PlanTest, CheckDateInPeriod)
{
    const struct {
        unsigned startDay, day, month, year;
        int accepted;
        const char* message;
    } cases[] = {
        {1, 5, 4, 2002, 0, "Das Datum muß zwischen 01.03.2002 und 31.03.2002 liegen."},
        {1, 31, 3, 2002, 1, nullptr},
        {15, 14, 4, 2002, 1, nullptr},
        {15, 15, 4, 2002, 0, "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {15, 14, 3, 2002, 0, "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {1, 1, 2, 2003, 0, nullptr},
    };
    for (const auto& c : cases) {
        settings.StartDay = c.startDay;
        MonthPlan& plan = Open(3, 2002);
        prompts.messages.clear();
        EntryRecord r;
        r.day = c.day;
        r.month = c.month;
        r.year = c.year;
        EXPECT_EQ(plan.CheckDateInPeriod(r), c.accepted) << c.startDay << " " << c.day << "." << c.month;
        if (c.message) {
            ASSERT_EQ(Told().size(), 1u);
            EXPECT_EQ(Told()[0].text, c.message);
            EXPECT_EQ(Told()[0].title, "Fehler");
        }
    }
    settings.StartDay = 15;
    MonthPlan& december = Open(12, 2002);
    EntryRecord r;
    r.day = 14;
    r.month = 1;
    r.year = 2003;
    EXPECT_EQ(december.CheckDateInPeriod(r), 1);
    settings.StartDay = 1;
    MonthPlan& february = Open(2, 2004);
    r.day = 30;
    r.month = 3;
    r.year = 2004;
    prompts.messages.clear();
    EXPECT_EQ(february.CheckDateInPeriod(r), 0);
    EXPECT_EQ(Told()[0].text, "Das Datum muß zwischen 01.02.2004 und 29.02.2004 liegen.");
}

TEST_F(PlanTest, EditEntryChoosesTheDialog)
{
    MonthPlan& plan = Open(3, 2002);
    EXPECT_EQ(plan.EditEntry(), MonthPlan::EditTarget::Nothing);
    const struct {
        unsigned day;
        MonthPlan::EditTarget target;
    } cases[] = {{29, MonthPlan::EditTarget::Remark}, {4, MonthPlan::EditTarget::TimeEntry}};
    for (const auto& c : cases) {
        Select(plan, c.day, 1);
        EXPECT_EQ(plan.EditEntry(), c.target) << c.day;
    }
}

TEST_F(PlanTest, ListRowsShowSaldoOnTheLastRowOfADay)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 720);
    AddTimes(plan, 4, 750, 990);
    EntryRecord correction = Entry(plan, 5, 1);
    correction.Come = correction.Go = TimeCode(AccountCorrection);
    correction.Account = 600;
    plan.WriteEntry(5, 1, correction);
    AddTimes(plan, 5, 480, 990);
    const std::vector<ListRow>& rows = ViewOf(plan).rows;
    ASSERT_EQ(rows.size(), 33u);
    const struct {
        std::size_t row;
        const char* day;
        const char* date;
        const char* saldo;
        const char* account;
        const char* remark;
    } cases[] = {
        {0, "Fr", "01.03.2002", ".", ".", " "},
        {3, "Mo", "04.03.2002", " ", " ", " "},
        {4, " ", " ", "-0:06", "-0:06", " "},
        {5, "Di", "05.03.2002", "ZK", "10:00", " "}, // the correction row keeps both
        {6, " ", " ", "0:24", "10:24", " "},
        {30, "Fr", "29.03.2002", "0:00", "10:24", "Karfreitag"},
    };
    for (const auto& c : cases) {
        const ListRow& row = rows[c.row];
        EXPECT_EQ(row.text[ColDay], c.day) << c.row;
        EXPECT_EQ(row.text[ColDate], c.date) << c.row;
        EXPECT_EQ(row.text[ColSaldo], c.saldo) << c.row;
        EXPECT_EQ(row.text[ColAccount], c.account) << c.row;
        EXPECT_EQ(row.text[ColRemark], c.remark) << c.row;
    }
    EXPECT_EQ(rows[4].key, EntryKey(4, 2));
    EXPECT_EQ(rows[3].icon, 7);
    EXPECT_EQ(rows[1].icon, 8); // Saturday placeholder
    EXPECT_EQ(rows[5].icon, 3);
    EXPECT_EQ(plan.dayCounts().workDays, 2u);
    ViewOf(plan).selected = 4;
    EXPECT_EQ(plan.SelectedRowDate(), "04.03.2002");
}
