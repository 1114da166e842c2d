// Deleting, copying, pasting and moving entries; missing days; period checks.
#include "core/day_kind_forms.h"
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
    EXPECT_EQ(std::make_tuple(plan.EntryCount(4), Entry(4, 1).Come, Entry(4, 2).Come, Entry(4, 2).Saldo),
              std::make_tuple(2u, 630, 750, 330 - 456));
    Select(4, 2);
    plan.DeleteEntry();
    EXPECT_EQ(Entry(4).Account, 90 - 456);
    Select(4, 1);
    plan.DeleteEntry();
    EXPECT_EQ(std::make_pair(plan.EntryCount(4), Entry(4).Come), std::make_pair(1u, TimeCode(EmptyDay)));
    EXPECT_EQ(View().rows[3].text[ColCome], ".");
    // On a holiday the holiday comes back.
    EntryRecord e = Entry(29); // Good Friday
    e.Come = e.Go = 480;
    plan.WriteEntry(29, 1, e);
    Select(29, 1);
    plan.DeleteEntry();
    EXPECT_EQ(std::make_tuple(Entry(29).Come, std::string(Entry(29).Info), Entry(29).Saldo),
              std::make_tuple(TimeCode(PublicHoliday), "Karfreitag", 0));
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
    EXPECT_EQ(Values(9), std::make_tuple(480, 990, 510, 24, 48)); // the copied NoSaldo travels with the entry
    EXPECT_EQ(Entry(9).weekday, 6);
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
    EXPECT_EQ(std::make_tuple(Entry(4, 1).Come, Entry(4, 2).Come, Entry(4, 2).Saldo), std::make_tuple(750, 480, -6));
    EXPECT_EQ(plan.SelectedEntry(), static_cast<long>(EntryKey(4, 2)));
    plan.MoveEntry(+1);
    EXPECT_EQ(prompts.messages.size(), 1u);
    plan.MoveEntry(-1);
    EXPECT_EQ(Entry(4, 1).Come, 480);
}

TEST_F(PlanTest, FillMissingDaysUpToTheDay)
{
    const auto missingDays = [this] {
        std::string days;
        for (unsigned day = 1; day <= 31; ++day)
            days += Entry(day).Come == TimeCode(MissingDay) ? std::to_string(day) + " " : "";
        return days;
    };
    MonthPlan& plan = Open(3, 2002);
    Add(5, 480, 990);
    plan.FillMissingDays(10);
    EXPECT_EQ(missingDays(), "1 4 6 7 8 ");
    EXPECT_EQ(std::make_tuple(std::string(Entry(8).Info), Entry(8).Saldo, Entry(8).Account),
              std::make_tuple("Fehltag", -456, 24 - 5 * 456));
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
    // Refreshing the plan enters them up to the row the user selected; with
    // no row (today lies in another period) it only recomputes.
    settings.CheckMissings = 0;
    for (const unsigned selected : {8u, 0u}) {
        MonthPlan& fresh = Open(3, 2002);
        if (selected)
            Select(selected);
        fresh.RecomputeMonthTimes();
        EXPECT_EQ(missingDays(), selected ? "1 4 5 6 7 " : "") << selected;
    }
}

TEST_F(PlanTest, DatesOutsideThePeriodAreRefused)
{
    // Dates inside reach the plans through the dialogs; here the edges of a
    // period that starts on the 15th and of a leap February.
    const struct {
        unsigned startDay, planMonth, planYear;
        const char *date, *message;
    } cases[] = {
        {15, 3, 2002, "15.04.2002", "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {15, 3, 2002, "14.03.2002", "Das Datum muß zwischen 15.03.2002 und 14.04.2002 liegen."},
        {1, 2, 2004, "01.03.2004", "Das Datum muß zwischen 01.02.2004 und 29.02.2004 liegen."},
    };
    for (const auto& c : cases) {
        settings.StartDay = c.startDay;
        MonthPlan& plan = Open(c.planMonth, c.planYear);
        EXPECT_FALSE(AcceptFlexiDay(plan, {c.date, ""})) << c.date;
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
        {1, "Sa", "02.03.2002", ".", ".", " ", 8}, // Saturday placeholder
        {3, "Mo", "04.03.2002", " ", " ", " ", 7},      {4, " ", " ", "-0:06", "-0:06", " ", -1},
        {5, "Di", "05.03.2002", "ZK", "10:00", " ", 3}, // the correction row keeps both
        {6, " ", " ", "0:24", "10:24", " ", -1},        {30, "Fr", "29.03.2002", "0:00", "10:24", "Karfreitag", -1},
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

// "Erfassung ab": no day before it becomes a missing day, on any path.
TEST_F(PlanTest, NoMissingDayBeforeRecordingStarts)
{
    clock.Set(6, 3, 2002, 9, 0); // Wednesday; Friday the 1st, Monday the 4th, Tuesday the 5th are work days
    settings.SelectDay = 1;
    const std::function<void(MonthPlan&)> paths[] = {
        [](MonthPlan& plan) { plan.ComputeCurrentDay(true); }, [](MonthPlan& plan) { plan.FillMissingDays(6); },
        [](MonthPlan& plan) { plan.RecomputeMonthTimes(); }, // up to today's row, which SelectDay selects
    };
    const struct {
        std::uint32_t recordFrom;
        bool first, fourth, fifth; // entered as missing days
    } cases[] = {
        {0, true, true, true},          {20020228, true, true, true},    {20020304, false, true, true},
        {20020305, false, false, true}, {20020306, false, false, false}, {20030101, false, false, false},
    };
    for (const auto& path : paths) {
        for (const auto& c : cases) {
            settings.CheckMissings = 0;
            settings.RecordFrom = c.recordFrom;
            MonthPlan& plan = Open(3, 2002);
            // The live computation enters them only with CheckMissings; the others always.
            settings.CheckMissings = &path == paths ? 1 : 0;
            path(plan);
            const auto missing = [&](unsigned day) { return Entry(day).Come == TimeCode(MissingDay); };
            EXPECT_EQ(std::make_tuple(missing(1), missing(4), missing(5)), std::make_tuple(c.first, c.fourth, c.fifth))
                << c.recordFrom << " path " << (&path - paths);
        }
    }
}
