// Hours, day balance and account of entries, and the whole-period recomputation.
#include "tests/core/plan_fixture.h"

TEST(RawWorkTime, CodesWinInTheirOrder)
{
    const struct {
        TimeValue come, go;
        HoursValue expected;
    } cases[] = {
        {480, 990, 510},
        {480, 480, 0},
        {990, 480, 0}, // no work across midnight
        {480, NO_TIME, NO_HOURS},
        {NO_TIME, 480, NO_HOURS},
        {TimeCode(EmptyDay), TimeCode(PublicHoliday), HoursCode(EmptyDay)},
        {TimeCode(Vacation), TimeCode(PublicHoliday), HoursCode(PublicHoliday)},
        {TimeCode(SickDay), TimeCode(Vacation), HoursCode(Vacation)},
        {TimeCode(FlexiDay), NO_TIME, HoursCode(FlexiDay)},
        {TimeCode(AccountCorrection), TimeCode(MissingDay), HoursCode(MissingDay)},
        {TimeCode(AccountCorrection), TimeCode(AccountCorrection), HoursCode(AccountCorrection)},
    };
    for (const auto& c : cases)
        EXPECT_EQ(MonthPlan::RawWorkTime(c.come, c.go), c.expected) << c.come << "-" << c.go;
}

// Monday 4 March 2002; the default settings unless a case changes them.
TEST_F(PlanTest, DaySaldoBreaksAndCap)
{
    const struct {
        TimeValue come, go;
        std::int32_t restTime2, restPerDay2, maxTime;
        bool workTimeRests;
        HoursValue saldo;
    } cases[] = {
        {480, 990, 0, 0, 1440, false, 24},      // 510 - 30 - 456
        {480, 840, 0, 0, 1440, false, -96},     // exactly the threshold: no break
        {480, 850, 0, 0, 1440, false, -116},    // 370 - 30 - 456
        {480, 850, 0, 0, 1440, true, -96},      // only the 10 minutes beyond the threshold
        {480, 1200, 540, 15, 1440, false, 219}, // 720 - 30 - 15 - 456
        {480, 1030, 540, 15, 1440, true, 54},   // 550 - 30 - 10 - 456
        {0, 1439, 0, 0, 600, false, 144},       // capped at 600 before the target
    };
    for (const auto& c : cases) {
        settings.RestTime2 = c.restTime2;
        settings.RestPerDay2 = c.restPerDay2;
        settings.MaxTime = c.maxTime;
        settings.WorkTimeRests = c.workTimeRests;
        MonthPlan& plan = Open(3, 2002);
        AddTimes(plan, 4, c.come, c.go);
        EXPECT_EQ(Entry(plan, 4, 1).Saldo, c.saldo) << c.come << "-" << c.go;
        std::remove(plan.path().c_str());
    }
}

TEST_F(PlanTest, SaldoAndAccountByKind)
{
    MonthPlan& plan = Open(3, 2002);
    const char* file = plan.path().c_str();
    engine.WriteString("MAIN", "Account", "100", file);
    plan.Recompute(1);
    const struct {
        unsigned day;
        EntryKind kind;
        HoursValue saldo; // after the write
        HoursValue accountChange;
    } cases[] = {
        {4, FlexiDay, -456, -456},   {5, Vacation, 0, 0},      {6, SickDay, 0, 0},
        {7, MissingDay, -456, -456}, {8, PublicHoliday, 0, 0},
    };
    HoursValue account = 100;
    for (const auto& c : cases) {
        EntryRecord e = Entry(plan, c.day, 1);
        e.Come = e.Go = TimeCode(c.kind);
        e.WorkTime = HoursCode(c.kind);
        e.Saldo = 0;
        e.NoSaldo = c.kind == FlexiDay || c.kind == MissingDay ? 0 : 1;
        plan.WriteEntry(c.day, 1, e);
        plan.Recompute(c.day);
        const EntryRecord stored = Entry(plan, c.day, 1);
        EXPECT_EQ(stored.WorkTime, HoursCode(c.kind)) << c.kind;
        EXPECT_EQ(stored.Saldo, c.saldo) << c.kind;
        account += c.accountChange;
        EXPECT_EQ(stored.Account, account) << c.kind;
    }
    // Saturday 9 March has no regular working time: the hours are the balance.
    AddTimes(plan, 9, 480, 990);
    EXPECT_EQ(Entry(plan, 9, 1).Saldo, 510);
    EXPECT_EQ(Entry(plan, 9, 1).Account, account + 510);
}

TEST_F(PlanTest, OpenEntryLeavesTheRestOfThePeriodUncomputable)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 990);
    AddTimes(plan, 5, 480, NO_TIME);
    AddTimes(plan, 6, 480, 990);
    const EntryRecord open = Entry(plan, 5, 1);
    EXPECT_EQ(open.WorkTime, NO_HOURS);
    EXPECT_EQ(open.Saldo, NO_HOURS);
    EXPECT_EQ(open.Account, NO_HOURS);
    EXPECT_EQ(Entry(plan, 6, 1).Account, NO_HOURS);
    // A correction later in the period starts a computable chain again.
    EntryRecord correction = Entry(plan, 11, 1);
    correction.Come = correction.Go = TimeCode(AccountCorrection);
    correction.Account = 1000;
    plan.WriteEntry(11, 1, correction);
    AddTimes(plan, 11, 480, 990);
    EXPECT_EQ(Entry(plan, 11, 2).Account, 1024);
    EXPECT_EQ(Entry(plan, 12, 1).Account, -2147483645); // still an empty day
    AddTimes(plan, 12, 480, 990);
    EXPECT_EQ(Entry(plan, 12, 1).Account, 1048);
    // Closing the open entry makes the chain before the correction computable.
    EntryRecord closed = Entry(plan, 5, 1);
    closed.Go = 990;
    plan.WriteEntry(5, 1, closed);
    plan.Recompute(5);
    EXPECT_EQ(Entry(plan, 6, 1).Account, 72);
}

TEST_F(PlanTest, CorrectionRestartsTheDayWithoutCountingTwice)
{
    MonthPlan& plan = Open(3, 2002);
    EntryRecord correction = Entry(plan, 4, 1);
    correction.Come = correction.Go = TimeCode(AccountCorrection);
    correction.Account = 6000;
    plan.WriteEntry(4, 1, correction);
    AddTimes(plan, 4, 480, 720);
    AddTimes(plan, 4, 750, 990);
    EXPECT_EQ(Entry(plan, 4, 1).Saldo, HoursCode(AccountCorrection));
    EXPECT_EQ(Entry(plan, 4, 1).Account, 6000);
    EXPECT_EQ(Entry(plan, 4, 2).Saldo, -216);
    EXPECT_EQ(Entry(plan, 4, 2).Account, 5784);
    EXPECT_EQ(Entry(plan, 4, 3).Saldo, -6);
    EXPECT_EQ(Entry(plan, 4, 3).Account, 5994);
    EXPECT_EQ(Entry(plan, 5, 1).Account, -2147483645);
    AddTimes(plan, 5, 480, 960); // 08:00-16:00: 480 - 30 - 456
    EXPECT_EQ(Entry(plan, 5, 1).Account, 5994 - 6);
}

TEST_F(PlanTest, WorkBeforeACorrectionDoesNotReachTheAccount)
{
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 4, 480, 720);
    EntryRecord correction;
    correction.day = 4;
    correction.month = 3;
    correction.year = 2002;
    correction.weekday = 1;
    correction.Come = correction.Go = TimeCode(AccountCorrection);
    correction.Account = 6000;
    plan.WriteEntry(0, 0, correction);
    AddTimes(plan, 4, 750, 990);
    EXPECT_EQ(Entry(plan, 4, 2).Account, 6000);
    EXPECT_EQ(Entry(plan, 4, 3).Saldo, -216); // the day restarts at the correction
    EXPECT_EQ(Entry(plan, 4, 3).Account, 5784);
}

TEST_F(PlanTest, RecomputeRewritesOnlyFromTheGivenDay)
{
    settings.StartDay = 15;
    MonthPlan& plan = Open(3, 2002);
    AddTimes(plan, 18, 480, 990); // Monday 18 March
    AddTimes(plan, 2, 480, 990);  // Tuesday 2 April
    const char* file = plan.path().c_str();
    engine.WriteString("MAIN", "Account", "1000", file);
    plan.Recompute(20);
    EXPECT_EQ(Entry(plan, 18, 1).Account, 24); // before day 20: untouched
    EXPECT_EQ(Entry(plan, 2, 1).Account, 48);  // after it, from the stored day 18
    plan.Recompute(15);
    EXPECT_EQ(Entry(plan, 18, 1).Account, 1024);
    EXPECT_EQ(Entry(plan, 2, 1).Account, 1048);
    EXPECT_GT(prompts.waitScopes, 0);
}

TEST_F(PlanTest, IsFreeDay)
{
    MonthPlan& plan = Open(3, 2002);
    EntryRecord e = Entry(plan, 4, 1);
    e.Come = e.Go = TimeCode(Vacation);
    e.WorkTime = HoursCode(Vacation);
    e.Saldo = 0;
    e.NoSaldo = 1;
    plan.WriteEntry(4, 1, e);
    const struct {
        unsigned day;
        int free;
        int weekday;
    } cases[] = {{4, 1, 1}, {5, 0, 2}, {2, 1, 6}, {3, 1, 0}, {29, 1, 5}, {31, 1, 0}};
    for (const auto& c : cases) {
        EntryRecord r;
        r.day = c.day;
        r.month = 3;
        r.year = 2002;
        EXPECT_EQ(plan.IsFreeDay(r), c.free) << c.day;
        EXPECT_EQ(r.weekday, c.weekday);
    }
}
