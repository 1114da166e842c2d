// Hours, day balance and account of entries, and the whole-period recomputation.
#include "tests/core/plan_fixture.h"

TEST(RawWorkTime, CodesWinInTheirOrder)
{
    const struct {
        TimeValue come, go;
        HoursValue expected;
    } cases[] = {
        {990, 480, 0}, // no work across midnight
        {TimeCode(EmptyDay), TimeCode(PublicHoliday), HoursCode(EmptyDay)},
        {TimeCode(Vacation), TimeCode(PublicHoliday), HoursCode(PublicHoliday)},
        {TimeCode(AccountCorrection), TimeCode(MissingDay), HoursCode(MissingDay)},
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
        Open(3, 2002);
        Add(4, c.come, c.go);
        EXPECT_EQ(Entry(4).Saldo, c.saldo) << c.come << "-" << c.go;
    }
}

TEST_F(PlanTest, SaldoAndAccountByKind)
{
    Open(3, 2002, 100);
    const struct {
        unsigned day;
        EntryKind kind;
        HoursValue saldo, account;
    } cases[] = {
        {4, FlexiDay, -456, 100 - 456}, {5, Vacation, 0, 100 - 456},          {6, SickDay, 0, 100 - 456},
        {7, MissingDay, -456, -812},    {8, PublicHoliday, 0, 100 - 2 * 456},
    };
    for (const auto& c : cases) {
        AddKind(c.day, c.kind);
        const TimeValue code = TimeCode(c.kind);
        EXPECT_EQ(Values(c.day), std::make_tuple(code, code, HoursCode(c.kind), c.saldo, c.account)) << c.kind;
    }
    // Saturday 9 March has no regular working time: the hours are the balance.
    Add(9, 480, 990);
    EXPECT_EQ(Values(9), std::make_tuple(480, 990, 510, 510, -812 + 510));
}

TEST_F(PlanTest, OpenEntryLeavesTheRestOfThePeriodUncomputable)
{
    MonthPlan& plan = Open(3, 2002);
    Add(4, 480, 990);
    Add(5, 480, NO_TIME);
    Add(6, 480, 990);
    EXPECT_EQ(Values(5), std::make_tuple(480, NO_TIME, NO_HOURS, NO_HOURS, NO_HOURS));
    EXPECT_EQ(Entry(6).Account, NO_HOURS);
    // A correction later in the period starts a computable chain again.
    Correct(11, 1000);
    Add(11, 480, 990);
    EXPECT_EQ(Entry(11, 2).Account, 1024);
    EXPECT_EQ(Entry(12).Account, HoursCode(EmptyDay));
    Add(12, 480, 990);
    EXPECT_EQ(Entry(12).Account, 1048);
    // Closing the open entry makes the chain before the correction computable.
    EntryRecord closed = Entry(5);
    closed.Go = 990;
    plan.WriteEntry(5, 1, closed);
    plan.Recompute(5);
    EXPECT_EQ(Entry(6).Account, 72);
}

TEST_F(PlanTest, CorrectionRestartsTheDayWithoutCountingTwice)
{
    Open(3, 2002);
    Correct(4, 6000);
    Add(4, 480, 720);
    Add(4, 750, 990);
    const TimeValue code = TimeCode(AccountCorrection);
    EXPECT_EQ(Values(4, 1),
              std::make_tuple(code, code, HoursCode(AccountCorrection), HoursCode(AccountCorrection), 6000));
    EXPECT_EQ(Values(4, 2), std::make_tuple(480, 720, 240, -216, 5784));
    EXPECT_EQ(Values(4, 3), std::make_tuple(750, 990, 240, -6, 5994));
    EXPECT_EQ(Entry(5).Account, HoursCode(EmptyDay));
    Add(5, 480, 960); // 480 - 30 - 456
    EXPECT_EQ(Entry(5).Account, 5994 - 6);
    // Work before a correction does not reach the account: the day restarts.
    Add(6, 480, 720);
    Correct(6, 6000);
    Add(6, 750, 990);
    EXPECT_EQ(Entry(6, 2).Account, 6000);
    EXPECT_EQ(Values(6, 3), std::make_tuple(750, 990, 240, -216, 5784));
}

TEST_F(PlanTest, RecomputeRewritesOnlyFromTheGivenDay)
{
    settings.StartDay = 15;
    MonthPlan& plan = Open(3, 2002);
    Add(18, 480, 990); // Monday 18 March
    Add(2, 480, 990);  // Tuesday 2 April
    engine.WriteString("MAIN", "Account", "1000", plan.path().c_str());
    plan.Recompute(20);
    EXPECT_EQ(Entry(18).Account, 24); // before day 20: untouched
    EXPECT_EQ(Entry(2).Account, 48);  // after it, from the stored day 18
    plan.Recompute(15);
    EXPECT_EQ(Entry(18).Account, 1024);
    EXPECT_EQ(Entry(2).Account, 1048);
    EXPECT_GT(prompts.waitScopes, 0);
}
