// "Kommen", "Gehen" and the live computation of today.
#include "tests/core/plan_fixture.h"

namespace {
const char* const NotCurrent = "Bitte öffnen Sie zuerst den Monatsplan\nfür den aktuellen Monat.";
}

TEST_F(PlanTest, ArrivalAndDepartureWithTravelTime)
{
    settings.TimeLag = 2;
    clock.Set(4, 3, 2002, 7, 58);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    EXPECT_EQ(Entry(plan, 4, 1).Come, 476); // replaced the placeholder
    EXPECT_EQ(Entry(plan, 4, 1).Go, NO_TIME);
    clock.Set(4, 3, 2002, 16, 0);
    plan.RecordDeparture();
    const EntryRecord e = Entry(plan, 4, 1);
    EXPECT_EQ(e.Go, 962);
    EXPECT_EQ(e.WorkTime, 486);
    EXPECT_TRUE(Told().empty());
}

TEST_F(PlanTest, CaptureRefusals)
{
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordDeparture();
    ASSERT_EQ(Told().size(), 1u);
    EXPECT_EQ(Told()[0].title, "Fehler");
    EXPECT_NE(Told()[0].text.find("keine \"Kommen\"-Zeit"), std::string::npos);
    plan.RecordArrival();
    plan.RecordArrival();
    ASSERT_EQ(Told().size(), 2u);
    EXPECT_EQ(Told()[1].title, "Hinweis");
    EXPECT_EQ(Told()[1].text,
              "Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit\n\n\"Kommen\"-Zeit kann nicht erfaßt werden.");
    EXPECT_EQ(plan.EntryCount(4), 1u);
    // A plan of another period refuses both and writes nothing.
    MonthPlan& february = Open(2, 2002);
    const std::string before = ReadBytes(february.path());
    february.RecordArrival();
    february.RecordDeparture();
    EXPECT_EQ(Told()[2].text, NotCurrent);
    EXPECT_EQ(Told()[3].text, NotCurrent);
    EXPECT_EQ(ReadBytes(february.path()), before);
}

TEST_F(PlanTest, ArrivalAfterMidnightWithTravelTimeIsMidnight)
{
    settings.TimeLag = 15;
    clock.Set(4, 3, 2002, 0, 5);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    EXPECT_EQ(Entry(plan, 4, 1).Come, 0);
}

TEST_F(PlanTest, SecondArrivalOfADayIsAppended)
{
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    clock.Set(4, 3, 2002, 12, 0);
    plan.RecordDeparture();
    clock.Set(4, 3, 2002, 12, 30);
    plan.RecordArrival();
    clock.Set(4, 3, 2002, 16, 30);
    plan.RecordDeparture();
    EXPECT_EQ(Entry(plan, 4, 2).Come, 750);
    EXPECT_EQ(Entry(plan, 4, 2).Saldo, -6);
    EXPECT_EQ(Entry(plan, 4, 2).Account, -6);
}

TEST_F(PlanTest, PeriodOfTodayWithALaterStartDay)
{
    settings.StartDay = 15;
    clock.Set(3, 1, 2003, 8, 0); // belongs to the period that starts 15 December 2002
    MonthPlan& plan = Open(12, 2002);
    EXPECT_TRUE(plan.IsCurrentPlan());
    plan.RecordArrival();
    EXPECT_EQ(Entry(plan, 3, 1).Come, 480);
    EXPECT_EQ(Entry(plan, 3, 1).year, 2003u);
}

TEST_F(PlanTest, LiveValuesAndWarningsOncePerDay)
{
    settings.WarnWorkTime = 1;
    settings.AutoTimer = 1;
    prompts.warningSuppressed = true; // the box's initial state
    settings.CheckMissings = 0;
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    FakePlanView& view = ViewOf(plan);
    const std::string stored = ReadBytes(plan.path());

    clock.Set(4, 3, 2002, 18, 5);
    plan.ComputeCurrentDay(false);
    ASSERT_EQ(Warnings().size(), 1u);
    EXPECT_EQ(Warnings()[0].text, "Sie haben für heute die Zeit von 10:00 Arbeitsstunden bereits überschritten.");
    EXPECT_TRUE(shell.trayWarning);
    const ListRow& row = view.rows[3];
    EXPECT_EQ(row.key, EntryKey(4, 1));
    EXPECT_EQ(row.text[ColGo], "18:05T");
    EXPECT_EQ(row.text[ColHours], "10:05T");
    EXPECT_EQ(row.text[ColSaldo], "1:59T"); // 605 - 30 - 456 = 119
    EXPECT_EQ(row.text[ColAccount], "1:59T");
    EXPECT_EQ(shell.trayTips.back(), "Kommen: 08:00, Stunden: 10:05, Saldo: 1:59, Konto: 1:59");
    EXPECT_EQ(ReadBytes(plan.path()), stored); // live values are never stored

    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Warnings().size(), 1u); // confirmed with the box ticked
    EXPECT_TRUE(shell.trayWarning);

    prompts.warningSuppressed = false;
    settings.WarnAccount = 1;
    settings.WAccount = 60;
    plan.ComputeCurrentDay(false);
    ASSERT_EQ(Warnings().size(), 2u);
    EXPECT_EQ(Warnings()[1].text,
              "Sie haben auf Ihrem Stundenkonto insgesamt bereits 1:00 Arbeitsstunden überschritten.");
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Warnings().size(), 3u); // unticked: again at every tick
    // While a warning window is open, no second one and no warning state.
    shell.existingTitles.insert("- Hinweis -");
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Warnings().size(), 3u);
    EXPECT_FALSE(shell.trayWarning);
}

TEST_F(PlanTest, LiveComputationWithoutAnOpenEntryShowsTheStoredDay)
{
    settings.CheckMissings = 0;
    clock.Set(4, 3, 2002, 17, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(shell.trayTips.back(), "Kommen: ., Stunden: ., Saldo: ., Konto: ."); // the placeholder as stored
    AddTimes(plan, 4, 480, 990);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(shell.trayTips.back(), "Kommen: 08:00, Stunden: 8:30, Saldo: 0:24, Konto: 0:24");
}

TEST_F(PlanTest, LiveComputationEntersMissingDaysOncePerDay)
{
    clock.Set(6, 3, 2002, 9, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Entry(plan, 4, 1).Come, TimeCode(MissingDay));
    EXPECT_EQ(Entry(plan, 5, 1).Come, TimeCode(MissingDay));
    EXPECT_EQ(Entry(plan, 6, 1).Come, TimeCode(EmptyDay));
    EXPECT_EQ(Entry(plan, 2, 1).Come, TimeCode(EmptyDay)); // Saturday
    EXPECT_EQ(plan.liveState().lastMissingCheckDay, 6);
    // Undone by hand, it is not entered again the same day unless forced.
    EntryRecord e = Entry(plan, 4, 1);
    e.Come = e.Go = TimeCode(EmptyDay);
    plan.WriteEntry(4, 1, e);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Entry(plan, 4, 1).Come, TimeCode(EmptyDay));
    plan.ComputeCurrentDay(true);
    EXPECT_EQ(Entry(plan, 4, 1).Come, TimeCode(MissingDay));
}

TEST_F(PlanTest, TimerOpensTodaysPlanOnlyWithOpenMonth)
{
    clock.Set(4, 4, 2002, 9, 0);
    MonthPlan& march = Open(3, 2002);
    march.ComputeCurrentDay(false);
    EXPECT_EQ(shell.windows.size(), 1u); // OpenMonth off: nothing
    settings.OpenMonth = 1;
    march.ComputeCurrentDay(false);
    ASSERT_EQ(shell.windows.size(), 2u);
    EXPECT_EQ(shell.windows[1].plan->PlanMonth(), 4u);
    march.ComputeCurrentDay(false);
    EXPECT_EQ(shell.windows.size(), 2u); // its window exists now
}

TEST_F(PlanTest, SelectTodaySelectsTheDaysLastRow)
{
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 720);
    AddTimes(plan, 4, 750, 990);
    plan.SelectToday();
    EXPECT_EQ(plan.SelectedEntry(), static_cast<long>(EntryKey(4, 2)));
}
