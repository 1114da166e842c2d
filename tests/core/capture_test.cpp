// "Kommen", "Gehen" and the live computation of today.
#include "tests/core/plan_fixture.h"

TEST_F(PlanTest, ArrivalAndDepartureWithTravelTime)
{
    settings.TimeLag = 2;
    clock.Set(4, 3, 2002, 7, 58);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    EXPECT_EQ(Entry(4).Come, 476); // replaced the placeholder
    clock.Set(4, 3, 2002, 16, 0);
    plan.RecordDeparture();
    EXPECT_EQ(Entry(4).Go, 962);
    // A second arrival of the day is appended.
    clock.Set(4, 3, 2002, 16, 30);
    plan.RecordArrival();
    clock.Set(4, 3, 2002, 17, 0);
    plan.RecordDeparture();
    EXPECT_EQ(Entry(4, 2).Come, 988);
    EXPECT_EQ(Entry(4, 2).Saldo, 486 + 34 - 30 - 456);
    EXPECT_EQ(Entry(4, 2).Account, 34);
    plan.SelectToday(); // the day's last row
    EXPECT_EQ(plan.SelectedEntry(), static_cast<long>(EntryKey(4, 2)));
    // Just after midnight the travel time never reaches into yesterday.
    settings.TimeLag = 15;
    clock.Set(5, 3, 2002, 0, 5);
    plan.RecordArrival();
    EXPECT_EQ(Entry(5).Come, 0);
    // Nor into tomorrow just before midnight.
    clock.Set(5, 3, 2002, 23, 50);
    plan.RecordDeparture();
    EXPECT_EQ(Entry(5).Go, 24 * 60);
    // A departure never lies before its arrival, here one moved later by a
    // negative correction.
    settings.TimeLag = -10;
    clock.Set(6, 3, 2002, 8, 0);
    plan.RecordArrival();
    clock.Set(6, 3, 2002, 8, 15);
    plan.RecordDeparture();
    EXPECT_EQ(Entry(6).Come, At(8, 10));
    EXPECT_EQ(Entry(6).Go, At(8, 10));
    EXPECT_TRUE(prompts.messages.empty());
}

TEST_F(PlanTest, CaptureRefusals)
{
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    plan.RecordArrival();
    ExpectOnly("Es existiert noch ein Eintrag ohne \"Gehen\"-Zeit\n\n\"Kommen\"-Zeit kann nicht erfaßt werden.",
               "Hinweis");
    EXPECT_EQ(plan.EntryCount(4), 1u);
    // A plan of another period refuses both and writes nothing.
    MonthPlan& february = Open(2, 2002);
    const std::string before = Dump();
    february.RecordArrival();
    february.RecordDeparture();
    const std::string notCurrent = "Bitte öffnen Sie zuerst den Monatsplan\nfür den aktuellen Monat.";
    EXPECT_EQ(Texts(), (std::vector<std::string>{notCurrent, notCurrent}));
    EXPECT_EQ(Dump(), before);
}

TEST_F(PlanTest, PeriodOfTodayWithALaterStartDay)
{
    settings.StartDay = 15;
    clock.Set(3, 1, 2003, 8, 0); // belongs to the period that starts 15 December 2002
    MonthPlan& plan = Open(12, 2002);
    EXPECT_TRUE(plan.IsCurrentPlan());
    plan.RecordArrival();
    EXPECT_EQ(Entry(3).Come, 480);
    EXPECT_EQ(Entry(3).year, 2003u);
}

TEST_F(PlanTest, LiveValuesAndWarningsOncePerDay)
{
    settings.WarnWorkTime = 1;
    settings.AutoTimer = 1;
    settings.CheckMissings = 0;
    prompts.warningSuppressed = true; // the box's initial state
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();

    clock.Set(4, 3, 2002, 18, 5);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Texts(Kind::Warning),
              std::vector<std::string>{"Sie haben für heute die Zeit von 10:00 Arbeitsstunden bereits überschritten."});
    EXPECT_TRUE(shell.trayWarning);
    // The list's cells and that they are never stored are checked through the CLI's "show".
    EXPECT_EQ(View().rows[3].text[ColGo], "18:05T");
    EXPECT_EQ(shell.trayTips.back(), "Kommen: 08:00, Stunden: 10:05, Saldo: 1:59, Konto: 1:59"); // 605 - 30 - 456

    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Texts(Kind::Warning).size(), 1u); // confirmed with the box ticked
    EXPECT_TRUE(shell.trayWarning);

    prompts.warningSuppressed = false;
    settings.WarnAccount = 1;
    settings.WAccount = 60;
    plan.ComputeCurrentDay(false);
    ASSERT_EQ(Texts(Kind::Warning).size(), 2u);
    EXPECT_EQ(Texts(Kind::Warning)[1],
              "Sie haben auf Ihrem Stundenkonto insgesamt bereits 1:00 Arbeitsstunden überschritten.");
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Texts(Kind::Warning).size(), 3u); // unticked: again at every tick
    // While a warning window is open, no second one and no warning state.
    shell.existingTitles.insert(WARNING_TITLE);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Texts(Kind::Warning).size(), 3u);
    EXPECT_FALSE(shell.trayWarning);
}

TEST_F(PlanTest, EndOfDayAndRegularTimeNoticeOncePerDay)
{
    settings.CheckMissings = 0;
    settings.NoticeRegularTime = 1;
    clock.Set(4, 3, 2002, 8, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.RecordArrival();
    const struct {
        unsigned day, hour, minute;
        const char* endOfDay;
        std::size_t notices;
    } ticks[] = {
        {4, 15, 0, "Feierabend um 16:06", 0},
        {4, 16, 48, "Saldo heute +0:42", 1},
        {4, 17, 30, "Saldo heute +1:24", 1},
    };
    for (const auto& t : ticks) {
        clock.Set(t.day, 3, 2002, t.hour, t.minute);
        plan.ComputeCurrentDay(false);
        EXPECT_EQ(shell.endOfDay, t.endOfDay) << t.hour << ":" << t.minute;
        EXPECT_EQ(shell.trayNotices.size(), t.notices) << t.hour << ":" << t.minute;
    }
    EXPECT_EQ(shell.trayNotices.back(), "Ihre Regelarbeitszeit ist erreicht.");
    plan.RecordDeparture();
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(shell.endOfDay, "");
}

TEST_F(PlanTest, LiveComputationWithoutAnOpenEntryShowsTheStoredDay)
{
    settings.CheckMissings = 0;
    clock.Set(4, 3, 2002, 17, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(shell.trayTips.back(), "Kommen: ., Stunden: ., Saldo: ., Konto: ."); // the placeholder as stored
    Add(4, At(8, 0), At(16, 30));
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(shell.trayTips.back(), "Kommen: 08:00, Stunden: 8:30, Saldo: 0:24, Konto: 0:24");
}

TEST_F(PlanTest, LiveComputationEntersMissingDaysOncePerDay)
{
    clock.Set(6, 3, 2002, 9, 0);
    MonthPlan& plan = Open(3, 2002);
    plan.ComputeCurrentDay(false);
    const struct {
        unsigned day;
        EntryKind kind;
    } cases[] = {{4, MissingDay}, {5, MissingDay}, {6, EmptyDay}, {2, EmptyDay}}; // the 2nd: a Saturday
    for (const auto& c : cases)
        EXPECT_EQ(Entry(c.day).Come, TimeCode(c.kind)) << c.day;
    EXPECT_EQ(plan.liveState().lastMissingCheckDay, 6);
    // Undone by hand, it is not entered again the same day unless forced.
    EntryRecord e = Entry(4);
    e.Come = e.Go = TimeCode(EmptyDay);
    plan.WriteEntry(4, 1, e);
    plan.ComputeCurrentDay(false);
    EXPECT_EQ(Entry(4).Come, TimeCode(EmptyDay));
    plan.ComputeCurrentDay(true);
    EXPECT_EQ(Entry(4).Come, TimeCode(MissingDay));
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
